#include "settings/ScreenSettingsWindow.h"

#include "measure/Gauge.h"
#include "core/BooleanText.h"
#include "widgets/StoredColour.h"
#include "settings/AudienceScreenChooser.h"
#include "settings/HallSettingsGroup.h"
#include "settings/SampleWidgets.h"
#include "widgets/ContestSession.h"
#include "core/SettingsStore.h"
#include "widgets/OperatorMessages.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QSize SampleSize(180, 110);
constexpr int SampleBandHeight = 26;
const std::array<const char*, 5> LookNames{"見出し", "待機中", "スタート", "測定中", "停止中"};
const std::array<const char*, 5> BackTips{"見出しの背景色です。", "下段、待機中の背景色です。", "下段、スタートの背景色です。",
                                          "下段、測縦中の背景色です。", "下段、停止中の背景色です。"};
const std::array<const char*, 5> ForeTips{"見出しの文字色です。", "下段、待機中の文字色です。", "下段、スタートの文字色です。",
                                          "下段、測定中の文字色です。", "下段、停止中の文字色です。"};

void SetFontFace(QWidget* widget, const QString& name, bool bold, bool italic)
{
    QFont font = widget->font();
    font.setFamily(name);
    font.setBold(bold);
    font.setItalic(italic);
    widget->setFont(font);
}

QLabel* BandLabel(QWidget* parent, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

QFrame* SamplePicture(QWidget* parent)
{
    auto* picture = new QFrame(parent);
    picture->setFrameShape(QFrame::Box);
    picture->setAutoFillBackground(true);
    picture->setFixedSize(SampleSize);
    return picture;
}

}

ScreenSettingsWindow::ScreenSettingsWindow(ContestSession& context, QWidget* parent)
    : SettingsDialog(context, QStringLiteral("環境設定　画面"), parent),
      screenMode(QStringLiteral("画面モード"), QStringLiteral("フル"), QStringLiteral("見出有"), this),
      indicator(QStringLiteral("インジケーター"), QStringLiteral("四角"), QStringLiteral("円"), this)
{
    screenMode.Name(QStringLiteral("fullLayoutOption"), QStringLiteral("headedLayoutOption"));
    screenMode.Yes->setToolTip(QStringLiteral("ゲージをフル画面で表示します。"));
    screenMode.No->setToolTip(QStringLiteral("見出しとストップを表示します。"));
    indicator.Name(QStringLiteral("barGaugeOption"), QStringLiteral("circleGaugeOption"));
    indicator.Yes->setToolTip(QStringLiteral("四角の読み込みゲージ"));
    indicator.No->setToolTip(QStringLiteral("円の読み込みケージ"));
    connect(screenMode.Yes, &QRadioButton::clicked, this, [this] { Apply([](ScreenSettings& s) { s.FullGaugeLayout = true; }); });
    connect(screenMode.No, &QRadioButton::clicked, this, [this] { Apply([](ScreenSettings& s) { s.FullGaugeLayout = false; }); });
    connect(indicator.Yes, &QRadioButton::clicked, this, [this] { Apply([](ScreenSettings& s) { s.GaugeStyle = BarGauge; }); });
    connect(indicator.No, &QRadioButton::clicked, this, [this] { Apply([](ScreenSettings& s) { s.GaugeStyle = CircleGauge; }); });
    BuildSamples();
    BuildBandDesign();
    BuildButtons();
    LayOut();
}

