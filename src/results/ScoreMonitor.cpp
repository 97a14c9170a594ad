#include "results/ScoreMonitor.h"

#include "core/EntrantLevels.h"

#include "core/DisplayFormat.h"

#include "core/RecordingFile.h"
#include "widgets/WidgetColours.h"
#include "results/MonitorNavigation.h"
#include "core/ContestOperations.h"
#include "widgets/ContestSession.h"
#include "core/ResultStore.h"
#include "widgets/EntrantNames.h"
#include "widgets/OperatorMessages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

ScoreMonitor::ScoreMonitor(ContestSession& context, QWidget* parent) : FullScreenWindow(context, parent), Context(context)
{
    setWindowTitle(QStringLiteral("ずべろ　成績モニター"));
    setMouseTracking(true);
    infoLine = new QLabel(this);
    infoLine->setObjectName(QStringLiteral("infoLine"));
    infoLine->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック")));
    infoLine->move(0, 0);
    playButton = new QPushButton(QStringLiteral("再生(&P)"), this);
    playButton->setObjectName(QStringLiteral("playButton"));
    // The keys stay with the window: Space closes, the arrows step.
    playButton->setFocusPolicy(Qt::NoFocus);
    connect(playButton, &QPushButton::clicked, this, [this] { PlayRecording(); });
}

bool ScoreMonitor::AfterMeasurement() const
{
    return Request.OpenMode == OpenedAfterMeasurement;
}

GraphLook ScoreMonitor::Look() const
{
    return GraphLook{Context.Settings.Basic.WaveformWhiteOnBlack, Context.Settings.Mic.NoiseCutLevel,
                     Context.Settings.Basic.MeasureSeconds};
}

void ScoreMonitor::LoadOnOpen()
{
    const std::optional<int16_t> firstFree = ScanLog(Context);
    if (!firstFree)
        Report(Context.Messages, ContestFileUnreadable{Context.LogPath()});
    Last = firstFree ? *firstFree - 1 : 0;
    Current = FirstEntrantShown(AfterMeasurement(), Request.EntryNo, Last);
    HallNames = ReadHallNames(Context);
    PlaceControls();
    playButton->setEnabled(Current > 0);
    ShowEntrant();
}

void ScoreMonitor::FollowLog()
{
    if (!isVisible())
        return;
    const std::optional<int16_t> firstFree = ScanLog(Context);
    FollowLast(firstFree ? *firstFree - 1 : 0);
}

void ScoreMonitor::FollowStored(const ResultRecord& record)
{
    if (isVisible())
        FollowLast(std::max<int>(Last, record.EntryNo));
}

void ScoreMonitor::FollowLast(int last)
{
    Last = last;
    playButton->setEnabled(Last > 0);
    StepTo(Last > 0 ? std::clamp(Current, 1, Last) : 0);
}

void ScoreMonitor::PlaceControls()
{
    QFont font = infoLine->font();
    font.setPointSize(MonitorTextPoints(height()));
    infoLine->setFont(font);
    const QSize button = playButton->sizeHint();
    playButton->setGeometry(width() - button.width() - 8, 4, button.width(), button.height());
}

void ScoreMonitor::LayOutForScreen()
{
    PlaceControls();
    ShowEntrant();
}

void ScoreMonitor::ShowEntrant()
{
    StopPlaying();
    const GraphLook look = Look();
    Picture = QImage(size(), QImage::Format_RGB32);
    {
        QPainter painter(&Picture);
        DrawGraphFrame(painter, size(), look);
    }
    SetTextColour(infoLine, GraphDrawColour(look));
    update();

    // An entrant whose record cannot be loaded shows its number and nothing
    // else: no scores, no recording read under a guessed quality.
    std::optional<RecordingLevels> recording;
    if (Current < 1) {
        ShowText(MonitorTextLine(0, 0, 0, 0));
    } else if (const std::optional<LoadedEntrant> entrant =
                   ValueOrReport<LoadedEntrant>(Context.Messages, LoadEntrant(Context, Current))) {
        const QString level = LevelBesideScores();
        ShowText(MonitorTextLine(Current, entrant->TotalPoints, entrant->MaxPoints, entrant->IntegPoints,
                                 NameBesideNumber(*entrant, level)) +
                 level);
        recording = ReadRecording(*entrant);
    } else {
        ShowText(MonitorEntryLine(Current));
    }
    HasSamples = recording && !recording->Levels.empty();

    QPainter painter(&Picture);
    DrawGraphScale(painter, size(), look);
    if (recording)
        DrawGraphWaveform(painter, size(), look, *recording);
    update();
}

