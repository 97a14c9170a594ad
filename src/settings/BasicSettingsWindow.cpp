#include "settings/BasicSettingsWindow.h"

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

BasicSettingsWindow::BasicSettingsWindow(ContestSession& context, QWidget* parent)
    : SettingsDialog(context, QStringLiteral("環境設定　基本設定"), parent),
      sound(QStringLiteral("サウンド"), QStringLiteral("使用"), QStringLiteral("不使用"), this),
      pauseAtStop(QStringLiteral("停止中ブレーク"), QStringLiteral("する"), QStringLiteral("しない"), this),
      printAtOnce(QStringLiteral("結果の同時印刷"), QStringLiteral("する"), QStringLiteral("しない"), this),
      waveform(QStringLiteral("波形表示"), QStringLiteral("する"), QStringLiteral("しない"), this),
      waveformColours(QStringLiteral("波形表示方法"), QStringLiteral("白黒"), QStringLiteral("黒白"), this)
{
    measureTime = new NumberPair(this, Qt::Horizontal, {1, 30}, {1, 30}, 5);
    measureTime->Name(QStringLiteral("measureTime"));
    measureTime->Box()->setToolTip(QStringLiteral("大声の測定時間です。１～３０秒の範囲で設定できます。 "));
    // Min at the top: the upper arrow shortens the wait.
    startWait = new NumberPair(this, Qt::Vertical, {-20, 20}, {-20, 20}, 1);
    startWait->Name(QStringLiteral("startWait"));
    startWait->Box()->setToolTip(QStringLiteral("「ようい」の点滅が終了してスタート音が鳴り、計測中の表示がでます。"
                                                "その時点から、実際、計測が始まるまでのタイムラグの設定です。"));
    connect(startWait, &NumberPair::left, this, [this](int tenths) { WarnNegativeStartWait(tenths); });

    sound.Name(QStringLiteral("soundOnOption"), QStringLiteral("soundOffOption"));
    sound.Frame->setToolTip(QStringLiteral("サウンドの有無の設定。"));
    sound.Yes->setToolTip(QStringLiteral("ｻｳﾝﾄﾞを使用します。"));
    sound.No->setToolTip(QStringLiteral("ｻｳﾝﾄﾞを使用しません。"));
    pauseAtStop.Name(QStringLiteral("pauseAtStopOption"), QStringLiteral("showAtOnceOption"));
    pauseAtStop.Frame->setToolTip(QStringLiteral("測定結果をすぐ表示するか、マウスクリックで表示するかの設定"));
    pauseAtStop.Yes->setToolTip(QStringLiteral("測定後、マウスでワンクリック（ワンキー）してから、結果を表示します。"));
    pauseAtStop.No->setToolTip(QStringLiteral("測定後、直ぐに結果を表示します。"));
    printAtOnce.Name(QStringLiteral("printAtOnceOption"), QStringLiteral("printLaterOption"));
    printAtOnce.Frame->setToolTip(QStringLiteral("測定結果を直ちに印字するかどうかの設定"));
    printAtOnce.Yes->setToolTip(QStringLiteral("結果の表示と同時に、成績表を印字します。"));
    printAtOnce.No->setToolTip(QStringLiteral("成績表は成績表出力で印字します。 "));
    waveform.Name(QStringLiteral("waveformOnOption"), QStringLiteral("waveformOffOption"));
    waveformColours.Name(QStringLiteral("whiteOnBlackOption"), QStringLiteral("blackOnWhiteOption"));
    waveformColours.Yes->setToolTip(QStringLiteral("波形を白黒で表示します。"));
    waveformColours.No->setToolTip(QStringLiteral("波形を黒白で表示します。"));

    lockMessage = new QLabel(this);
    lockMessage->setObjectName(QStringLiteral("lockMessage"));
    SetTextColour(lockMessage, QColor(192, 0, 0));
    lockMessage->hide();
    registerButton = MakeButton(QStringLiteral("登録(&U)"), QStringLiteral("編集中の設定を登録します。"));
    registerButton->setObjectName(QStringLiteral("registerButton"));
    connect(registerButton, &QPushButton::clicked, this, &BasicSettingsWindow::Register);
    LayOut();
}

void BasicSettingsWindow::LayOut()
{
    auto* time = new QGridLayout;
    time->addWidget(new QLabel(QStringLiteral("測定時間(1-30秒)"), this), 0, 0, 1, 3);
    time->addWidget(measureTime->Box(), 1, 0);
    time->addWidget(new QLabel(QStringLiteral("秒"), this), 1, 1);
    time->addWidget(measureTime->Bar(), 1, 2);
    auto* wait = new QHBoxLayout;
    wait->addWidget(startWait->Box());
    wait->addWidget(startWait->Bar());
    wait->addWidget(new QLabel(QStringLiteral("/10  秒待ってから計測します。"), this));
    wait->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(time);
    layout->addWidget(new QLabel(QStringLiteral("スタートウエイト"), this));
    layout->addLayout(wait);
    auto* choices = new QGridLayout;
    choices->addWidget(sound.Frame, 0, 0);
    choices->addWidget(pauseAtStop.Frame, 0, 1);
    choices->addWidget(printAtOnce.Frame, 1, 0);
    choices->addWidget(waveform.Frame, 1, 1);
    choices->addWidget(waveformColours.Frame, 2, 1);
    layout->addLayout(choices);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lockMessage);
    bottom->addStretch();
    bottom->addWidget(registerButton);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BasicSettingsWindow::LoadOnOpen()
{
    const BasicSettings& basic = Context.Settings.Basic;
    measureTime->Show(basic.MeasureSeconds);
    startWait->Show(basic.StartWaitTenths);
    sound.Show(basic.SoundOn);
    pauseAtStop.Show(basic.PauseAtStop);
    printAtOnce.Show(basic.PrintAtOnce);
    waveform.Show(basic.WaveformDisplay);
    waveformColours.Show(basic.WaveformWhiteOnBlack);
    locked = ApplyContestLock(lockMessage, QStringLiteral("プレイ中は計測時間の変更はできません。"),
                              {measureTime->Box(), measureTime->Bar()});
}

void BasicSettingsWindow::WarnNegativeStartWait(int tenths)
{
    if (tenths < 0)
        Context.Messages.Inform(QStringLiteral("マイナスを設定する場合は注意！\nヘルプのスタートウェイトについてを参照してください。"),
                                MessageIcon::Warning, QStringLiteral("注意事項"));
}

void BasicSettingsWindow::Register()
{
    RegisterSettings(QStringLiteral("確認"), QStringLiteral("登録しました。"), [this] {
        BasicSettings& basic = Context.Settings.Basic;
        // While locked the stored time stays, even one no control can show.
        if (!locked)
            basic.MeasureSeconds = static_cast<int16_t>(measureTime->Value());
        basic.StartWaitTenths = static_cast<int16_t>(startWait->Value());
        basic.SoundOn = sound.Value();
        basic.PauseAtStop = pauseAtStop.Value();
        basic.PrintAtOnce = printAtOnce.Value();
        basic.WaveformDisplay = waveform.Value();
        basic.WaveformWhiteOnBlack = waveformColours.Value();
        return Succeeded(Context.Messages, SaveBasicSettings(Context));
    });
}
