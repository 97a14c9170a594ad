#include "results/ResultDisplay.h"

#include "widgets/ContestSession.h"
#include "audio/SoundSlots.h"
#include "core/BooleanText.h"
#include "widgets/ClickLabel.h"
#include "widgets/FontFitting.h"
#include "widgets/ProgramCursor.h"
#include "widgets/StoredColour.h"
#include "widgets/WidgetColours.h"
#include "results/RankAnnouncement.h"
#include "core/ContestOperations.h"
#include "core/DisplayFormat.h"
#include "core/ProgramOptions.h"
#include "core/Ranking.h"
#include "widgets/EntrantNames.h"
#include "widgets/OperatorMessages.h"

#include <QKeyEvent>
#include <QTimer>

namespace {

constexpr int KeyEnter = 13;
constexpr int KeySpace = 32;

int KeyCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Space:
        return KeySpace;
    default:
        return 0;
    }
}

}

ResultDisplay::ResultDisplay(ContestSession& context, QWidget* parent) : FullScreenWindow(context, parent), Context(context)
{
    setWindowTitle(QStringLiteral("ずべろ　測定結果"));
    setAutoFillBackground(true);
    scoreLabel = new ClickLabel(this);
    scoreLabel->setObjectName(QStringLiteral("scoreLabel"));
    scoreLabel->setAlignment(Qt::AlignCenter);
    connect(scoreLabel, &ClickLabel::pressed, this, [this] { ScoreMouseDown(); });
    // The rank label does not react, and keeps its clicks from the window.
    rankLabel = new ClickLabel(this);
    rankLabel->setObjectName(QStringLiteral("rankLabel"));
    rankLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A click on the name acts as one on the window.
    nameLabel = new QLabel(this);
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    nameLabel->setAlignment(Qt::AlignCenter);
    nameLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    nameLabel->hide();
    levelLabel = new QLabel(this);
    levelLabel->setObjectName(QStringLiteral("levelLabel"));
    levelLabel->setAlignment(Qt::AlignCenter);
    levelLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    levelLabel->hide();
    blinkTimer = new QTimer(this);
    blinkTimer->setObjectName(QStringLiteral("blinkTimer"));
    connect(blinkTimer, &QTimer::timeout, this, [this] { BlinkTick(); });
    secondTimer = new QTimer(this);
    secondTimer->setObjectName(QStringLiteral("secondTimer"));
    secondTimer->setInterval(1000);
    connect(secondTimer, &QTimer::timeout, this, [this] { CountSecond(); });
}

void ResultDisplay::LoadOnOpen()
{
    unsetCursor();
    scoreLabel->unsetCursor();
    RankEntrant();
    EntrantNameText = ReadHallNames(Context).NameOf(Entrant.EntryNo);
    const bool showLevels = Entrant.Level && LoadProgramOptions(Context).Level.Show;
    LevelText = showLevels ? SoundLevelText(Entrant.Level->LAFmax, Entrant.Level->Clipped) : QString();
    ResultLayout();
    Seconds = 0;
    BlinkPhase = 0;
    blinkTimer->stop();
    secondTimer->start();
    if (Entrant.EntryNo >= Context.Settings.Sound.RankSoundFromEntry)
        StartRankEffects();
}

void ResultDisplay::LayOutForScreen()
{
    ResultLayout();
}

void ResultDisplay::StartRankEffects()
{
    const EffectSettings& effect = Context.Settings.Effect;
    // An interval of 0 or less (a hand-edited file) means no blinking, not a
    // timer firing without pause.
    if (effect.BlinkTopRanks && EntrantRank <= effect.BlinkRankLimit && effect.BlinkInterval > 0) {
        blinkTimer->setInterval(effect.BlinkInterval * 10);
        blinkTimer->start();
    }
    SoundCall(RankSoundSlot(EntrantRank, Entrant.EntryNo));
}

void ResultDisplay::RankEntrant()
{
    EntrantRank = RankOfNewEntrant(Context.Contest.ScoreTable, {Entrant.EntryNo, Entrant.Result.TotalPoints.Value});
}

void ResultDisplay::ResultLayout()
{
    const ScreenSettings& screen = Context.Settings.Screen;
    const double width = ScreenWidth();
    const double height = ScreenHeight();

    QFont scoreFont(screen.ResultFontName);
    scoreFont.setBold(IsTrueText(screen.ResultFontBold));
    const QString score = QString::number(Entrant.Result.TotalPoints.Value);
    const auto measure = [&scoreFont, &score](int size) {
        scoreFont.setPointSize(size);
        return QFontMetricsF(scoreFont).size(0, score);
    };
    // A level shown under the score takes some of its height, enough to be
    // read across the hall.
    const double scoreShare = LevelText.isEmpty() ? 0.8 : 0.68;
    const int points = FitFontSize(20, 1000, 10, width, scoreShare * height, measure);
    const double scoreHeight = measure(points).height();
    scoreLabel->setFont(scoreFont);
    scoreLabel->setText(score);
    SetTextColour(scoreLabel, FromStoredColour(screen.ResultForeColor));
    scoreLabel->setGeometry(QRectF(0, height / 2 - scoreHeight / 2, width, scoreHeight).toRect());
    NameLayout(height / 2 - scoreHeight / 2);

    QFont rankFont(QStringLiteral("ＭＳ Ｐゴシック"));
    rankFont.setBold(true);
    rankFont.setPointSize(std::max(static_cast<int>(height / 30), 1));
    const QString rankText = RankLabelText(EntrantRank, Entrant.EntryNo);
    const QSizeF rankSize = QFontMetricsF(rankFont).size(0, rankText);
    rankLabel->setFont(rankFont);
    rankLabel->setText(rankText);
    SetTextColour(rankLabel, FromStoredColour(screen.ResultForeColor));
    rankLabel->setGeometry(QRectF(width - rankSize.width(), height - rankSize.height() * 1.2, rankSize.width(), rankSize.height())
                         .toAlignedRect());
    LevelLayout(height / 2 + scoreHeight / 2, height - rankSize.height() * 1.2);
    SetBackColor(screen.ResultBackColor);
}