std::optional<RecordingLevels> ScoreMonitor::ReadRecording(const LoadedEntrant& entrant)
{
    std::optional<RecordingLevels> recording = ReadEntrantRecording(
        Context.Folder.FilePath(RecordingFileName(Current)), entrant.Quality, entrant.SampleCount);
    if (!recording)
        Report(Context.Messages, RecordingUnreadable{Current});
    return recording;
}

// The name is cut short so that the line stays clear of the play button.
QString ScoreMonitor::NameBesideNumber(const LoadedEntrant& entrant, const QString& level) const
{
    const QFontMetricsF metrics(infoLine->font());
    const double room =
        playButton->x() - 8 -
        metrics.horizontalAdvance(MonitorTextLine(Current, entrant.TotalPoints, entrant.MaxPoints, entrant.IntegPoints) + level);
    return FittedNameSuffix(HallNames.NameOf(Current), metrics, room);
}

// "   音圧 ：112.3 dB(A)" while levels are shown and the entrant has them.
QString ScoreMonitor::LevelBesideScores() const
{
    const auto shown = ReadShownLevels(Context);
    const auto* levels = shown ? std::get_if<EntrantLevels>(&*shown) : nullptr;
    if (!levels || !levels->contains(Current))
        return {};
    const EntrantLevel& level = levels->at(Current);
    return QStringLiteral("   音圧 ：") + SoundLevelText(level.LAFmax, level.Clipped);
}

void ScoreMonitor::ShowText(const QString& text)
{
    infoLine->setText(text);
    infoLine->adjustSize();
}

void ScoreMonitor::StepTo(int entrant)
{
    if (entrant == Current)
        return;
    Current = entrant;
    ShowEntrant();
}

void ScoreMonitor::Act(MonitorAction action)
{
    switch (action) {
    case MonitorAction::Close:
        close();
        break;
    case MonitorAction::Next:
        StepTo(StepEntrant(Current, 1, Last));
        break;
    case MonitorAction::Previous:
        StepTo(StepEntrant(Current, -1, Last));
        break;
    case MonitorAction::Nothing:
        break;
    }
}

void ScoreMonitor::PressKey(int key)
{
    Act(MonitorKeyAction(key));
}

QPointF ScoreMonitor::GraphPoint(QPointF pixel) const
{
    return GraphTransform(size()).inverted().map(pixel);
}

void ScoreMonitor::PressMouse(Qt::MouseButton button, QPointF point)
{
    Act(MonitorClickAction(button, GraphPoint(point), AfterMeasurement()));
}

void ScoreMonitor::MoveMouse(QPointF point)
{
    setCursor(InStepArea(GraphPoint(point)) ? Qt::ArrowCursor : Qt::CrossCursor);
}

void ScoreMonitor::PlayRecording()
{
    if (player.Mode() == MultimediaPlayer::ModePlaying) {
        StopPlaying();
        return;
    }
    if (Current < 1)
        return;
    if (HasSamples) {
        player.FileName = Context.Folder.FilePath(RecordingFileName(Current));
        player.Command(QStringLiteral("Open"));
        player.Command(QStringLiteral("Prev"));
        player.Command(QStringLiteral("Play"));
    }
    if (player.Mode() == MultimediaPlayer::ModeNotOpen)
        Report(Context.Messages, RecordingNotPlayable{Current});
}

void ScoreMonitor::StopPlaying()
{
    if (player.Mode() != MultimediaPlayer::ModeNotOpen)
        player.Command(QStringLiteral("Close"));
}

void ScoreMonitor::keyPressEvent(QKeyEvent* event)
{
    PressKey(event->key());
}

void ScoreMonitor::mousePressEvent(QMouseEvent* event)
{
    PressMouse(event->button(), event->position());
}

void ScoreMonitor::mouseMoveEvent(QMouseEvent* event)
{
    MoveMouse(event->position());
}

void ScoreMonitor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Picture);
}

void ScoreMonitor::done(int result)
{
    StopPlaying();
    QDialog::done(result);
}
