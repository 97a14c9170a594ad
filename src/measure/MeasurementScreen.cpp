#include "measure/MeasurementScreen.h"

#include "widgets/ContestSession.h"
#include "measure/GaugeBox.h"
#include "measure/GaugeDrawing.h"
#include "measure/MeasureLayout.h"
#include "measure/MissingInput.h"
#include "core/ProgramOptions.h"
#include "core/BooleanText.h"
#include "widgets/ClickLabel.h"
#include "widgets/ProgramCursor.h"
#include "widgets/StoredColour.h"
#include "core/ResultStore.h"
#include "widgets/EntrantNames.h"
#include "widgets/FontFitting.h"
#include "widgets/OperatorMessages.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

void SetLabelColours(QLabel* label, int32_t fore, int32_t back)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, FromStoredColour(fore));
    palette.setColor(QPalette::Window, FromStoredColour(back));
    label->setPalette(palette);
}

}

MeasurementScreen::MeasurementScreen(ContestSession& context, QWidget* parent, std::unique_ptr<SoundRecorder> recorder,
                                     std::function<AudioInputList()> listInputs, WaitClock& clock)
    : FullScreenWindow(context, parent), Context(context), ListInputs(std::move(listInputs)), Measurement(context, std::move(recorder), clock)
{
    setWindowTitle(QStringLiteral("ずべろ　測定"));
    BuildControls();
    connect(&Measurement, &MeasurementRunner::stateChanged, this, [this](ScreenState state) { EnterRunState(state); });
    connect(&Measurement, &MeasurementRunner::gaugeShown, this, [this](int value) { DrawGauge(value); });
    connect(&Measurement, &MeasurementRunner::finished, this, [this](const MeasurementOutcome& outcome) { FinishMeasurement(outcome); });
}

MeasurementScreen::~MeasurementScreen() = default;

void MeasurementScreen::BuildControls()
{
    const auto label = [this](const char* name) {
        auto* made = new ClickLabel(this);
        made->setObjectName(QLatin1String(name));
        made->setAlignment(Qt::AlignCenter);
        return made;
    };
    headingLabel = label("headingLabel");
    headingLabel->setAutoFillBackground(true);
    connect(headingLabel, &ClickLabel::pressed, this, [this](Qt::MouseButton button) { PressScreen(button); });
    measureBand = label("measureBand");
    measureBand->setAutoFillBackground(true);
    connect(measureBand, &ClickLabel::pressed, this, [this](Qt::MouseButton button) { PressBand(button); });
    // The next-entrant label and the gauge take no clicks and keep them from
    // the screen behind them.
    nextEntryLabel = label("nextEntryLabel");
    barGauge = new GaugeBox(this);
    barGauge->setObjectName(QStringLiteral("barGauge"));
    blinkTimer = new QTimer(this);
    blinkTimer->setObjectName(QStringLiteral("blinkTimer"));
    blinkTimer->setInterval(650);
    connect(blinkTimer, &QTimer::timeout, this, [this] { Blink(); });
}

