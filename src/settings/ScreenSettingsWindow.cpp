#include "settings/ScreenSettingsWindow.h"

#include "measure/Gauge.h"
#include "platform/StoredColour.h"
#include "settings/AudienceScreenChooser.h"
#include "settings/SampleWidgets.h"
#include "store/ContestState.h"
#include "store/SettingsStore.h"

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

bool IsTrue(const QString& flag)
{
    return flag == QLatin1String("True");
}

QString FlagText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

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

ScreenSettingsWindow::ScreenSettingsWindow(ContestState& context, QWidget* parent)
    : SettingsDialog(context, QStringLiteral("環境設定　画面"), parent),
      ScreenMode(QStringLiteral("画面モード"), QStringLiteral("フル"), QStringLiteral("見出有"), this),
      Indicator(QStringLiteral("インジケーター"), QStringLiteral("四角"), QStringLiteral("円"), this), OP1(ScreenMode.Yes),
      Op2(ScreenMode.No), OP3(Indicator.Yes), OP4(Indicator.No)
{
    OP1->setToolTip(QStringLiteral("ゲージをフル画面で表示します。"));
    Op2->setToolTip(QStringLiteral("見出しとストップを表示します。"));
    OP3->setToolTip(QStringLiteral("四角の読み込みゲージ"));
    OP4->setToolTip(QStringLiteral("円の読み込みケージ"));
    connect(OP1, &QRadioButton::clicked, this, &ScreenSettingsWindow::OP1_Click);
    connect(Op2, &QRadioButton::clicked, this, &ScreenSettingsWindow::Op2_Click);
    connect(OP3, &QRadioButton::clicked, this, &ScreenSettingsWindow::OP3_Click);
    connect(OP4, &QRadioButton::clicked, this, &ScreenSettingsWindow::OP4_Click);
    BuildSamples();
    BuildBandDesign();
    BuildButtons();
    LayOut();
}

void ScreenSettingsWindow::BuildSamples()
{
    const QRect top(1, 1, SampleSize.width() - 2, SampleBandHeight);
    const QRect bottom(1, SampleSize.height() - SampleBandHeight - 1, SampleSize.width() - 2, SampleBandHeight);
    PIC1 = SamplePicture(this);
    LB1 = BandLabel(PIC1, top);
    LB2 = BandLabel(PIC1, bottom);
    PIC2 = SamplePicture(this);
    SHP1 = new GaugeSample(GaugeSample::Bar, PIC2);
    SHP1->setGeometry(20, 40, SampleSize.width() - 40, 30);
    SHP2 = new GaugeSample(GaugeSample::Circle, PIC2);
    SHP2->setGeometry((SampleSize.width() - 70) / 2, 20, 70, 70);
    PIC3 = SamplePicture(this);
    LB3 = BandLabel(PIC3, top);
    LB4 = BandLabel(PIC3, bottom);
    PIC4 = SamplePicture(this);
    LB5 = new QLabel(QStringLiteral("1234"), PIC4);
    LB5->setAlignment(Qt::AlignCenter);
    LB5->setGeometry(QRect(QPoint(0, 0), SampleSize));
    LB5->setFont(QFont(QString(), 28));
    for (QLabel* band : {LB1, LB2, LB3, LB4})
        band->setFont(QFont(QString(), 11));
    TC1 = new ColourPatch(this, QSize(40, 22));
    TC2 = new ColourPatch(this, QSize(40, 22));
}

void ScreenSettingsWindow::BuildBandDesign()
{
    for (int i = 0; i < 5; ++i) {
        LBX1[i] = BandLabel(this, {});
        LBX1[i]->setFixedSize(220, 30);
        LBX1[i]->setFont(QFont(QString(), 13));
        TX1[i] = new QLineEdit(this);
        TX1[i]->setFixedWidth(180);
        GuardStoredText(TX1[i]);
        CMDX[i] = MakeButton(QStringLiteral("背景色"), QString::fromUtf8(BackTips[i]));
        CMDZ[i] = MakeButton(QStringLiteral("文字色"), QString::fromUtf8(ForeTips[i]));
        connect(CMDX[i], &QPushButton::clicked, this, [this, i] { CMDX_Click(i); });
        connect(CMDZ[i], &QPushButton::clicked, this, [this, i] { CMDZ_Click(i); });
    }
    CMDF = MakeButton(QStringLiteral("フォント"), QStringLiteral("下段の枠内の文字フォントです。"));
    connect(CMDF, &QPushButton::clicked, this, &ScreenSettingsWindow::CMDF_Click);
}

