#include "report/PreviewLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

double ZoomFactor(int zoomIndex)
{
    static constexpr double factors[ZoomStepCount] = {1.5, 1.0, 0.75, 0.5, 0.25};
    return zoomIndex >= 0 && zoomIndex < ZoomStepCount ? factors[zoomIndex] : 1.0;
}

ScrollRange ScrollRangeFor(int containerExtent, int contentExtent)
{
    if (containerExtent > contentExtent)
        return {};
    const int maximum = std::min(contentExtent - containerExtent, int(std::numeric_limits<int16_t>::max()));
    return {true, maximum, maximum > 20 ? maximum / 20 : 1};
}

PreviewArrangement ArrangePreview(QSize area, int horizontalBarHeight, int verticalBarWidth)
{
    const int height = std::max(0, area.height() - horizontalBarHeight);
    const int width = std::max(0, area.width() - verticalBarWidth * 3 / 2);
    return {QRect(0, 0, width, height), QRect(0, height, width, horizontalBarHeight),
            QRect(width, 0, verticalBarWidth, height)};
}
