#include "settings/LevelCalibrationGroup.h"

#include "audio/AudioInputRecorder.h"
#include "core/ProgramOptions.h"
#include "core/RecordingFile.h"
#include "widgets/ContestSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <utility>

namespace {

constexpr int CalibrationSeconds = 5;

QString Decibels(double db, int decimals = 1)
{
    return QString::number(db, 'f', decimals);
}

QString ReferenceName(CalibrationReference reference)
{
    return reference == CalibrationReference::Meter ? QStringLiteral("騒音計") : QStringLiteral("音響校正器");
}

QString WeightingName(LevelWeighting weighting)
{
    static const QString names[] = {QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("Z")};
    return names[static_cast<int>(weighting)];
}

QString RefusalText(CalibrationRefusal refusal, CalibrationReference reference)
{
    switch (refusal) {
    case CalibrationRefusal::NoSound:
        return QStringLiteral("音が入っていません。音を出してから校正してください。");
    case CalibrationRefusal::Clipped:
        return QStringLiteral("音が大きすぎて振り切れています。録音音量を下げてから校正してください。");
    case CalibrationRefusal::NotSteady:
        return reference == CalibrationReference::Calibrator
                   ? QStringLiteral("音が安定していません。校正器をマイクにしっかり付けて、もう一度校正してください。")
                   : QStringLiteral("音が安定していません。一定の音を出して、もう一度校正してください。");
    case CalibrationRefusal::NotOneKilohertz:
        break;
    }
    return QStringLiteral("1 kHz の音ではありません。校正器の周波数を確かめてください。");
}

QString MismatchText(Uncalibrated reason, const LevelCalibration& stored, std::optional<int> volume)
{
    switch (reason) {
    case Uncalibrated::NoCalibration:
        return QStringLiteral("未校正：校正されていません。");
    case Uncalibrated::OtherInput:
        return QStringLiteral("未校正：入力が校正したときと違います。");
    case Uncalibrated::OtherVolume:
        return QStringLiteral("未校正：録音音量が校正したとき（%1%）と違います（今 %2%）。").arg(stored.Volume).arg(volume.value_or(0));
    case Uncalibrated::OtherQuality:
        break;
    }
    return QStringLiteral("未校正：録音品質が校正したときと違います。");
}

}

LevelCalibrationGroup::LevelCalibrationGroup(ContestSession& context, std::function<RecordingQuality()> quality, QWidget* parent,
                                             std::unique_ptr<SoundRecorder> recorder, VolumeQuery inputVolume)
    : QGroupBox(QStringLiteral("音圧校正"), parent), Context(context), Quality(std::move(quality)), Recorder(std::move(recorder)),
      InputVolume(std::move(inputVolume))
{
    if (!Recorder)
        Recorder = std::make_unique<AudioInputRecorder>([this] { return ChosenInput(); });
    setObjectName(QStringLiteral("levelCalibration"));
    BuildControls();
    progress = new QTimer(this);
    progress->setInterval(100);
    connect(progress, &QTimer::timeout, this, &LevelCalibrationGroup::CheckProgress);
}

LevelCalibrationGroup::~LevelCalibrationGroup()
{
    Recorder->Stop();
}