void ScreenSettingsWindow::BuildButtons()
{
    CMD01 = MakeButton(QStringLiteral("背景色"), QStringLiteral("待機中の画面の背景色です。"));
    CMD21 = MakeButton(QStringLiteral("背景色"), QStringLiteral("測定時の背景色です。"));
    Cmd41 = MakeButton(QStringLiteral("背景色"), QStringLiteral("停止時の背景色です。"));
    CMD31 = MakeButton(QStringLiteral("背景色"), QStringLiteral("結果表示時の背景色です。"));
    CMD32 = MakeButton(QStringLiteral("文字色"), QStringLiteral("結果表示字の文字色です。"));
    CMD33 = MakeButton(QStringLiteral("フォント"), QStringLiteral("見出しの文字フォントです。"));
    CmdC1 = MakeButton(QStringLiteral("点滅色"), QStringLiteral("スタート時の点滅色です。"));
    CmdC2 = MakeButton(QStringLiteral("点滅色"), QStringLiteral("下段、スタートボタン時の点滅色です。"));
    CmdUpd = MakeButton(QStringLiteral("登録(&U)"));
    connect(CMD01, &QPushButton::clicked, this, &ScreenSettingsWindow::CMD01_Click);
    connect(CMD21, &QPushButton::clicked, this, &ScreenSettingsWindow::CMD21_Click);
    connect(Cmd41, &QPushButton::clicked, this, &ScreenSettingsWindow::Cmd41_Click);
    connect(CMD31, &QPushButton::clicked, this, &ScreenSettingsWindow::CMD31_Click);
    connect(CMD32, &QPushButton::clicked, this, &ScreenSettingsWindow::CMD32_Click);
    connect(CMD33, &QPushButton::clicked, this, &ScreenSettingsWindow::CMD33_Click);
    connect(CmdC1, &QPushButton::clicked, this, &ScreenSettingsWindow::CmdC1_Click);
    connect(CmdC2, &QPushButton::clicked, this, &ScreenSettingsWindow::CmdC2_Click);
    connect(CmdUpd, &QPushButton::clicked, this, &ScreenSettingsWindow::CmdUpd_Click);
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
    screens->addWidget(screenGroup("待機中の画面設定", PIC1, {CMD01, patchRow(CmdC1, TC1), patchRow(CmdC2, TC2)}));
    screens->addWidget(screenGroup("測定中の画面設定", PIC2, {CMD21}));
    screens->addWidget(screenGroup("停止中の画面設定", PIC3, {Cmd41}));
    screens->addWidget(screenGroup("結果の表示画面", PIC4, {CMD31, CMD32, CMD33}));

    auto* design = new QGroupBox(QStringLiteral("見出しとストップのデザイン"), this);
    auto* bands = new QGridLayout(design);
    for (int i = 0; i < 5; ++i) {
        bands->addWidget(new QLabel(QString::fromUtf8(LookNames[i]), design), i, 0);
        bands->addWidget(LBX1[i], i, 1);
        bands->addWidget(TX1[i], i, 2);
        bands->addWidget(CMDX[i], i, 3);
        bands->addWidget(CMDZ[i], i, 4);
    }
    auto* common = new QHBoxLayout;
    common->addStretch();
    common->addWidget(new QLabel(QStringLiteral("各ボタン共通"), design));
    common->addWidget(CMDF);
    bands->addLayout(common, 5, 0, 1, 5);

    auto* options = new QVBoxLayout;
    options->addWidget(ScreenMode.Frame);
    options->addWidget(Indicator.Frame);
    audienceScreen = new AudienceScreenChooser(this);
    options->addWidget(audienceScreen);
    options->addStretch();
    options->addWidget(CmdUpd);
    auto* lower = new QHBoxLayout;
    lower->addWidget(design);
    lower->addLayout(options);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(screens);
    layout->addLayout(lower);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ScreenSettingsWindow::Form_Load()
{
    LoadScreenSettings(Context);
    ShowScreenSettings();
    audienceScreen->Load(Context);
}

void ScreenSettingsWindow::ShowBandLook(QLabel* label, int look)
{
    const ScreenSettings& screen = Context.Settings.Screen;
    SetBackColour(label, FromStoredColour(screen.BandBackColor[look]));
    SetTextColour(label, FromStoredColour(screen.BandForeColor[look]));
    label->setText(screen.BandText[look]);
}

void ScreenSettingsWindow::ApplyBandFont()
{
    const ScreenSettings& screen = Context.Settings.Screen;
    for (QLabel* label : {LB1, LB2, LB3, LB4, LBX1[0], LBX1[1], LBX1[2], LBX1[3], LBX1[4]})
        SetFontFace(label, screen.BandFontName, IsTrue(screen.BandFontBold), IsTrue(screen.BandFontItalic));
}

std::vector<QLabel*> ScreenSettingsWindow::SamplesOfLook(int look) const
{
    switch (look) {
    case HeadingLook:
        return {LB1, LB3};
    case WaitingLook:
        return {LB2};
    case StoppedLook:
        return {LB4};
    default:
        return {};
    }
}

void ScreenSettingsWindow::ShowScreenSettings()
{
    const ScreenSettings& screen = Context.Settings.Screen;
    for (int look = 0; look < BandLookCount; ++look) {
        for (QLabel* sample : SamplesOfLook(look))
            ShowBandLook(sample, look);
        ShowBandLook(LBX1[look], look);
        TX1[look]->setText(screen.BandText[look]);
    }
    SetBackColour(TC1, FromStoredColour(screen.ReadyBlinkBackColor));
    SetBackColour(TC2, FromStoredColour(screen.ReadyBlinkBandColor));
    SetBackColour(PIC1, FromStoredColour(screen.WaitingBackColor));
    SetBackColour(PIC2, FromStoredColour(screen.MeasuringBackColor));
    SetBackColour(PIC3, FromStoredColour(screen.StoppedBackColor));
    SetBackColour(PIC4, FromStoredColour(screen.ResultBackColor));
    SetTextColour(LB5, FromStoredColour(screen.ResultForeColor));
    SetFontFace(LB5, screen.ResultFontName, IsTrue(screen.ResultFontBold), IsTrue(screen.ResultFontItalic));
    ApplyBandFont();
    ScreenMode.Show(screen.FullGaugeLayout);
    if (screen.FullGaugeLayout)
        OP1_Click();
    else
        Op2_Click();
    if (screen.GaugeStyle == BarGauge) {
        OP3->setChecked(true);
        OP3_Click();
    } else if (screen.GaugeStyle == CircleGauge) {
        OP4->setChecked(true);
        OP4_Click();
    } else {
        Indicator.ShowNeither();
    }
}

void ScreenSettingsWindow::CollectScreenSettings()
{
    ScreenSettings& screen = Context.Settings.Screen;
    screen.WaitingBackColor = ToStoredColour(BackColour(PIC1));
    screen.MeasuringBackColor = ToStoredColour(BackColour(PIC2));
    screen.StoppedBackColor = ToStoredColour(BackColour(PIC3));
    screen.FullGaugeLayout = OP1->isChecked();
    screen.GaugeStyle = static_cast<int16_t>(OP3->isChecked() ? BarGauge : CircleGauge);
    screen.ResultBackColor = ToStoredColour(BackColour(PIC4));
    screen.ResultForeColor = ToStoredColour(TextColour(LB5));
    screen.ResultFontName = LB5->font().family();
    screen.ResultFontBold = FlagText(LB5->font().bold());
    screen.ResultFontItalic = FlagText(LB5->font().italic());
    screen.ReadyBlinkBackColor = ToStoredColour(BackColour(TC1));
    screen.ReadyBlinkBandColor = ToStoredColour(BackColour(TC2));
    for (int look = 0; look < BandLookCount; ++look) {
        screen.BandBackColor[look] = ToStoredColour(BackColour(LBX1[look]));
        screen.BandForeColor[look] = ToStoredColour(TextColour(LBX1[look]));
        screen.BandText[look] = TX1[look]->text();
    }
    screen.BandFontName = LBX1[0]->font().family();
    screen.BandFontItalic = FlagText(LBX1[0]->font().italic());
    screen.BandFontBold = FlagText(LBX1[0]->font().bold());
}

void ScreenSettingsWindow::ShowBandLabels(bool visible)
{
    for (QLabel* label : {LB1, LB2, LB3, LB4})
        label->setVisible(visible);
}

void ScreenSettingsWindow::OP1_Click()
{
    Context.Settings.Screen.FullGaugeLayout = true;
    ShowBandLabels(false);
}

void ScreenSettingsWindow::Op2_Click()
{
    Context.Settings.Screen.FullGaugeLayout = false;
    ShowBandLabels(true);
}

void ScreenSettingsWindow::OP3_Click()
{
    Context.Settings.Screen.GaugeStyle = BarGauge;
    SHP1->show();
    SHP2->hide();
}

void ScreenSettingsWindow::OP4_Click()
{
    Context.Settings.Screen.GaugeStyle = CircleGauge;
    SHP1->hide();
    SHP2->show();
}

void ScreenSettingsWindow::ChooseColour(const QColor& current, const std::function<void(const QColor&)>& take)
{
    if (const std::optional<QColor> chosen = Choosers.ChooseColour(current, this))
        take(*chosen);
}

void ScreenSettingsWindow::CMD01_Click()
{
    ChooseColour(BackColour(PIC1), [this](const QColor& colour) {
        SetBackColour(PIC1, colour);
        Context.Settings.Screen.WaitingBackColor = ToStoredColour(colour);
    });
}

void ScreenSettingsWindow::CMD21_Click()
{
    ChooseColour(BackColour(PIC2), [this](const QColor& colour) {
        SetBackColour(PIC2, colour);
        Context.Settings.Screen.MeasuringBackColor = ToStoredColour(colour);
    });
}

void ScreenSettingsWindow::Cmd41_Click()
{
    ChooseColour(BackColour(PIC3), [this](const QColor& colour) {
        SetBackColour(PIC3, colour);
        Context.Settings.Screen.StoppedBackColor = ToStoredColour(colour);
    });
}

void ScreenSettingsWindow::CMD31_Click()
{
    ChooseColour(BackColour(PIC4), [this](const QColor& colour) {
        SetBackColour(PIC4, colour);
        Context.Settings.Screen.ResultBackColor = ToStoredColour(colour);
    });
}

void ScreenSettingsWindow::CMD32_Click()
{
    ChooseColour(TextColour(LB5), [this](const QColor& colour) {
        SetTextColour(LB5, colour);
        Context.Settings.Screen.ResultForeColor = ToStoredColour(colour);
    });
}

void ScreenSettingsWindow::CmdC1_Click()
{
    ChooseColour(BackColour(TC1), [this](const QColor& colour) {
        SetBackColour(TC1, colour);
        Context.Settings.Screen.ReadyBlinkBackColor = ToStoredColour(colour);
    });
}

void ScreenSettingsWindow::CmdC2_Click()
{
    ChooseColour(BackColour(TC2), [this](const QColor& colour) {
        SetBackColour(TC2, colour);
        Context.Settings.Screen.ReadyBlinkBandColor = ToStoredColour(colour);
    });
}

void ScreenSettingsWindow::CMDX_Click(int look)
{
    ChooseColour(BackColour(LBX1[look]), [this, look](const QColor& colour) {
        Context.Settings.Screen.BandBackColor[look] = ToStoredColour(colour);
        SetBackColour(LBX1[look], colour);
        for (QLabel* sample : SamplesOfLook(look))
            SetBackColour(sample, colour);
    });
}

void ScreenSettingsWindow::CMDZ_Click(int look)
{
    ChooseColour(TextColour(LBX1[look]), [this, look](const QColor& colour) {
        Context.Settings.Screen.BandForeColor[look] = ToStoredColour(colour);
        SetTextColour(LBX1[look], colour);
        for (QLabel* sample : SamplesOfLook(look))
            SetTextColour(sample, colour);
    });
}

void ScreenSettingsWindow::CMD33_Click()
{
    const std::optional<QFont> chosen = Choosers.ChooseFont(LB5->font(), this);
    if (!chosen || !AcceptStoredText(chosen->family()))
        return;
    ScreenSettings& screen = Context.Settings.Screen;
    screen.ResultFontName = chosen->family();
    screen.ResultFontBold = FlagText(chosen->bold());
    screen.ResultFontItalic = FlagText(chosen->italic());
    SetFontFace(LB5, chosen->family(), chosen->bold(), chosen->italic());
}

void ScreenSettingsWindow::CMDF_Click()
{
    const std::optional<QFont> chosen = Choosers.ChooseFont(QFont(), this);
    if (!chosen || !AcceptStoredText(chosen->family()))
        return;
    ScreenSettings& screen = Context.Settings.Screen;
    screen.BandFontName = chosen->family();
    screen.BandFontBold = FlagText(chosen->bold());
    screen.BandFontItalic = FlagText(chosen->italic());
    ApplyBandFont();
}

void ScreenSettingsWindow::CmdUpd_Click()
{
    RegisterSettings(QStringLiteral("確認"), QStringLiteral("登録しました。"), [this] {
        CollectScreenSettings();
        return SaveScreenSettings(Context) && audienceScreen->Store(Context);
    });
}
