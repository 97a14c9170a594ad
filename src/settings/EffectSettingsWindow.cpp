#include "settings/EffectSettingsWindow.h"

#include "core/DisplayFormat.h"
#include "widgets/StoredColour.h"
#include "settings/NumberPair.h"
#include "settings/SampleWidgets.h"
#include "widgets/ContestSession.h"
#include "core/SettingsStore.h"
#include "widgets/OperatorMessages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

EffectSettingsWindow::EffectSettingsWindow(ContestSession& context, QWidget* parent)
    : SettingsDialog(context, QStringLiteral("特殊設定　（効果）"), parent),
      blinkTopRanks(QStringLiteral("上位点滅"), QStringLiteral("する"), QStringLiteral("しない"), this)
{
    blinkTopRanks.Name(QStringLiteral("blinkOption"), QStringLiteral("noBlinkOption"));
    blinkTopRanks.Yes->setToolTip(QStringLiteral("上位者を結果表示で点滅させます。"));
    blinkTopRanks.No->setToolTip(QStringLiteral("上位者を結果表示で点滅させません。"));
    connect(blinkTopRanks.Yes, &QRadioButton::clicked, this, [this] { Edited.BlinkTopRanks = true; });
    connect(blinkTopRanks.No, &QRadioButton::clicked, this, [this] { Edited.BlinkTopRanks = false; });
    // The spinner reaches 1 as well, which typing refuses, and is as wide as
    // typing accepts, so that every accepted number shows on it.
    rankLimit = new NumberPair(this, Qt::Vertical, {2, 40}, {1, 40}, 1);
    rankLimit->Name(QStringLiteral("rankLimit"));
    rankLimit->Box()->setToolTip(QStringLiteral("何位以上を点滅させるかの設定です。"));
    connect(rankLimit, &NumberPair::changed, this,
            [this](int value) { Edited.BlinkRankLimit = static_cast<int16_t>(value); });
    intervalBar = new QScrollBar(Qt::Horizontal, this);
    intervalBar->setObjectName(QStringLiteral("intervalBar"));
    intervalBar->setRange(2, 50);
    intervalBar->setPageStep(10);
    intervalBar->setMinimumWidth(200);
    connect(intervalBar, &QScrollBar::valueChanged, this, &EffectSettingsWindow::ShowInterval);
    intervalText = new QLabel(this);
    intervalText->setObjectName(QStringLiteral("intervalText"));
    for (int i = 0; i < 3; ++i) {
        swatches[i] = new ColourPatch(this, QSize(48, 32));
        swatches[i]->setObjectName(QStringLiteral("swatch%1").arg(i));
        swatches[i]->setToolTip(QStringLiteral("ダブルクリックで色指定ができます。"));
        connect(swatches[i], &ColourPatch::doubleClicked, this, [this, i] { ChooseColour(i); });
    }
    blinkSample = new ColourPatch(this, QSize(160, 90));
    blinkSample->setObjectName(QStringLiteral("blinkSample"));
    blinkTimer = new QTimer(this);
    blinkTimer->setObjectName(QStringLiteral("blinkTimer"));
    connect(blinkTimer, &QTimer::timeout, this, &EffectSettingsWindow::BlinkTick);
    registerButton = MakeButton(QStringLiteral("登録(&U)"));
    registerButton->setObjectName(QStringLiteral("registerButton"));
    factoryButton = MakeButton(QStringLiteral("初期値(&K)"));
    factoryButton->setObjectName(QStringLiteral("factoryButton"));
    testButton = MakeButton(QStringLiteral("テスト(&T)"), QStringLiteral("点滅のテストです。"));
    testButton->setObjectName(QStringLiteral("testButton"));
    connect(registerButton, &QPushButton::clicked, this, &EffectSettingsWindow::Register);
    connect(factoryButton, &QPushButton::clicked, this, &EffectSettingsWindow::ShowFactoryValues);
    connect(testButton, &QPushButton::clicked, this, &EffectSettingsWindow::ToggleTest);
    LayOut();
}