void LevelCalibrationGroup::BuildControls()
{
    referenceBox = new QComboBox(this);
    referenceBox->setObjectName(QStringLiteral("referenceBox"));
    referenceBox->addItems({ReferenceName(CalibrationReference::Calibrator), ReferenceName(CalibrationReference::Meter)});
    referenceBox->setToolTip(QStringLiteral("音響校正器の音、または騒音計で測った一定の音で校正します。"));
    referenceLevel = new QDoubleSpinBox(this);
    referenceLevel->setObjectName(QStringLiteral("referenceLevel"));
    referenceLevel->setRange(30.0, 150.0);
    referenceLevel->setDecimals(1);
    referenceLevel->setSingleStep(0.1);
    referenceLevel->setSuffix(QStringLiteral(" dB"));
    referenceLevel->setToolTip(QStringLiteral("校正器の音圧レベル（94.0 または 114.0 dB）、または騒音計の読みです。"));
    weightingBox = new QComboBox(this);
    weightingBox->setObjectName(QStringLiteral("weightingBox"));
    for (const LevelWeighting weighting : {LevelWeighting::A, LevelWeighting::C, LevelWeighting::Z})
        weightingBox->addItem(WeightingName(weighting) + QStringLiteral("特性"));
    weightingBox->setToolTip(QStringLiteral("騒音計の周波数重み付けです。"));
    distanceBox = new QSpinBox(this);
    distanceBox->setObjectName(QStringLiteral("distanceBox"));
    distanceBox->setRange(1, 1000);
    distanceBox->setSuffix(QStringLiteral(" cm"));
    distanceBox->setToolTip(QStringLiteral("口からマイクまでの距離です。音圧レベルはこの距離での値です。"));
    showLevels = new QCheckBox(QStringLiteral("音圧レベルを表示"), this);
    showLevels->setObjectName(QStringLiteral("showLevels"));
    calibrateButton = new QPushButton(QStringLiteral("校正(&K)"), this);
    calibrateButton->setObjectName(QStringLiteral("calibrateButton"));
    calibrateButton->setToolTip(QStringLiteral("選んだ入力から5秒録音して校正します。"));
    statusText = new QLabel(this);
    statusText->setObjectName(QStringLiteral("calibrationStatus"));
    statusText->setWordWrap(true);
    resultText = new QLabel(this);
    resultText->setObjectName(QStringLiteral("calibrationResult"));
    resultText->setWordWrap(true);
    connect(referenceBox, &QComboBox::currentIndexChanged, this, &LevelCalibrationGroup::FollowReference);
    connect(calibrateButton, &QPushButton::clicked, this, &LevelCalibrationGroup::Calibrate);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("基準"), this), 0, 0);
    layout->addWidget(referenceBox, 0, 1);
    layout->addWidget(referenceLevel, 0, 2);
    layout->addWidget(weightingBox, 0, 3);
    layout->addWidget(new QLabel(QStringLiteral("マイクまでの距離"), this), 1, 0);
    layout->addWidget(distanceBox, 1, 1);
    layout->addWidget(showLevels, 1, 2, 1, 2);
    layout->addWidget(calibrateButton, 2, 0, Qt::AlignLeft);
    layout->addWidget(statusText, 2, 1, 1, 3);
    layout->addWidget(resultText, 3, 0, 1, 4);
}

void LevelCalibrationGroup::Load()
{
    Stored = LoadProgramOptions(Context).Level;
    Made.reset();
    referenceBox->setCurrentIndex(Stored.Reference == CalibrationReference::Meter ? 1 : 0);
    referenceLevel->setValue(Stored.ReferenceDb);
    weightingBox->setCurrentIndex(static_cast<int>(Stored.Weighting));
    distanceBox->setValue(Stored.DistanceCm);
    showLevels->setChecked(Stored.Show);
    FollowReference();
    resultText->clear();
    Volume.reset();
    if (!Calibrating()) {
        VolumeAnswer = std::async(std::launch::async, InputVolume, ChosenInput());
        statusText->setText(QStringLiteral("入力の音量を確かめています…"));
        progress->start();
    }
}

LevelCalibration LevelCalibrationGroup::Calibration() const
{
    LevelCalibration calibration = Made.value_or(Stored);
    calibration.DistanceCm = distanceBox->value();
    calibration.Show = showLevels->isChecked();
    return calibration;
}

bool LevelCalibrationGroup::Calibrating() const
{
    return !calibrateButton->isEnabled();
}

QByteArray LevelCalibrationGroup::ChosenInput() const
{
    return LoadProgramOptions(Context).AudioInput.toUtf8();
}

void LevelCalibrationGroup::FollowReference()
{
    const bool meter = referenceBox->currentIndex() == 1;
    weightingBox->setEnabled(meter);
}

