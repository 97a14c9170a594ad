#pragma once

#include "measure/MeasurementScreen.h"
#include "widgets/ClickLabel.h"

#include <QCoreApplication>
#include <QMouseEvent>

// A press on the band of the measurement screen, as the operator's.
inline void PressBand(MeasurementScreen& screen)
{
    auto* band = screen.findChild<ClickLabel*>(QStringLiteral("measureBand"));
    const QPointF centre(band->width() / 2.0, band->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, band->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(band, &press);
}

// One measurement on the system's clock, from the press to the measured
// take; a result display that closes at once stands in for the real one.
inline MeasuredEntrant MeasureOnce(MeasurementScreen& screen)
{
    MeasuredEntrant measured;
    bool shown = false;
    const QMetaObject::Connection display =
        QObject::connect(&screen, &MeasurementScreen::resultDisplayRequested, [&measured, &shown](const MeasuredEntrant& entrant) {
            measured = entrant;
            shown = true;
        });
    PressBand(screen);
    while (!shown && screen.isVisible()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (screen.State() == Stopped)
            PressBand(screen);
    }
    QObject::disconnect(display);
    screen.resultDisplayClosed();
    return measured;
}
