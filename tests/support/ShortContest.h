#pragma once

#include "core/RecordingFile.h"
#include "core/SettingsStore.h"
#include "core/WavHeader.h"
#include "support/AppTestFolder.h"
#include "support/WidgetTestSupport.h"
#include "widgets/ClickLabel.h"

#include <QCoreApplication>
#include <QMouseEvent>

// An installed program folder for contests of 2-second takes at middle
// quality, without sounds or a pause at the stop.
inline void PrepareShortContest(AppTestFolder& folder)
{
    AppContext& context = folder.Context;
    WriteInstalledFolder(folder);
    const RecordingFormat format = RecordingFormatOf(RecordingQuality::Middle);
    folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
    context.Settings.Basic.SoundOn = false;
    context.Settings.Basic.MeasureSeconds = 2;
    context.Settings.Basic.PauseAtStop = false;
    SaveBasicSettings(context);
    context.Settings.Mic.Quality = RecordingQuality::Middle;
    SaveMicSettings(context);
}

// Starts a run as the operator does: a click on the measurement screen's band.
inline void ClickBand(ClickLabel* band)
{
    const QPointF centre(band->width() / 2.0, band->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, band->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(band, &press);
}
