#include "measure/MeasurementScreen.h"

#include "store/ContestState.h"
#include "measure/GaugeBox.h"
#include "measure/LoudnessAnalysis.h"
#include "measure/MeasureLayout.h"
#include "measure/Waits.h"
#include "platform/ClickLabel.h"
#include "platform/ProgramCursor.h"
#include "platform/StoredColour.h"
#include "store/ResultStore.h"
#include "store/SettingsStore.h"

#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

const QColor GaugeGreen(0, 128, 0);
const QColor GaugeRed(255, 0, 0);
constexpr int KeyEscape = 27;
constexpr int KeySpace = 32;

// The key code of the original keyboard interface, for the keys this screen knows.
int KeyCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_Space:
        return KeySpace;
    default:
        return 0;
    }
}

void SetLabelColours(QLabel* label, int32_t fore, int32_t back)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, FromStoredColour(fore));
    palette.setColor(QPalette::Window, FromStoredColour(back));
    label->setPalette(palette);
}

}

MeasurementScreen::MeasurementScreen(ContestState& context, QWidget* parent, std::unique_ptr<SoundRecorder> recorder)
    : FullScreenWindow(context, parent), Audio(context, std::move(recorder)), Context(context)
{
    setWindowTitle(QStringLiteral("ずべろ　測定"));
    BuildControls();
    Audio.ResetGauge = [this] { DrawGauge(-1); };
    RemainingStartSound = [this] { return Audio.RemainingSoundMs(); };
}

MeasurementScreen::~MeasurementScreen() = default;

void MeasurementScreen::BuildControls()
{
    LB1 = new ClickLabel(this);
    LB1->setAutoFillBackground(true);
    LB1->setAlignment(Qt::AlignCenter);
    LB1->MouseDown = [this](Qt::MouseButton button) { LB1_MouseDown(button); };
    BOT1 = new ClickLabel(this);
    BOT1->setAutoFillBackground(true);
    BOT1->setAlignment(Qt::AlignCenter);
    BOT1->MouseDown = [this](Qt::MouseButton button) { BOT1_MouseDown(button); };
    // The next-entrant label and the gauge take no clicks and keep them from
    // the screen behind them.
    NxtLB = new ClickLabel(this);
    NxtLB->setAlignment(Qt::AlignCenter);
    PC1 = new GaugeBox(this);
    SGTmr = new QTimer(this);
    SGTmr->setInterval(650);
    connect(SGTmr, &QTimer::timeout, this, [this] { SGTmr_Timer(); });
}

// The circle gauge is drawn on a surface of the screen's size.
void MeasurementScreen::NewDrawing()
{
    Drawing = QImage(ScreenWidth, ScreenHeight, QImage::Format_ARGB32_Premultiplied);
    Drawing.fill(Qt::transparent);
}

void MeasurementScreen::LayOutForScreen()
{
    NewDrawing();
    if (Context.Settings.Screen.FullGaugeLayout)
        LayoutFullGauge();
    else
        LayoutHeading();
}

void MeasurementScreen::Form_Load()
{
    Closing = false;
    Running = false;
    NewDrawing();
    LoadBasicSettings(Context);
    LoadScreenSettings(Context);
    LoadSoundSettings(Context);
    LoadEffectSettings(Context);
    LoadMicSettings(Context);
    const std::optional<int16_t> next = ScanLog(Context);
    LogReadable = next.has_value();
    if (!LogReadable) {
        RefuseUnreadableLog();
        return;
    }
    Context.Contest.EntryNo = *next;
    Gauge.Restart();
    NxtLB->clear();
    DisplayState = Waiting;
    if (Context.Settings.Screen.FullGaugeLayout)
        LayoutFullGauge();
    else
        LayoutHeading();
}