void EffectSettingsWindow::LayOut()
{
    auto* rank = new QHBoxLayout;
    rank->addWidget(rankLimit->Box());
    rank->addWidget(rankLimit->Bar());
    rank->addWidget(new QLabel(QStringLiteral("位以上を結果を点滅。"), this));
    rank->addStretch();
    auto* interval = new QHBoxLayout;
    interval->addWidget(new QLabel(QStringLiteral("間隔"), this));
    interval->addWidget(intervalBar);
    interval->addWidget(intervalText);
    auto* colours = new QHBoxLayout;
    colours->addWidget(new QLabel(QStringLiteral("枠色"), this));
    for (ColourPatch* swatch : swatches)
        colours->addWidget(swatch);
    colours->addStretch();
    auto* settings = new QVBoxLayout;
    settings->addWidget(blinkTopRanks.Frame);
    settings->addLayout(rank);
    settings->addLayout(interval);
    settings->addLayout(colours);
    auto* test = new QVBoxLayout;
    test->addWidget(blinkSample);
    test->addWidget(testButton);
    test->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(settings);
    top->addSpacing(16);
    top->addLayout(test);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(factoryButton);
    buttons->addWidget(registerButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void EffectSettingsWindow::LoadOnOpen()
{
    StopTest();
    blinkStep = 0;
    Edited = Context.Settings.Effect;
    ShowEffectSettings();
    SetBackColour(blinkSample, FromStoredColour(Edited.BlinkColor[0]));
}

void EffectSettingsWindow::ShowEffectSettings()
{
    EffectSettings& effect = Edited;
    for (int i = 0; i < 3; ++i)
        SetBackColour(swatches[i], FromStoredColour(effect.BlinkColor[i]));
    // The bar shows a stored interval out of its range at its nearest end.
    intervalBar->setValue(effect.BlinkInterval);
    ShowInterval();
    rankLimit->Show(effect.BlinkRankLimit);
    // What registering stores is what the controls show.
    effect.BlinkRankLimit = static_cast<int16_t>(rankLimit->Value());
    blinkTopRanks.Show(effect.BlinkTopRanks);
}

void EffectSettingsWindow::ShowInterval()
{
    intervalText->setText(QLatin1Char('(') + FormatNumber(intervalBar->value()) + QStringLiteral("/100 秒)"));
    blinkTimer->setInterval(intervalBar->value() * 10);
}

void EffectSettingsWindow::ChooseColour(int index)
{
    if (const std::optional<QColor> chosen = Choosers.ChooseColour(BackColour(swatches[index]), this))
        SetBackColour(swatches[index], *chosen);
}

void EffectSettingsWindow::ToggleTest()
{
    if (testRunning) {
        StopTest();
        return;
    }
    testRunning = true;
    blinkTimer->setInterval(intervalBar->value() * 10);
    blinkTimer->start();
    testButton->setText(QStringLiteral("STOP"));
}

void EffectSettingsWindow::StopTest()
{
    testRunning = false;
    blinkTimer->stop();
    testButton->setText(QStringLiteral("テスト(&T)"));
}

void EffectSettingsWindow::BlinkTick()
{
    blinkStep = blinkStep > 1 ? 0 : blinkStep + 1;
    SetBackColour(blinkSample, BackColour(swatches[blinkStep]));
}

// The sample shape keeps what it shows: a running test goes on with the
// factory colours from its next step.
void EffectSettingsWindow::ShowFactoryValues()
{
    Edited = EffectSettings::Factory();
    ShowEffectSettings();
}

void EffectSettingsWindow::Register()
{
    RegisterSettings(QString(), QStringLiteral("登録しました！"), [this] {
        EffectSettings& effect = Edited;
        for (int i = 0; i < 3; ++i)
            effect.BlinkColor[i] = ToStoredColour(BackColour(swatches[i]));
        effect.BlinkInterval = static_cast<int16_t>(intervalBar->value());
        Context.Settings.Effect = effect;
        return Succeeded(Context.Messages, SaveEffectSettings(Context));
    });
}

void EffectSettingsWindow::done(int result)
{
    StopTest();
    SettingsDialog::done(result);
}
