#include "settings/AudioInputChooser.h"

#include "core/RecordingFile.h"
#include "audio/AudioInputRecorder.h"
#include "widgets/MessageBoxService.h"
#include "settings/MicTest.h"
#include "widgets/ContestSession.h"
#include "core/ProgramOptions.h"
#include "widgets/OperatorMessages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

// The level is read from a listening recording of this quality, a minute
// long, restarted when it has run its length or the input changes.
constexpr RecordingQuality ListeningQuality = RecordingQuality::Middle;
constexpr int ListeningSeconds = 60;

}

AudioInputChooser::AudioInputChooser(ContestSession& context, QWidget* parent, std::function<AudioInputList()> listInputs,
                                     std::unique_ptr<SoundRecorder> monitor)
    : QWidget(parent), Context(context), ListInputs(std::move(listInputs)), Monitor(std::move(monitor))
{
    if (!Monitor)
        Monitor = std::make_unique<AudioInputRecorder>([this] { return ListedName(); });
    inputLabel = new QLabel(QStringLiteral("入力"), this);
    inputList = new QComboBox(this);
    inputList->setObjectName(QStringLiteral("inputList"));
    inputList->setToolTip(QStringLiteral("録音するマイクを選びます。"));
    inputList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    inputList->setMinimumContentsLength(24);
    inputLevel = new QProgressBar(this);
    inputLevel->setObjectName(QStringLiteral("inputLevel"));
    inputLevel->setRange(0, 100);
    inputLevel->setTextVisible(false);
    inputLevel->setFixedHeight(8);
    missingInput = new QLabel(this);
    missingInput->setObjectName(QStringLiteral("missingInput"));
    missingInput->setWordWrap(true);
    missingInput->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
    missingInput->hide();
    levelTimer = new QTimer(this);
    levelTimer->setInterval(50);
    connect(levelTimer, &QTimer::timeout, this, &AudioInputChooser::ShowLevel);
    connect(inputList, &QComboBox::activated, this, &AudioInputChooser::Choose);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inputLabel, 0, 0);
    layout->addWidget(inputList, 0, 1);
    layout->addWidget(inputLevel, 1, 1);
    layout->addWidget(missingInput, 2, 0, 1, 2);
}

AudioInputChooser::~AudioInputChooser()
{
    Monitor->Stop();
}

void AudioInputChooser::Load()
{
    const AudioInputList list = ListInputs();
    const QByteArray stored = LoadProgramOptions(Context).AudioInput.toUtf8();
    const ResolvedAudioInput resolved = ResolveAudioInput(list, stored);
    QString defaultText = QStringLiteral("既定の入力");
    for (const AudioInputEntry& input : list.Inputs) {
        if (input.Name == list.DefaultName)
            defaultText += QStringLiteral(" (") + input.Description + QLatin1Char(')');
    }
    inputList->clear();
    inputList->addItem(defaultText, QByteArray());
    for (const AudioInputEntry& input : list.Inputs)
        inputList->addItem(input.Description, input.Name);
    inputList->setCurrentIndex(std::max(inputList->findData(resolved.Name), 0));
    missingInput->setText(QStringLiteral("選ばれていた入力「%1」が見つかりません。接続し直すか、入力を選んでください。").arg(QString::fromUtf8(stored)));
    missingInput->setVisible(resolved.Missing);
    RestartListening();
}

QByteArray AudioInputChooser::ListedName() const
{
    return inputList->currentData().toByteArray();
}

void AudioInputChooser::Choose(int index)
{
    ProgramOptions options = LoadProgramOptions(Context);
    options.AudioInput = QString::fromUtf8(inputList->itemData(index).toByteArray());
    Report(Context.Messages, SaveProgramOptions(Context, options));
    missingInput->hide();
    RestartListening();
}

void AudioInputChooser::RestartListening()
{
    Monitor->Stop();
    ListeningFailed = false;
}

void AudioInputChooser::ShowLevel()
{
    // An input that cannot be listened to is tried again only when the list
    // changes or the window is shown again, not on every tick.
    if (!Monitor->IsRecording() && !ListeningFailed) {
        const RecordingFormat format = RecordingFormatOf(ListeningQuality);
        const PcmFormat pcm{int(format.SampleRate), int(format.BitsPerSample)};
        ListeningFailed = !Monitor->Start(pcm, int64_t(pcm.SampleRate) * ListeningSeconds);
    }
    inputLevel->setValue(static_cast<int>(100 * PeakOfLast(Monitor->Samples(), ListeningQuality, 50)));
}

void AudioInputChooser::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    RestartListening();
    levelTimer->start();
}

void AudioInputChooser::hideEvent(QHideEvent* event)
{
    levelTimer->stop();
    Monitor->Stop();
    inputLevel->setValue(0);
    QWidget::hideEvent(event);
}