// Without a whole log the next entry number is unknown, and measuring under
// a guessed number would overwrite an entrant's recording.
void MeasurementScreen::RefuseUnreadableLog()
{
    Context.Messages.Inform(QStringLiteral("測定ログが読めないか、壊れています。(%1)\n測定を始めることはできません。"
                                           "フォルダおよびファイルを確認してください！")
                                .arg(QDir::toNativeSeparators(Context.LogPath())),
                            MessageIcon::Error);
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MeasurementScreen::ApplyBandFont(QLabel* label, double points) const
{
    const ScreenSettings& screen = Context.Settings.Screen;
    QFont font(screen.BandFontName);
    font.setBold(screen.BandFontBold == QLatin1String("True"));
    font.setItalic(screen.BandFontItalic == QLatin1String("True"));
    font.setPointSizeF(std::max(points, 1.0));
    label->setFont(font);
}

void MeasurementScreen::LayoutHeading()
{
    const ScreenSettings& screen = Context.Settings.Screen;
    const HeadingLayoutFigures layout = ComputeHeadingLayout(ScreenWidth, ScreenHeight);
    LB1->setGeometry(layout.Heading.toRect());
    BOT1->setGeometry(layout.Band.toRect());
    PC1->setGeometry(layout.BarBox.toRect());
    BOT1->show();
    LB1->setText(screen.BandText[HeadingLook]);
    SetScreenBack(screen.WaitingBackColor);
    NxtLB->setGeometry(layout.NextEntry.toRect());
    ApplyBandFont(NxtLB, layout.HeadingFontPoints);
    SetLabelColours(NxtLB, screen.BandForeColor[HeadingLook], screen.WaitingBackColor);
    CircleCentre = layout.CircleCentre;
    CircleRadius = layout.CircleRadius;
    ShowState();
    SetLabelColours(LB1, screen.BandForeColor[HeadingLook], screen.BandBackColor[HeadingLook]);
    ApplyBandFont(LB1, layout.HeadingFontPoints);
    ApplyBandFont(BOT1, layout.HeadingFontPoints);
    LB1->show();
    DrawGauge(-1);
}

void MeasurementScreen::LayoutFullGauge()
{
    const ScreenSettings& screen = Context.Settings.Screen;
    LB1->hide();
    const QString longest = screen.BandText[LongestStateText(screen)];
    QFont font(screen.BandFontName);
    font.setBold(screen.BandFontBold == QLatin1String("True"));
    font.setItalic(screen.BandFontItalic == QLatin1String("True"));
    const auto measure = [&font, &longest](int size) {
        font.setPointSize(size);
        return QFontMetricsF(font).size(0, longest);
    };
    const int points = FitFullGaugeBandFont(ScreenWidth, ScreenHeight, measure);
    const double bandHeight = measure(points).height();
    const FullGaugeLayoutFigures layout = ComputeFullGaugeLayout(ScreenWidth, ScreenHeight, bandHeight);
    BOT1->setGeometry(layout.Band.toRect());
    BOT1->show();
    ApplyBandFont(BOT1, points);
    ShowState();
    SetScreenBack(screen.WaitingBackColor);
    PC1->setGeometry(layout.BarBox.toRect());
    PC1->hide();
    NxtLB->setGeometry(layout.NextEntry.toRect());
    ApplyBandFont(NxtLB, points);
    SetLabelColours(NxtLB, screen.BandForeColor[HeadingLook], screen.WaitingBackColor);
    CircleCentre = layout.CircleCentre;
    CircleRadius = layout.CircleRadius;
    DrawGauge(-1);
}

void MeasurementScreen::ShowState()
{
    const StateLook look = LookOf(DisplayState, Context.Settings.Screen);
    BOT1->setText(look.BandText);
    SetLabelColours(BOT1, look.BandForeColor, look.BandBackColor);
    SetScreenBack(look.ScreenBackColor);
    switch (look.Pointer) {
    case BandPointer::Go:
        BOT1->setCursor(ProgramCursor(Context.Folder, QStringLiteral("go.ico")));
        break;
    case BandPointer::Next:
        BOT1->setCursor(ProgramCursor(Context.Folder, QStringLiteral("next.ico")));
        break;
    case BandPointer::NoDrop:
        BOT1->setCursor(Qt::ForbiddenCursor);
        break;
    }
    if (look.ClearScreen) {
        Drawing.fill(Qt::transparent);
        update();
    }
    PC1->setVisible(look.BarBoxVisible);
    if (DisplayState == Waiting) {
        NxtLB->setText(NextEntryText(Context.Contest.EntryNo));
        NxtLB->show();
    } else if (DisplayState == Ready) {
        NxtLB->hide();
        Audio.PlaySoundSlot(StartSound);
    }
}

void MeasurementScreen::SetScreenBack(int32_t colour)
{
    ScreenBack = FromStoredColour(colour);
    update();
}

void MeasurementScreen::DrawGauge(int value)
{
    if (!Gauge.Accept(value))
        return;
    if (Context.Settings.Screen.GaugeStyle == BarGauge)
        DrawBarGauge(value);
    else if (Context.Settings.Screen.GaugeStyle == CircleGauge)
        DrawCircleGauge(value);
}

void MeasurementScreen::DrawBarGauge(int value)
{
    if (value <= 0)
        PC1->Clear(GaugeGreen);
    else if (value >= 100)
        PC1->Clear(GaugeRed);
    else
        PC1->FillFromLeft(BarRedExtent(value), GaugeRed);
}

void MeasurementScreen::DrawCircleGauge(int value)
{
    QPainter painter(&Drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF disc(CircleCentre.x() - CircleRadius, CircleCentre.y() - CircleRadius, 2 * CircleRadius, 2 * CircleRadius);
    painter.setBrush(value <= 0 ? GaugeGreen : GaugeRed);
    painter.drawEllipse(disc);
    if (value > 0 && value < 100) {
        painter.setBrush(GaugeGreen);
        constexpr double SixteenthsPerRadian = 180.0 / 3.141592 * 16;
        for (const GaugeSector& sector : GreenSectors(value))
            painter.drawPie(disc, qRound(sector.Start * SixteenthsPerRadian), qRound((sector.End - sector.Start) * SixteenthsPerRadian));
    }
    update();
}

void MeasurementScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ScreenBack);
    painter.drawImage(0, 0, Drawing);
}

