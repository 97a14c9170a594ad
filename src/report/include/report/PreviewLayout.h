#pragma once

#include <QRect>
#include <QSize>

// The rules of the print preview: zoom steps, the scroll bars over the page,
// and where the container and the scroll bars go in the window.

constexpr int ZoomStepCount = 5;
constexpr int ZoomStepAtLoad = 1;

// 150 %, 100 %, 75 %, 50 % and 25 % for the steps 0 to 4; 100 % otherwise.
double ZoomFactor(int zoomIndex);

// A scroll bar over content shown in a container of the given extent.
struct ScrollRange {
    bool Enabled = false;
    int Maximum = 0;
    int LargeStep = 1;
};
ScrollRange ScrollRangeFor(int containerExtent, int contentExtent);

// The container and the two scroll bars in the area under the menu bar: the
// horizontal bar below the container, the vertical one to its right. The
// container keeps a width of the window less one and a half scroll bar
// widths; a window too small for them gives an empty container, never a
// negative one.
struct PreviewArrangement {
    QRect Container;
    QRect HorizontalBar;
    QRect VerticalBar;
};
PreviewArrangement ArrangePreview(QSize area, int horizontalBarHeight, int verticalBarWidth);