void ScreenSettingsWindow::BuildSamples()
{
    const QRect top(1, 1, SampleSize.width() - 2, SampleBandHeight);
    const QRect bottom(1, SampleSize.height() - SampleBandHeight - 1, SampleSize.width() - 2, SampleBandHeight);
    waitingSample = SamplePicture(this);
    waitingHeading = BandLabel(waitingSample, top);
    waitingBand = BandLabel(waitingSample, bottom);
    measuringSample = SamplePicture(this);
    barGauge = new GaugeSample(GaugeSample::Bar, measuringSample);
    barGauge->setGeometry(20, 40, SampleSize.width() - 40, 30);
    circleGauge = new GaugeSample(GaugeSample::Circle, measuringSample);
    circleGauge->setGeometry((SampleSize.width() - 70) / 2, 20, 70, 70);
    stoppedSample = SamplePicture(this);
    stoppedHeading = BandLabel(stoppedSample, top);
    stoppedBand = BandLabel(stoppedSample, bottom);
    resultSample = SamplePicture(this);
    resultText = new QLabel(QStringLiteral("1234"), resultSample);
    resultText->setAlignment(Qt::AlignCenter);
    resultText->setGeometry(QRect(QPoint(0, 0), SampleSize));
    resultText->setFont(QFont(QString(), 28));
    for (QLabel* band : {waitingHeading, waitingBand, stoppedHeading, stoppedBand})
        band->setFont(QFont(QString(), 11));
    readyBlinkBack = new ColourPatch(this, QSize(40, 22));
    readyBlinkBand = new ColourPatch(this, QSize(40, 22));
    NameControls({{waitingSample, "waitingSample"}, {waitingHeading, "waitingHeading"}, {waitingBand, "waitingBand"},
                  {measuringSample, "measuringSample"}, {barGauge, "barGauge"}, {circleGauge, "circleGauge"},
                  {stoppedSample, "stoppedSample"}, {stoppedHeading, "stoppedHeading"}, {stoppedBand, "stoppedBand"},
                  {resultSample, "resultSample"}, {resultText, "resultText"}, {readyBlinkBack, "readyBlinkBack"},
                  {readyBlinkBand, "readyBlinkBand"}});
}

QPushButton* ScreenSettingsWindow::ColourButton(const char* role, const QString& caption, const QString& toolTip, ColourField field)
{
    QPushButton* button = MakeButton(caption, toolTip);
    button->setObjectName(QLatin1String(role));
    connect(button, &QPushButton::clicked, this, [this, field = std::move(field)] { ChooseColour(field); });
    return button;
}

void ScreenSettingsWindow::BuildBandDesign()
{
    for (int i = 0; i < BandLookCount; ++i) {
        bandLooks[i] = BandLabel(this, {});
        bandLooks[i]->setObjectName(QStringLiteral("bandLook%1").arg(i));
        bandLooks[i]->setFixedSize(220, 30);
        bandLooks[i]->setFont(QFont(QString(), 13));
        bandTexts[i] = new QLineEdit(this);
        bandTexts[i]->setObjectName(QStringLiteral("bandText%1").arg(i));
        bandTexts[i]->setFixedWidth(180);
        GuardStoredText(bandTexts[i]);
        bandBackButtons[i] = ColourButton(QStringLiteral("bandBackButton%1").arg(i).toLatin1().constData(), QStringLiteral("背景色"),
                                          QString::fromUtf8(BackTips[i]), [i](ScreenSettings& s) -> int32_t& { return s.BandBackColor[i]; });
        bandForeButtons[i] = ColourButton(QStringLiteral("bandForeButton%1").arg(i).toLatin1().constData(), QStringLiteral("文字色"),
                                          QString::fromUtf8(ForeTips[i]), [i](ScreenSettings& s) -> int32_t& { return s.BandForeColor[i]; });
    }
    bandFontButton = MakeButton(QStringLiteral("フォント"), QStringLiteral("下段の枠内の文字フォントです。"));
    bandFontButton->setObjectName(QStringLiteral("bandFontButton"));
    connect(bandFontButton, &QPushButton::clicked, this, &ScreenSettingsWindow::ChooseBandFont);
}