// The name fills the band above the score, as wide as the screen allows;
// the score keeps its place whether or not there is a name.
void ResultDisplay::NameLayout(double scoreTop)
{
    nameLabel->setVisible(!EntrantNameText.isEmpty());
    if (EntrantNameText.isEmpty())
        return;
    const ScreenSettings& screen = Context.Settings.Screen;
    const double width = ScreenWidth();
    QFont nameFont(screen.ResultFontName);
    nameFont.setBold(IsTrueText(screen.ResultFontBold));
    const auto measure = [&nameFont, this](int size) {
        nameFont.setPointSize(size);
        return QFontMetricsF(nameFont).size(Qt::TextSingleLine, EntrantNameText);
    };
    const int points = std::max(FitFontSize(10, 400, 2, 0.95 * width, 0.8 * scoreTop, measure), 1);
    const double nameHeight = measure(points).height();
    nameLabel->setFont(nameFont);
    nameLabel->setText(EntrantNameText);
    SetTextColour(nameLabel, FromStoredColour(screen.ResultForeColor));
    nameLabel->setGeometry(QRectF(0, (scoreTop - nameHeight) / 2, width, nameHeight).toRect());
}

// The level fills the band under the score, above the rank, at most half as
// high as the name may be.
void ResultDisplay::LevelLayout(double scoreBottom, double rankTop)
{
    levelLabel->setVisible(!LevelText.isEmpty());
    if (LevelText.isEmpty())
        return;
    const ScreenSettings& screen = Context.Settings.Screen;
    QFont levelFont(screen.ResultFontName);
    levelFont.setBold(IsTrueText(screen.ResultFontBold));
    const auto measure = [&levelFont, this](int size) {
        levelFont.setPointSize(size);
        return QFontMetricsF(levelFont).size(Qt::TextSingleLine, LevelText);
    };
    const double band = std::max(rankTop - scoreBottom, 1.0);
    const int points = std::max(FitFontSize(10, 200, 2, 0.6 * ScreenWidth(), 0.8 * band, measure), 1);
    const double levelHeight = measure(points).height();
    levelLabel->setFont(levelFont);
    levelLabel->setText(LevelText);
    SetTextColour(levelLabel, FromStoredColour(screen.ResultForeColor));
    levelLabel->setGeometry(QRectF(0, scoreBottom + (band - levelHeight) / 2, ScreenWidth(), levelHeight).toRect());
}

void ResultDisplay::SoundCall(int slot)
{
    PlaySlotOn(rankSound, Context.Settings, Context.Folder, slot);
}

void ResultDisplay::BlinkTick()
{
    BlinkPhase = NextBlinkPhase(BlinkPhase);
    SetBackColor(Context.Settings.Effect.BlinkColor[static_cast<size_t>(BlinkPhase)]);
    if (Seconds >= BlinkSeconds) {
        blinkTimer->stop();
        SetBackColor(Context.Settings.Screen.ResultBackColor);
    }
}

void ResultDisplay::CountSecond()
{
    ++Seconds;
    if (Seconds > ResultDisplaySeconds) {
        close();
        return;
    }
    if (Seconds == 1) {
        const QCursor next = ProgramCursor(Context.Folder, QStringLiteral("next.ico"));
        setCursor(next);
        scoreLabel->setCursor(next);
    }
}

void ResultDisplay::PressKey(int key)
{
    if (key == KeySpace || key == KeyEnter)
        close();
}

void ResultDisplay::PressMouse()
{
    if (Seconds >= FirstClickSecond)
        close();
}

void ResultDisplay::ScoreMouseDown()
{
    PressMouse();
}

void ResultDisplay::keyPressEvent(QKeyEvent* event)
{
    PressKey(KeyCode(event));
}

void ResultDisplay::mousePressEvent(QMouseEvent*)
{
    PressMouse();
}

std::optional<EntrantRecorded> ResultDisplay::LogWrite()
{
    std::optional<EntrantRecorded> stored = ValueOrReport<EntrantRecorded>(Context.Messages, RecordEntrant(Context, Entrant));
    if (stored) {
        Report(Context.Messages, stored->LevelFault);
        emit resultStored(*stored);
    }
    return stored;
}

void ResultDisplay::done(int result)
{
    blinkTimer->stop();
    secondTimer->stop();
    QDialog::done(result);
    StoreOnClose();
}

void ResultDisplay::StoreOnClose()
{
    if (Context.Settings.Basic.SoundOn && rankSound.Mode() != MultimediaPlayer::ModeNotOpen)
        rankSound.Command(QStringLiteral("Close"));
    const std::optional<EntrantRecorded> stored = LogWrite();
    if (!stored)
        return;
    const int16_t entryNo = stored->Record.EntryNo;
    if (Context.Settings.Basic.PrintAtOnce)
        emit scoreSheetRequested(ScoreSheetRequest{OpenedAfterMeasurement, entryNo});
    if (Context.Settings.Basic.WaveformDisplay)
        emit scoreMonitorRequested(ScoreMonitorRequest{OpenedAfterMeasurement, entryNo});
}

void ResultDisplay::SetBackColor(int32_t colour)
{
    SetBackColour(this, FromStoredColour(colour));
}

QColor ResultDisplay::BackColor() const
{
    return BackColour(this);
}