// The circle gauge is drawn on a surface of the screen's size.
void MeasurementScreen::NewDrawing()
{
    Drawing = QImage(ScreenWidth(), ScreenHeight(), QImage::Format_ARGB32_Premultiplied);
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

void MeasurementScreen::LoadOnOpen()
{
    NewDrawing();
    Measurable = MayMeasure();
    if (!Measurable)
        return;
    Gauge.Restart();
    HallNames = ReadHallNames(Context);
    nextEntryLabel->clear();
    DisplayState = State();
    if (Context.Settings.Screen.FullGaugeLayout)
        LayoutFullGauge();
    else
        LayoutHeading();
}

// A value no settings window allows (a measurement time of 0, from a file
// edited by hand and read by a window since the start-up's check) would
// record and score what nobody set. Without a whole log the next entry number
// is unknown, and measuring under a guessed number would overwrite an
// entrant's recording.
bool MeasurementScreen::MayMeasure()
{
    if (const std::optional<QString> file = SettingsFileOutsideLimits(Context.Settings)) {
        Refuse(MessageFor(SettingsOutsideLimits{Context.Folder.FilePath(*file)}));
        return false;
    }
    const std::optional<int16_t> next = ScanLog(Context);
    if (!next) {
        Refuse(MessageFor(MeasurementLogUnreadable{Context.LogPath()}));
        return false;
    }
    Context.Contest.EntryNo = *next;
    return true;
}

void MeasurementScreen::Refuse(const OperatorMessage& message)
{
    Context.Messages.Inform(message.Text, message.Icon, message.Title);
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MeasurementScreen::ApplyBandFont(QLabel* label, double points) const
{
    const ScreenSettings& screen = Context.Settings.Screen;
    QFont font(screen.BandFontName);
    font.setBold(IsTrueText(screen.BandFontBold));
    font.setItalic(IsTrueText(screen.BandFontItalic));
    font.setPointSizeF(std::max(points, 1.0));
    label->setFont(font);
}

void MeasurementScreen::LayoutHeading()
{
    const ScreenSettings& screen = Context.Settings.Screen;
    const HeadingLayoutFigures layout = ComputeHeadingLayout(ScreenWidth(), ScreenHeight());
    headingLabel->setGeometry(layout.Heading.toRect());
    measureBand->setGeometry(layout.Band.toRect());
    barGauge->setGeometry(layout.BarBox.toRect());
    measureBand->show();
    headingLabel->setText(screen.BandText[HeadingLook]);
    SetScreenBack(screen.WaitingBackColor);
    nextEntryLabel->setGeometry(layout.NextEntry.toRect());
    NextEntryPoints = layout.HeadingFontPoints;
    ApplyBandFont(nextEntryLabel, layout.HeadingFontPoints);
    SetLabelColours(nextEntryLabel, screen.BandForeColor[HeadingLook], screen.WaitingBackColor);
    CircleCentre = layout.CircleCentre;
    CircleRadius = layout.CircleRadius;
    ApplyState();
    SetLabelColours(headingLabel, screen.BandForeColor[HeadingLook], screen.BandBackColor[HeadingLook]);
    ApplyBandFont(headingLabel, layout.HeadingFontPoints);
    ApplyBandFont(measureBand, layout.HeadingFontPoints);
    headingLabel->show();
    DrawGauge(-1);
}

void MeasurementScreen::LayoutFullGauge()
{
    const ScreenSettings& screen = Context.Settings.Screen;
    headingLabel->hide();
    const QString longest = screen.BandText[LongestStateText(screen)];
    QFont font(screen.BandFontName);
    font.setBold(IsTrueText(screen.BandFontBold));
    font.setItalic(IsTrueText(screen.BandFontItalic));
    const auto measure = [&font, &longest](int size) {
        font.setPointSize(size);
        return QFontMetricsF(font).size(0, longest);
    };
    const int points = FitFullGaugeBandFont(ScreenWidth(), ScreenHeight(), measure);
    const double bandHeight = measure(points).height();
    const FullGaugeLayoutFigures layout = ComputeFullGaugeLayout(ScreenWidth(), ScreenHeight(), bandHeight);
    measureBand->setGeometry(layout.Band.toRect());
    measureBand->show();
    ApplyBandFont(measureBand, points);
    ApplyState();
    SetScreenBack(screen.WaitingBackColor);
    barGauge->setGeometry(layout.BarBox.toRect());
    barGauge->hide();
    nextEntryLabel->setGeometry(layout.NextEntry.toRect());
    NextEntryPoints = points;
    ApplyBandFont(nextEntryLabel, points);
    // The state was shown before the label had its place.
    if (DisplayState == Waiting)
        ShowNextEntry();
    SetLabelColours(nextEntryLabel, screen.BandForeColor[HeadingLook], screen.WaitingBackColor);
    CircleCentre = layout.CircleCentre;
    CircleRadius = layout.CircleRadius;
    DrawGauge(-1);
}

void MeasurementScreen::ShowState(ScreenState state)
{
    DisplayState = state;
    ApplyState();
}

void MeasurementScreen::ApplyState()
{
    const StateLook look = LookOf(DisplayState, Context.Settings.Screen);
    measureBand->setText(look.BandText);
    SetLabelColours(measureBand, look.BandForeColor, look.BandBackColor);
    SetScreenBack(look.ScreenBackColor);
    switch (look.Pointer) {
    case BandPointer::Go:
        measureBand->setCursor(ProgramCursor(Context.Folder, QStringLiteral("go.ico")));
        break;
    case BandPointer::Next:
        measureBand->setCursor(ProgramCursor(Context.Folder, QStringLiteral("next.ico")));
        break;
    case BandPointer::NoDrop:
        measureBand->setCursor(Qt::ForbiddenCursor);
        break;
    }
    if (look.ClearScreen) {
        Drawing.fill(Qt::transparent);
        update();
    }
    barGauge->setVisible(look.BarBoxVisible);
    if (DisplayState == Waiting) {
        ShowNextEntry();
    } else if (DisplayState == Ready) {
        nextEntryLabel->hide();
    }
}

// A name that makes the label too wide shrinks its font; a number alone
// keeps the band's size.
void MeasurementScreen::ShowNextEntry()
{
    const QString name = HallNames.NameOf(Context.Contest.EntryNo);
    const QString text = NextEntryText(Context.Contest.EntryNo, name);
    ApplyBandFont(nextEntryLabel, NextEntryPoints);
    if (!name.isEmpty())
        ApplyBandFont(nextEntryLabel, PointsFittingWidth(nextEntryLabel->font(), text, nextEntryLabel->width()));
    nextEntryLabel->setText(text);
    nextEntryLabel->show();
}

// The ready look blinks from the start of the run until recording starts.
void MeasurementScreen::EnterRunState(ScreenState state)
{
    if (state == Ready)
        DrawBarGauge(*barGauge, 0);
    ShowState(state);
    BlinkTicks = 0;
    if (state == Ready)
        blinkTimer->start();
    else
        blinkTimer->stop();
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
    if (Context.Settings.Screen.GaugeStyle == BarGauge) {
        DrawBarGauge(*barGauge, value);
    } else if (Context.Settings.Screen.GaugeStyle == CircleGauge) {
        QPainter painter(&Drawing);
        DrawCircleGauge(painter, CircleCentre, CircleRadius, value);
        update();
    }
}

void MeasurementScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ScreenBack);
    painter.drawImage(0, 0, Drawing);
}