void ScreenSettingsWindow::BuildButtons()
{
    const QString back = QStringLiteral("背景色");
    const QString blink = QStringLiteral("点滅色");
    waitingBackButton = ColourButton("waitingBackButton", back, QStringLiteral("待機中の画面の背景色です。"),
                                     [](ScreenSettings& s) -> int32_t& { return s.WaitingBackColor; });
    measuringBackButton = ColourButton("measuringBackButton", back, QStringLiteral("測定時の背景色です。"),
                                       [](ScreenSettings& s) -> int32_t& { return s.MeasuringBackColor; });
    stoppedBackButton = ColourButton("stoppedBackButton", back, QStringLiteral("停止時の背景色です。"),
                                     [](ScreenSettings& s) -> int32_t& { return s.StoppedBackColor; });
    resultBackButton = ColourButton("resultBackButton", back, QStringLiteral("結果表示時の背景色です。"),
                                    [](ScreenSettings& s) -> int32_t& { return s.ResultBackColor; });
    resultForeButton = ColourButton("resultForeButton", QStringLiteral("文字色"), QStringLiteral("結果表示字の文字色です。"),
                                    [](ScreenSettings& s) -> int32_t& { return s.ResultForeColor; });
    readyBlinkBackButton = ColourButton("readyBlinkBackButton", blink, QStringLiteral("スタート時の点滅色です。"),
                                        [](ScreenSettings& s) -> int32_t& { return s.ReadyBlinkBackColor; });
    readyBlinkBandButton = ColourButton("readyBlinkBandButton", blink, QStringLiteral("下段、スタートボタン時の点滅色です。"),
                                        [](ScreenSettings& s) -> int32_t& { return s.ReadyBlinkBandColor; });
    resultFontButton = MakeButton(QStringLiteral("フォント"), QStringLiteral("見出しの文字フォントです。"));
    resultFontButton->setObjectName(QStringLiteral("resultFontButton"));
    connect(resultFontButton, &QPushButton::clicked, this, &ScreenSettingsWindow::ChooseResultFont);
    registerButton = MakeButton(QStringLiteral("登録(&U)"));
    registerButton->setObjectName(QStringLiteral("registerButton"));
    connect(registerButton, &QPushButton::clicked, this, &ScreenSettingsWindow::Register);
}

