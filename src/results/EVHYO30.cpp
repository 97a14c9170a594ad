#include "results/EVHYO30.h"

#include "measure/RecordingFile.h"
#include "results/ScoreMonitor.h"
#include "store/ContestState.h"
#include "store/ResultStore.h"
#include "store/SettingsStore.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

EVHYO30::EVHYO30(ContestState& context, QWidget* parent) : QDialog(parent), Context(context)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("EVHYO30"));
    setMouseTracking(true);
    LB1 = new QLabel(this);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSize(12);
    LB1->setFont(font);
    LB1->move(0, 0);
    CmdPlay = new QPushButton(QStringLiteral("再生(&P)"), this);
    // The keys stay with the window: Space closes, the arrows step.
    CmdPlay->setFocusPolicy(Qt::NoFocus);
    connect(CmdPlay, &QPushButton::clicked, this, [this] { CmdPlay_Click(); });
}

void EVHYO30::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

bool EVHYO30::AfterMeasurement() const
{
    return Request.OpenMode == OpenedAfterMeasurement;
}

GraphLook EVHYO30::Look() const
{
    return GraphLook{Context.Settings.Basic.WaveformWhiteOnBlack, Context.Settings.Mic.NoiseCutLevel,
                     Context.Settings.Basic.MeasureSeconds};
}

void EVHYO30::Form_Load()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    setGeometry(screen->geometry());
    LoadBasicSettings(Context);
    LoadMicSettings(Context);
    const std::optional<int16_t> firstFree = ScanLog(Context);
    LastEntrant = firstFree ? *firstFree - 1 : 0;
    CurrentEntrant = FirstEntrantShown(AfterMeasurement(), Context.Contest.EntryNo, LastEntrant);
    const QSize button = CmdPlay->sizeHint();
    CmdPlay->setGeometry(width() - button.width() - 8, 4, button.width(), button.height());
    CmdPlay->setEnabled(CurrentEntrant > 0);
    ShowEntrant();
}

void EVHYO30::ShowEntrant()
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

void EVHYO30::ShowText()
{
    const std::array<QString, 11>& texts = Context.Contest.LogTexts;
    LB1->setText(MonitorTextLine(CurrentEntrant, texts[2].toLongLong(), texts[3].toLongLong(), texts[5].toLongLong()));
    LB1->adjustSize();
}

void EVHYO30::StepTo(int entrant)
{
    if (entrant == CurrentEntrant)
        return;
    CurrentEntrant = entrant;
    ShowEntrant();
}

void EVHYO30::Act(MonitorAction action)
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

void EVHYO30::Form_KeyDown(int key)
{
    Act(MonitorKeyAction(key));
}

QPointF EVHYO30::GraphPoint(QPointF pixel) const
{
    return GraphTransform(size()).inverted().map(pixel);
}

void EVHYO30::Form_MouseDown(Qt::MouseButton button, QPointF point)
{
    Act(MonitorClickAction(button, GraphPoint(point), AfterMeasurement()));
}

void EVHYO30::Form_MouseMove(QPointF point)
{
    setCursor(InStepArea(GraphPoint(point)) ? Qt::ArrowCursor : Qt::CrossCursor);
}

void EVHYO30::CmdPlay_Click()
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

void EVHYO30::StopPlaying()
{
    if (MM1.Mode() != MultimediaPlayer::ModeNotOpen)
        MM1.Command(QStringLiteral("Close"));
}

void EVHYO30::keyPressEvent(QKeyEvent* event)
{
    Form_KeyDown(event->key());
}

void EVHYO30::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown(event->button(), event->position());
}

void EVHYO30::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove(event->position());
}

void EVHYO30::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Picture);
}

void EVHYO30::done(int result)
{
    StopPlaying();
    QDialog::done(result);
}
