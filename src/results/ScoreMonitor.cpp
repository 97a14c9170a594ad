#include "results/ScoreMonitor.h"

#include "measure/RecordingFile.h"
#include "results/MonitorNavigation.h"
#include "store/ContestState.h"
#include "store/ResultStore.h"
#include "store/SettingsStore.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

ScoreMonitor::ScoreMonitor(ContestState& context, QWidget* parent) : FullScreenWindow(context, parent), Context(context)
{
    setWindowTitle(QStringLiteral("ずべろ　成績モニター"));
    setMouseTracking(true);
    LB1 = new QLabel(this);
    LB1->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック")));
    LB1->move(0, 0);
    CmdPlay = new QPushButton(QStringLiteral("再生(&P)"), this);
    // The keys stay with the window: Space closes, the arrows step.
    CmdPlay->setFocusPolicy(Qt::NoFocus);
    connect(CmdPlay, &QPushButton::clicked, this, [this] { CmdPlay_Click(); });
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

void ScoreMonitor::Form_Load()
{
    LoadBasicSettings(Context);
    LoadMicSettings(Context);
    const std::optional<int16_t> firstFree = ScanLog(Context);
    LastEntrant = firstFree ? *firstFree - 1 : 0;
    CurrentEntrant = FirstEntrantShown(AfterMeasurement(), Context.Contest.EntryNo, LastEntrant);
    PlaceControls();
    CmdPlay->setEnabled(CurrentEntrant > 0);
    ShowEntrant();
}

void ScoreMonitor::PlaceControls()
{
    QFont font = LB1->font();
    font.setPointSize(MonitorTextPoints(height()));
    LB1->setFont(font);
    const QSize button = CmdPlay->sizeHint();
    CmdPlay->setGeometry(width() - button.width() - 8, 4, button.width(), button.height());
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
    QPalette text = LB1->palette();
    text.setColor(QPalette::WindowText, GraphDrawColour(look));
    LB1->setPalette(text);
    update();

    std::optional<RecordingLevels> recording;
    if (CurrentEntrant > 0) {
        LoadLogRecord(Context, CurrentEntrant);
        ShowText();
        recording = ReadRecordingLevels(Context.Folder.FilePath(RecordingFileName(CurrentEntrant)),
                                        Context.Contest.LogQuality);
        if (!recording)
            Context.Messages.Inform(QStringLiteral("音声データが不正です。(%1)\nフォルダおよびファイルを確認してください！")
                                        .arg(CurrentEntrant),
                                    MessageIcon::Warning);
    } else {
        LB1->setText(MonitorTextLine(0, 0, 0, 0));
        LB1->adjustSize();
    }

    QPainter painter(&Picture);
    DrawGraphScale(painter, size(), look);
    if (recording)
        DrawGraphWaveform(painter, size(), look, *recording);
    update();
}

void ScoreMonitor::ShowText()
{
    const std::array<QString, 11>& texts = Context.Contest.LogTexts;
    LB1->setText(MonitorTextLine(CurrentEntrant, texts[2].toLongLong(), texts[3].toLongLong(), texts[5].toLongLong()));
    LB1->adjustSize();
}

void ScoreMonitor::StepTo(int entrant)
{
    if (entrant == CurrentEntrant)
        return;
    CurrentEntrant = entrant;
    ShowEntrant();
}

void ScoreMonitor::Act(MonitorAction action)
{
    switch (action) {
    case MonitorAction::Close:
        close();
        break;
    case MonitorAction::Next:
        StepTo(StepEntrant(CurrentEntrant, 1, LastEntrant));
        break;
    case MonitorAction::Previous:
        StepTo(StepEntrant(CurrentEntrant, -1, LastEntrant));
        break;
    case MonitorAction::Nothing:
        break;
    }
}

void ScoreMonitor::Form_KeyDown(int key)
{
    Act(MonitorKeyAction(key));
}

QPointF ScoreMonitor::GraphPoint(QPointF pixel) const
{
    return GraphTransform(size()).inverted().map(pixel);
}

void ScoreMonitor::Form_MouseDown(Qt::MouseButton button, QPointF point)
{
    Act(MonitorClickAction(button, GraphPoint(point), AfterMeasurement()));
}

void ScoreMonitor::Form_MouseMove(QPointF point)
{
    setCursor(InStepArea(GraphPoint(point)) ? Qt::ArrowCursor : Qt::CrossCursor);
}

void ScoreMonitor::CmdPlay_Click()
{
    if (MM1.Mode() == MultimediaPlayer::ModePlaying) {
        StopPlaying();
        return;
    }
    if (CurrentEntrant < 1)
        return;
    MM1.FileName = Context.Folder.FilePath(RecordingFileName(CurrentEntrant));
    MM1.Command(QStringLiteral("Open"));
    MM1.Command(QStringLiteral("Prev"));
    MM1.Command(QStringLiteral("Play"));
}

void ScoreMonitor::StopPlaying()
{
    if (MM1.Mode() != MultimediaPlayer::ModeNotOpen)
        MM1.Command(QStringLiteral("Close"));
}

void ScoreMonitor::keyPressEvent(QKeyEvent* event)
{
    Form_KeyDown(event->key());
}

void ScoreMonitor::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown(event->button(), event->position());
}

void ScoreMonitor::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove(event->position());
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