void ScreenSettingsWindow::LayOut()
{
    const auto screenGroup = [this](const char* caption, QFrame* picture, std::initializer_list<QWidget*> rows) {
        auto* group = new QGroupBox(QString::fromUtf8(caption), this);
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(picture);
        for (QWidget* row : rows)
            layout->addWidget(row);
        layout->addStretch();
        return group;
    };
    const auto patchRow = [this](QPushButton* button, ColourPatch* patch) {
        auto* row = new QWidget(this);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(button);
        layout->addWidget(patch);
        return row;
    };
    auto* screens = new QHBoxLayout;
    screens->addWidget(screenGroup("待機中の画面設定", waitingSample, {waitingBackButton, patchRow(readyBlinkBackButton, readyBlinkBack), patchRow(readyBlinkBandButton, readyBlinkBand)}));
    screens->addWidget(screenGroup("測定中の画面設定", measuringSample, {measuringBackButton}));
    screens->addWidget(screenGroup("停止中の画面設定", stoppedSample, {stoppedBackButton}));
    screens->addWidget(screenGroup("結果の表示画面", resultSample, {resultBackButton, resultForeButton, resultFontButton}));

    auto* design = new QGroupBox(QStringLiteral("見出しとストップのデザイン"), this);
    auto* bands = new QGridLayout(design);
    for (int i = 0; i < 5; ++i) {
        bands->addWidget(new QLabel(QString::fromUtf8(LookNames[i]), design), i, 0);
        bands->addWidget(bandLooks[i], i, 1);
        bands->addWidget(bandTexts[i], i, 2);
        bands->addWidget(bandBackButtons[i], i, 3);
        bands->addWidget(bandForeButtons[i], i, 4);
    }
    auto* common = new QHBoxLayout;
    common->addStretch();
    common->addWidget(new QLabel(QStringLiteral("各ボタン共通"), design));
    common->addWidget(bandFontButton);
    bands->addLayout(common, 5, 0, 1, 5);

    auto* options = new QVBoxLayout;
    options->addWidget(screenMode.Frame);
    options->addWidget(indicator.Frame);
    audienceScreen = new AudienceScreenChooser(this);
    options->addWidget(audienceScreen);
    hallGroup = new HallSettingsGroup(this);
    options->addWidget(hallGroup);
    options->addStretch();
    options->addWidget(registerButton);
    auto* lower = new QHBoxLayout;
    lower->addWidget(design);
    lower->addLayout(options);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(screens);
    layout->addLayout(lower);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ScreenSettingsWindow::LoadOnOpen()
{
    edited = Context.Settings.Screen;
    ShowScreenSettings();
    audienceScreen->Load(Context);
    hallGroup->Load(Context);
}

void ScreenSettingsWindow::ShowScreenSettings()
{
    for (int look = 0; look < BandLookCount; ++look)
        bandTexts[look]->setText(edited.BandText[look]);
    screenMode.Show(edited.FullGaugeLayout);
    if (edited.GaugeStyle == BarGauge || edited.GaugeStyle == CircleGauge)
        indicator.Show(edited.GaugeStyle == BarGauge);
    else
        indicator.ShowNeither();
    ShowSamples();
}

void ScreenSettingsWindow::ShowBandLook(QLabel* label, int look)
{
    SetBackColour(label, FromStoredColour(edited.BandBackColor[look]));
    SetTextColour(label, FromStoredColour(edited.BandForeColor[look]));
    label->setText(edited.BandText[look]);
    SetFontFace(label, edited.BandFontName, IsTrueText(edited.BandFontBold), IsTrueText(edited.BandFontItalic));
}

std::vector<QLabel*> ScreenSettingsWindow::SamplesOfLook(int look) const
{
    switch (look) {
    case HeadingLook:
        return {waitingHeading, stoppedHeading};
    case WaitingLook:
        return {waitingBand};
    case StoppedLook:
        return {stoppedBand};
    default:
        return {};
    }
}

void ScreenSettingsWindow::ShowSamples()
{
    for (int look = 0; look < BandLookCount; ++look) {
        for (QLabel* sample : SamplesOfLook(look))
            ShowBandLook(sample, look);
        ShowBandLook(bandLooks[look], look);
    }
    SetBackColour(readyBlinkBack, FromStoredColour(edited.ReadyBlinkBackColor));
    SetBackColour(readyBlinkBand, FromStoredColour(edited.ReadyBlinkBandColor));
    SetBackColour(waitingSample, FromStoredColour(edited.WaitingBackColor));
    SetBackColour(measuringSample, FromStoredColour(edited.MeasuringBackColor));
    SetBackColour(stoppedSample, FromStoredColour(edited.StoppedBackColor));
    SetBackColour(resultSample, FromStoredColour(edited.ResultBackColor));
    SetTextColour(resultText, FromStoredColour(edited.ResultForeColor));
    SetFontFace(resultText, edited.ResultFontName, IsTrueText(edited.ResultFontBold), IsTrueText(edited.ResultFontItalic));
    // The full gauge layout has neither heading nor band.
    for (QLabel* label : {waitingHeading, waitingBand, stoppedHeading, stoppedBand})
        label->setVisible(!edited.FullGaugeLayout);
    barGauge->setVisible(edited.GaugeStyle == BarGauge);
    circleGauge->setVisible(edited.GaugeStyle == CircleGauge);
}

template <class Change>
void ScreenSettingsWindow::Apply(Change change)
{
    change(edited);
    ShowSamples();
}

void ScreenSettingsWindow::ChooseColour(const ColourField& field)
{
    const std::optional<QColor> chosen = Choosers.ChooseColour(FromStoredColour(field(edited)), this);
    if (!chosen)
        return;
    const int32_t colour = ToStoredColour(*chosen);
    Apply([&field, colour](ScreenSettings& s) { field(s) = colour; });
}

void ScreenSettingsWindow::ChooseResultFont()
{
    const std::optional<QFont> chosen = Choosers.ChooseFont(resultText->font(), this);
    if (!chosen || !AcceptStoredText(chosen->family()))
        return;
    Apply([&chosen](ScreenSettings& s) {
        s.ResultFontName = chosen->family();
        s.ResultFontBold = BooleanText(chosen->bold());
        s.ResultFontItalic = BooleanText(chosen->italic());
    });
}

// The chooser starts from the default font, not from the band font.
void ScreenSettingsWindow::ChooseBandFont()
{
    const std::optional<QFont> chosen = Choosers.ChooseFont(QFont(), this);
    if (!chosen || !AcceptStoredText(chosen->family()))
        return;
    Apply([&chosen](ScreenSettings& s) {
        s.BandFontName = chosen->family();
        s.BandFontBold = BooleanText(chosen->bold());
        s.BandFontItalic = BooleanText(chosen->italic());
    });
}

void ScreenSettingsWindow::Register()
{
    RegisterSettings(QStringLiteral("確認"), QStringLiteral("登録しました。"), [this] {
        for (int look = 0; look < BandLookCount; ++look)
            edited.BandText[look] = bandTexts[look]->text();
        // A gauge style neither option shows is stored as the circle.
        edited.GaugeStyle = static_cast<int16_t>(indicator.Value() ? BarGauge : CircleGauge);
        Context.Settings.Screen = edited;
        return Succeeded(Context.Messages, SaveScreenSettings(Context)) && audienceScreen->Store(Context) &&
               hallGroup->Store(Context);
    });
}
