// Shows each settings window on the X display — the microphone window also
// after a test and while a contest locks it — and Qt's colour, font and file
// choosers as the windows open them, and photographs the whole display after
// each into the folder given as the only argument.
#include "core/RecordingFile.h"
#include "widgets/DesktopSetup.h"
#include "settings/EffectSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/MicrophoneTestRun.h"
#include "settings/BasicSettingsWindow.h"
#include "settings/ScreenSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"
#include "widgets/ContestSession.h"
#include "core/ResultRecord.h"
#include "core/SettingsStore.h"
#include "ScreenshotSupport.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Three seconds of a shout at 8 kHz.
QByteArray Shout()
{
    QByteArray data;
    for (int i = 0; i < 24000; ++i) {
        const double envelope = std::sin(M_PI * i / 24000.0);
        data.append(char(128 + std::lround(110 * envelope * std::sin(i * 0.35) * (0.6 + 0.4 * std::sin(i * 0.0021)))));
    }
    return data;
}

// A microphone that has taken the shout as soon as it starts.
class ShoutRecorder : public SoundRecorder {
public:
    bool Start(const PcmFormat&, int64_t) override { return true; }
    void Stop() override {}
    bool IsRecording() const override { return false; }
    QByteArray Samples() const override { return Shout(); }
};

void ShootWindow(QDialog& window, const QString& name)
{
    window.show();
    Shoot(name);
    window.close();
}

void ShootMicrophone(ContestSession& context)
{
    MicrophoneSettingsWindow window(context, QStringLiteral("pavucontrol --tab=4"), nullptr, std::make_unique<ShoutRecorder>());
    window.show();
    Shoot(QStringLiteral("1-microphone"));
    window.findChild<QPushButton*>(QStringLiteral("testButton"))->click();
    const MicrophoneTestRun* test = window.findChild<MicrophoneTestRun*>();
    while (test->Testing())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    Shoot(QStringLiteral("1-microphone-after-test"));
    window.close();
    ResultRecord first = ResultRecord::Cleared(1, 1);
    first.TotalPoints = 100;
    WriteFile(context.LogPath(), first.Encode());
    window.show();
    Shoot(QStringLiteral("1-microphone-locked"));
    window.close();
    QFile::remove(context.LogPath());
}

void ShootChoosers(QWidget* owner)
{
    QColorDialog colours(QColor(0, 128, 64), owner);
    colours.setOption(QColorDialog::DontUseNativeDialog);
    colours.show();
    Shoot(QStringLiteral("6-colour-chooser"));
    colours.close();
    QFontDialog fonts(QFont(QFontInfo(QFont(QStringLiteral("ＭＳ ゴシック"))).family()), owner);
    fonts.setOption(QFontDialog::DontUseNativeDialog);
    fonts.show();
    Shoot(QStringLiteral("7-font-chooser"));
    fonts.close();
    QFileDialog files(owner, QStringLiteral("サウンドファイルの指定"), QDir::currentPath(), QStringLiteral("ｻｳﾝﾄﾞﾌｧｲﾙ(WAV) (*.WAV *.wav)"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.show();
    Shoot(QStringLiteral("8-file-chooser"));
    files.close();
}

}

int main(int argc, char* argv[])
{
    if (!TakeOutputFolder(argc, argv, "SettingsScreenshots"))
        return 2;
    QApplication application(argc, argv);
    InstallJapaneseTranslations(application);
    InstallFontSubstitutions();

    FactoryContest contest;
    ContestSession& context = contest.Context;
    for (int quality = 0; quality <= 2; ++quality) {
        const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
        WriteFile(context.Folder.FilePath(QLatin1String(format.TemplateName)),
                  MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
    }
    QDir::setCurrent(contest.Folder.path());

    ShootMicrophone(context);
    BasicSettingsWindow basic(context);
    ShootWindow(basic, QStringLiteral("2-basic"));
    SoundSettingsWindow sound(context, QStringLiteral("pavucontrol --tab=3"));
    ShootWindow(sound, QStringLiteral("3-sound"));
    EffectSettingsWindow effects(context);
    ShootWindow(effects, QStringLiteral("4-effects"));
    ScreenSettingsWindow screen(context);
    ShootWindow(screen, QStringLiteral("5-screen"));
    screen.show();
    ShootChoosers(&screen);
    screen.close();
    return 0;
}
