#include "widgets/FreeArea.h"

#include <QGuiApplication>
#include <QScreen>

QRect FreeAreaOf(QRect available, QRect whole, bool panelsUnreported)
{
    if (!panelsUnreported || available != whole)
        return available;
    return available.adjusted(0, 0, 0, -UnreportedPanelRoom);
}

bool PanelsUnreported()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRect FreeArea(const QScreen& screen)
{
    return FreeAreaOf(screen.availableGeometry(), screen.geometry(), PanelsUnreported());
}

bool FitsFreeArea(QSize outer, QRect free)
{
    return outer.width() <= free.width() && outer.height() <= free.height();
}
