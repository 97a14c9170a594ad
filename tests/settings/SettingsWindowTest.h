#pragma once

#include "core/RecordingFile.h"
#include "core/ResultRecord.h"
#include "core/SettingsFileFormat.h"
#include "support/WidgetTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

// The settings windows on an installed program folder with the recording
// templates in place.
class SettingsWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
        for (int quality = 0; quality <= 2; ++quality) {
            const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
            Folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
        }
    }

    // A log in which entrant 1 has been measured.
    void WriteLogWithOneEntrant()
    {
        ResultRecord first = ResultRecord::Cleared(1, 1);
        first.TotalPoints = 100;
        Folder.Write(QStringLiteral("loudlog.dat"), first.Encode());
    }

    template <class Group>
    QByteArray FileOf(const Group& group) const
    {
        return SerializeSettings(group).value_or(QByteArray("unwritable"));
    }

    std::vector<QString> AskedAndConfirmed(const char* done = "登録しました。") const
    {
        return {QStringLiteral("設定を登録しますか？"), QString::fromUtf8(done)};
    }

    TestFolder Folder;
    ContestSession& Context = Folder.Context;
};

// The control of `window` named by its role; a missing one fails the test.
template <class Control = QWidget>
Control* Child(const QObject& window, const QString& role)
{
    auto* control = window.findChild<Control*>(role);
    if (!control)
        throw std::runtime_error("no control " + role.toStdString());
    return control;
}

inline void SendFocus(QWidget* widget, QEvent::Type type, Qt::FocusReason reason = Qt::TabFocusReason)
{
    QFocusEvent focus(type, reason);
    QCoreApplication::sendEvent(widget, &focus);
}

// Gives the box the focus, types `text` at the caret and leaves it.
inline void TypeKeys(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
    }
}

inline void PressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Return ? QStringLiteral("\r") : QString());
    QCoreApplication::sendEvent(widget, &press);
}

template <class Condition>
bool WaitUntil(Condition condition, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}