void MeasurementScreen::PressBand(Qt::MouseButton button)
{
    if (!Measurable)
        return;
    if (button == Qt::LeftButton && State() == Waiting) {
        if (LogIsFull(Context.Contest.EntryNo)) {
            Report(Context.Messages, LogFull());
            close();
            return;
        }
        // The screen stays: the operator can plug the input in and press again.
        if (const std::optional<AudioInputMissing> missing = MissingInput(ListInputs, LoadProgramOptions(Context).AudioInput.toUtf8())) {
            Report(Context.Messages, *missing);
            return;
        }
        StartMeasurement();
    } else if (button == Qt::RightButton && State() == Waiting) {
        emit rankingBoardRequested();
    } else if (State() == Stopped) {
        emit resultDisplayRequested(*Measured);
    }
}

void MeasurementScreen::PressScreen(Qt::MouseButton button)
{
    if (button == Qt::RightButton && State() == Waiting)
        emit rankingBoardRequested();
}

void MeasurementScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else if (event->key() == Qt::Key_Space && State() == Waiting)
        emit rankingBoardRequested();
}

void MeasurementScreen::mousePressEvent(QMouseEvent* event)
{
    PressScreen(event->button());
}

void MeasurementScreen::Blink()
{
    if (DisplayState != Ready)
        return;
    const BlinkColours colours = ReadyBlinkColours(BlinkTicks, Context.Settings.Screen);
    SetScreenBack(colours.ScreenBackColor);
    SetLabelColours(measureBand, Context.Settings.Screen.BandForeColor[Ready + 1], colours.BandBackColor);
    ++BlinkTicks;
}

void MeasurementScreen::StartMeasurement()
{
    Measured.reset();
    Measurement.start();
}

void MeasurementScreen::FinishMeasurement(const MeasurementOutcome& outcome)
{
    Report(Context.Messages, outcome.Failures);
    switch (outcome.Ended) {
    case MeasurementOutcome::Kind::Abandoned:
        // The screen is closing, or the program ending: nothing more is shown.
        return;
    case MeasurementOutcome::Kind::Failed:
        close();
        return;
    case MeasurementOutcome::Kind::DeviceFailed:
        // Nothing was stored: the same entrant is measured again once the
        // input is put right.
        return;
    case MeasurementOutcome::Kind::Measured:
        break;
    }
    Measured = outcome.Entrant;
    if (State() != Stopped)
        emit resultDisplayRequested(*Measured);
}

void MeasurementScreen::resultDisplayClosed()
{
    Measurement.resultShown();
}

void MeasurementScreen::done(int result)
{
    blinkTimer->stop();
    Measurement.abandon();
    Measurement.closePlayer();
    QDialog::done(result);
}
