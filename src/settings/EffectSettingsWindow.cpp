#include "settings/EffectSettingsWindow.h"

#include "platform/DisplayFormat.h"
#include "platform/StoredColour.h"
#include "settings/NumberPair.h"
#include "settings/SampleWidgets.h"
#include "store/ContestState.h"
#include "store/SettingsStore.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

EffectSettingsWindow::EffectSettingsWindow(ContestState& context, QWidget* parent)
    : SettingsDialog(context, QStringLiteral("特殊設定　（効果）"), parent),
      FRMSTP1(QStringLiteral("上位点滅"), QStringLiteral("する"), QStringLiteral("しない"), this), OPX1(FRMSTP1.Yes),
      OPX2(FRMSTP1.No)
{
    OPX1->setToolTip(QStringLiteral("上位者を結果表示で点滅させます。"));
    OPX2->setToolTip(QStringLiteral("上位者を結果表示で点滅させません。"));
    connect(OPX1, &QRadioButton::clicked, this, &EffectSettingsWindow::OPX1_Click);
    connect(OPX2, &QRadioButton::clicked, this, &EffectSettingsWindow::OPX2_Click);
    TXT1 = new QLineEdit(this);
    TXT1->setFixedWidth(48);
    TXT1->setAlignment(Qt::AlignRight);
    TXT1->setToolTip(QStringLiteral("何位以上を点滅させるかの設定です。"));
    VscW = new QScrollBar(Qt::Vertical, this);
    // As wide as the box accepts, so that every accepted number shows on it.
    VscW->setRange(2, 40);
    VscW->setPageStep(1);
    VscW->setFixedHeight(TXT1->sizeHint().height());
    RankLimit = new NumberPair(TXT1, VscW, 2, 40);
    RankLimit->Changed = [this](int value) { VscW_Change(value); };
    VS1 = new QScrollBar(Qt::Horizontal, this);
    VS1->setRange(2, 50);
    VS1->setPageStep(10);
    VS1->setMinimumWidth(200);
    connect(VS1, &QScrollBar::valueChanged, this, &EffectSettingsWindow::VS1_Change);
    LBT = new QLabel(this);
    for (int i = 0; i < 3; ++i) {
        BC1[i] = new ColourPatch(this, QSize(48, 32));
        BC1[i]->setToolTip(QStringLiteral("ダブルクリックで色指定ができます。"));
        BC1[i]->DblClick = [this, i] { BC1_DblClick(i); };
    }
    Shp1 = new ColourPatch(this, QSize(160, 90));
    TMR = new QTimer(this);
    connect(TMR, &QTimer::timeout, this, &EffectSettingsWindow::TMR_Timer);
    CmdUpdate = MakeButton(QStringLiteral("登録(&U)"));
    CmdUsl = MakeButton(QStringLiteral("初期値(&K)"));
    CmdTst = MakeButton(QStringLiteral("テスト(&T)"), QStringLiteral("点滅のテストです。"));
    connect(CmdUpdate, &QPushButton::clicked, this, &EffectSettingsWindow::CmdUpdate_Click);
    connect(CmdUsl, &QPushButton::clicked, this, &EffectSettingsWindow::CmdUsl_Click);
    connect(CmdTst, &QPushButton::clicked, this, &EffectSettingsWindow::CmdTst_Click);
    LayOut();
}

void EffectSettingsWindow::LayOut()
{
    auto* rank = new QHBoxLayout;
    rank->addWidget(TXT1);
    rank->addWidget(VscW);
    rank->addWidget(new QLabel(QStringLiteral("位以上を結果を点滅。"), this));
    rank->addStretch();
    auto* interval = new QHBoxLayout;
    interval->addWidget(new QLabel(QStringLiteral("間隔"), this));
    interval->addWidget(VS1);
    interval->addWidget(LBT);
    auto* colours = new QHBoxLayout;
    colours->addWidget(new QLabel(QStringLiteral("枠色"), this));
    for (ColourPatch* swatch : BC1)
        colours->addWidget(swatch);
    colours->addStretch();
    auto* settings = new QVBoxLayout;
    settings->addWidget(FRMSTP1.Frame);
    settings->addLayout(rank);
    settings->addLayout(interval);
    settings->addLayout(colours);
    auto* test = new QVBoxLayout;
    test->addWidget(Shp1);
    test->addWidget(CmdTst);
    test->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(settings);
    top->addSpacing(16);
    top->addLayout(test);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdUsl);
    buttons->addWidget(CmdUpdate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void EffectSettingsWindow::Form_Load()
{
    StopTest();
    BlinkStep = 0;
    LoadEffectSettings(Context);
    DL_DATA();
}

void EffectSettingsWindow::DL_DATA()
{
    EffectSettings& effect = Context.Settings.Effect;
    for (int i = 0; i < 3; ++i)
        SetBackColour(BC1[i], FromStoredColour(effect.BlinkColor[i]));
    // The bar shows a stored interval out of its range at its nearest end.
    VS1->setValue(effect.BlinkInterval);
    VS1_Change();
    SetBackColour(Shp1, FromStoredColour(effect.BlinkColor[0]));
    RankLimit->Show(effect.BlinkRankLimit);
    // What registering stores is what the controls show.
    effect.BlinkRankLimit = static_cast<int16_t>(RankLimit->Value());
    FRMSTP1.Show(effect.BlinkTopRanks);
}

void EffectSettingsWindow::OPX1_Click()
{
    Context.Settings.Effect.BlinkTopRanks = true;
}

void EffectSettingsWindow::OPX2_Click()
{
    Context.Settings.Effect.BlinkTopRanks = false;
}

void EffectSettingsWindow::VscW_Change(int value)
{
    Context.Settings.Effect.BlinkRankLimit = static_cast<int16_t>(value);
}

void EffectSettingsWindow::VS1_Change()
{
    LBT->setText(QLatin1Char('(') + FormatNumber(VS1->value()) + QStringLiteral("/100 秒)"));
    TMR->setInterval(VS1->value() * 10);
}

void EffectSettingsWindow::BC1_DblClick(int index)
{
    if (const std::optional<QColor> chosen = Choosers.ChooseColour(BackColour(BC1[index]), this))
        SetBackColour(BC1[index], *chosen);
}

void EffectSettingsWindow::CmdTst_Click()
{
    if (TestRunning) {
        StopTest();
        return;
    }
    TestRunning = true;
    TMR->setInterval(VS1->value() * 10);
    TMR->start();
    CmdTst->setText(QStringLiteral("STOP"));
}

void EffectSettingsWindow::StopTest()
{
    TestRunning = false;
    TMR->stop();
    CmdTst->setText(QStringLiteral("テスト(&T)"));
}

void EffectSettingsWindow::TMR_Timer()
{
    BlinkStep = BlinkStep > 1 ? 0 : BlinkStep + 1;
    SetBackColour(Shp1, BackColour(BC1[BlinkStep]));
}

void EffectSettingsWindow::CmdUsl_Click()
{
    Context.Settings.Effect = EffectSettings::Factory();
    DL_DATA();
}

void EffectSettingsWindow::CmdUpdate_Click()
{
    RegisterSettings(QString(), QStringLiteral("登録しました！"), [this] {
        EffectSettings& effect = Context.Settings.Effect;
        for (int i = 0; i < 3; ++i)
            effect.BlinkColor[i] = ToStoredColour(BackColour(BC1[i]));
        effect.BlinkInterval = static_cast<int16_t>(VS1->value());
        return SaveEffectSettings(Context);
    });
}

void EffectSettingsWindow::done(int result)
{
    StopTest();
    SettingsDialog::done(result);
}