void MeasurementScreen::BOT1_MouseDown(Qt::MouseButton button)
{
    // Only a press that finds the stopped look opens the result display, not
    // the press whose run ends in it.
    if (!LogReadable)
        return;
    const bool pressedWhileStopped = DisplayState == Stopped;
    if (button == Qt::LeftButton && DisplayState == Waiting) {
        if (LogIsFull(Context.Contest.EntryNo)) {
            Context.Messages.Inform(QString::fromUtf8(LogFullMessage), MessageIcon::Error);
            close();
            return;
        }
        RunMeasurement();
    }
    if (button == Qt::RightButton && DisplayState == Waiting && ShowRankingBoard)
        ShowRankingBoard();
    if (pressedWhileStopped && DisplayState == Stopped) {
        ShowResultDisplay();
        DisplayState = Waiting;
        ShowState();
    }
}

void MeasurementScreen::Form_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton && DisplayState == Waiting && ShowRankingBoard)
        ShowRankingBoard();
}

void MeasurementScreen::LB1_MouseDown(Qt::MouseButton button)
{
    Form_MouseDown(button);
}

void MeasurementScreen::Form_KeyDown(int key)
{
    if (key == KeyEscape)
        close();
    else if (key == KeySpace && DisplayState == Waiting && ShowRankingBoard)
        ShowRankingBoard();
}

void MeasurementScreen::keyPressEvent(QKeyEvent* event)
{
    Form_KeyDown(KeyCode(event));
}

void MeasurementScreen::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown(event->button());
}

void MeasurementScreen::SGTmr_Timer()
{
    if (DisplayState != Ready)
        return;
    const BlinkColours colours = ReadyBlinkColours(BlinkTicks, Context.Settings.Screen);
    SetScreenBack(colours.ScreenBackColor);
    SetLabelColours(BOT1, Context.Settings.Screen.BandForeColor[Ready + 1], colours.BandBackColor);
    ++BlinkTicks;
}

bool MeasurementScreen::RunAbandoned() const
{
    return Closing || Context.EndRequested();
}

void MeasurementScreen::RunMeasurement()
{
    Running = true;
    PC1->Clear(GaugeGreen);
    DisplayState = Ready;
    ShowState();
    BlinkTicks = 0;
    SGTmr->start();
    if (!Audio.RecordingStep(1)) {
        close();
        return;
    }
    if (RunAbandoned())
        return;
    DrawGauge(-1);
    WaitForReadyEnd();
    SGTmr->stop();
    if (RunAbandoned())
        return;
    DisplayState = Measuring;
    ShowState();
    if (!RecordShout())
        return;
    FinishRecording();
    if (RunAbandoned())
        return;
    Running = false;
    if (Context.Settings.Basic.PauseAtStop) {
        DisplayState = Stopped;
        ShowState();
        return;
    }
    ShowResultDisplay();
    DisplayState = Waiting;
    ShowState();
}

void MeasurementScreen::WaitForReadyEnd()
{
    const int startWait = Context.Settings.Basic.StartWaitTenths;
    // A sound server that stops answering must not keep the hall waiting:
    // the start sound counts as ended a little after its length.
    QElapsedTimer waiting;
    waiting.start();
    const qint64 longest = Audio.SoundLength() + StartSoundMarginMs;
    while (!RunAbandoned()) {
        const qint64 remaining = waiting.elapsed() > longest ? 0 : RemainingStartSound();
        switch (DecideReady(startWait, remaining)) {
        case ReadyAction::StartRecording:
            return;
        case ReadyAction::StartAfterWait:
            WaitMilliseconds(static_cast<int16_t>(std::min(startWait * 100, 32767)));
            return;
        case ReadyAction::KeepWaiting:
            WaitMilliseconds(5);
            break;
        }
    }
}

bool MeasurementScreen::RecordShout()
{
    if (!Audio.RecordingStep(2)) {
        close();
        return false;
    }
    const int seconds = Context.Settings.Basic.MeasureSeconds;
    QElapsedTimer recording;
    recording.start();
    for (;;) {
        const double elapsed = recording.elapsed() / 1000.0;
        WaitMilliseconds(50);
        if (RunAbandoned())
            return false;
        DrawGauge(GaugePercent(elapsed, std::max(seconds, 1)));
        if (elapsed >= seconds)
            return true;
    }
}

void MeasurementScreen::FinishRecording()
{
    DrawGauge(100);
    WaitSeconds(1);
    if (RunAbandoned())
        return;
    if (!Audio.RecordingStep(3)) {
        close();
        return;
    }
    Audio.PlaySoundSlot(StopSound);
    if (Context.Settings.Mic.Quality == 0)
        AnalyzeWav8(Context);
    else
        AnalyzeWav16(Context);
}

void MeasurementScreen::AbandonRun()
{
    SGTmr->stop();
    Audio.AbortRecording();
    Running = false;
}

void MeasurementScreen::done(int result)
{
    Closing = true;
    if (Running)
        AbandonRun();
    Form_Unload();
    QDialog::done(result);
}

void MeasurementScreen::Form_Unload()
{
    Audio.ClosePlayer();
}