void LevelCalibrationGroup::Calibrate()
{
    // The question asked at loading is answered first (within its second):
    // the press waits for it without holding up the window.
    if (VolumeAnswer.valid() && VolumeAnswer.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        CalibrateWhenAnswered = true;
        return;
    }
    Recording = {QString::fromUtf8(ChosenInput()), 0, Quality()};
    VolumeAnswer = std::async(std::launch::async, InputVolume, Recording.Input.toUtf8());
    const RecordingFormat format = RecordingFormatOf(Recording.Quality);
    const PcmFormat pcm{int(format.SampleRate), int(format.BitsPerSample)};
    if (!Recorder->Start(pcm, int64_t(pcm.SampleRate) * CalibrationSeconds)) {
        resultText->setText(QStringLiteral("録音を始められません。入力を確かめてください。"));
        return;
    }
    calibrateButton->setEnabled(false);
    resultText->clear();
    statusText->setText(QStringLiteral("校正しています…（%1秒）").arg(CalibrationSeconds));
    progress->start();
}

void LevelCalibrationGroup::CheckProgress()
{
    if (Calibrating()) {
        if (!Recorder->IsRecording())
            ReadRecording();
        return;
    }
    if (VolumeAnswer.valid() && VolumeAnswer.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        Volume = VolumeAnswer.get();
        progress->stop();
        ShowStatus();
        if (std::exchange(CalibrateWhenAnswered, false))
            Calibrate();
    }
}

void LevelCalibrationGroup::ReadRecording()
{
    progress->stop();
    calibrateButton->setEnabled(true);
    Volume = VolumeAnswer.valid() ? VolumeAnswer.get() : std::nullopt;
    LevelCalibration reference;
    reference.Reference = referenceBox->currentIndex() == 1 ? CalibrationReference::Meter : CalibrationReference::Calibrator;
    reference.ReferenceDb = referenceLevel->value();
    reference.Weighting = static_cast<LevelWeighting>(weightingBox->currentIndex());
    const auto reading = Recorder->InputLost() ? std::variant<CalibrationReading, CalibrationRefusal>(CalibrationRefusal::NoSound)
                                               : ReadCalibration(Recorder->Samples(), Recording.Quality, reference);
    if (const auto* refusal = std::get_if<CalibrationRefusal>(&reading)) {
        resultText->setText(RefusalText(*refusal, reference.Reference));
    } else if (!Volume) {
        resultText->setText(QStringLiteral("入力の音量がサウンドサーバーから分からないため、校正できません。"));
    } else {
        const CalibrationReading& read = std::get<CalibrationReading>(reading);
        reference.OffsetDb = read.OffsetDb;
        reference.Date = Context.Now().date();
        reference.Input = Recording.Input;
        reference.Volume = *Volume;
        reference.Quality = Recording.Quality;
        Made = reference;
        QString text = QStringLiteral("測定 %1 dBFS　ばらつき %2 dB").arg(Decibels(read.MeasuredDb), Decibels(read.SteadinessDb, 2));
        if (reference.Reference == CalibrationReference::Calibrator)
            text += QStringLiteral("　%1 Hz").arg(std::lround(read.FrequencyHz));
        resultText->setText(text + QStringLiteral("　→ 補正値 %1 dB").arg(Decibels(read.OffsetDb, 2)));
    }
    ShowStatus();
    emit calibrationRead();
}

void LevelCalibrationGroup::ShowStatus()
{
    if (Made) {
        statusText->setText(QStringLiteral("校正しました。登録で保存します。"));
        return;
    }
    const RecordingSetup now{QString::fromUtf8(ChosenInput()), Volume.value_or(-1), Quality()};
    const std::optional<Uncalibrated> mismatch = CalibrationMismatch(Stored, now);
    if (!mismatch) {
        QString reference = ReferenceName(Stored.Reference) + QLatin1Char(' ') + Decibels(Stored.ReferenceDb) + QStringLiteral(" dB");
        if (Stored.Reference == CalibrationReference::Meter)
            reference += QLatin1Char('(') + WeightingName(Stored.Weighting) + QLatin1Char(')');
        statusText->setText(QStringLiteral("校正済み：%1　%2").arg(Stored.Date.toString(QStringLiteral("yyyy/MM/dd")), reference));
    } else if (*mismatch == Uncalibrated::OtherVolume && !Volume) {
        statusText->setText(QStringLiteral("未校正：入力の音量がサウンドサーバーから分かりません。"));
    } else {
        statusText->setText(MismatchText(*mismatch, Stored, Volume));
    }
}
