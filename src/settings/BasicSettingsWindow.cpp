#include "settings/BasicSettingsWindow.h"

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

namespace {

QLineEdit* NumberBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setFixedWidth(48);
    box->setAlignment(Qt::AlignRight);
    return box;
}

}

BasicSettingsWindow::BasicSettingsWindow(ContestState& context, QWidget* parent)
    : SettingsDialog(context, QStringLiteral("環境設定　基本設定"), parent),
      FRM1(QStringLiteral("サウンド"), QStringLiteral("使用"), QStringLiteral("不使用"), this),
      Frame1(QStringLiteral("停止中ブレーク"), QStringLiteral("する"), QStringLiteral("しない"), this),
      Frame2(QStringLiteral("結果の同時印刷"), QStringLiteral("する"), QStringLiteral("しない"), this),
      Frame3(QStringLiteral("波形表示"), QStringLiteral("する"), QStringLiteral("しない"), this),
      Frame4(QStringLiteral("波形表示方法"), QStringLiteral("白黒"), QStringLiteral("黒白"), this),
      OP11(FRM1.Yes), OP12(FRM1.No), OP41(Frame1.Yes), OP42(Frame1.No), OP51(Frame2.Yes), OP52(Frame2.No),
      OP61(Frame3.Yes), OP62(Frame3.No), OP71(Frame4.Yes), OP72(Frame4.No)
{
    TS1 = NumberBox(this);
    TS1->setToolTip(QStringLiteral("大声の測定時間です。１～３０秒の範囲で設定できます。 "));
    HS1 = new QScrollBar(Qt::Horizontal, this);
    HS1->setRange(1, 30);
    HS1->setPageStep(5);
    HS1->setMinimumWidth(200);
    MeasureTime = new NumberPair(TS1, HS1, 1, 30);
    TXT1 = NumberBox(this);
    TXT1->setToolTip(QStringLiteral("「ようい」の点滅が終了してスタート音が鳴り、計測中の表示がでます。"
                                    "その時点から、実際、計測が始まるまでのタイムラグの設定です。"));
    // Min at the top: the upper arrow shortens the wait.
    VS1 = new QScrollBar(Qt::Vertical, this);
    VS1->setRange(-20, 20);
    VS1->setPageStep(1);
    VS1->setFixedHeight(TXT1->sizeHint().height());
    StartWait = new NumberPair(TXT1, VS1, -20, 20);
    StartWait->Accepted = [this](int tenths) { WarnNegativeStartWait(tenths); };
    StartWait->BarLeft = [this](int tenths) { WarnNegativeStartWait(tenths); };

    FRM1.Frame->setToolTip(QStringLiteral("サウンドの有無の設定。"));
    OP11->setToolTip(QStringLiteral("ｻｳﾝﾄﾞを使用します。"));
    OP12->setToolTip(QStringLiteral("ｻｳﾝﾄﾞを使用しません。"));
    Frame1.Frame->setToolTip(QStringLiteral("測定結果をすぐ表示するか、マウスクリックで表示するかの設定"));
    OP41->setToolTip(QStringLiteral("測定後、マウスでワンクリック（ワンキー）してから、結果を表示します。"));
    OP42->setToolTip(QStringLiteral("測定後、直ぐに結果を表示します。"));
    Frame2.Frame->setToolTip(QStringLiteral("測定結果を直ちに印字するかどうかの設定"));
    OP51->setToolTip(QStringLiteral("結果の表示と同時に、成績表を印字します。"));
    OP52->setToolTip(QStringLiteral("成績表は成績表出力で印字します。 "));
    OP71->setToolTip(QStringLiteral("波形を白黒で表示します。"));
    OP72->setToolTip(QStringLiteral("波形を黒白で表示します。"));

    LBMSG = new QLabel(this);
    SetTextColour(LBMSG, QColor(192, 0, 0));
    LBMSG->hide();
    CmdUpd = MakeButton(QStringLiteral("登録(&U)"), QStringLiteral("編集中の設定を登録します。"));
    connect(CmdUpd, &QPushButton::clicked, this, &BasicSettingsWindow::CmdUpd_Click);
    LayOut();
}

void BasicSettingsWindow::LayOut()
{
    auto* time = new QGridLayout;
    time->addWidget(new QLabel(QStringLiteral("測定時間(1-30秒)"), this), 0, 0, 1, 3);
    time->addWidget(TS1, 1, 0);
    time->addWidget(new QLabel(QStringLiteral("秒"), this), 1, 1);
    time->addWidget(HS1, 1, 2);
    auto* wait = new QHBoxLayout;
    wait->addWidget(TXT1);
    wait->addWidget(VS1);
    wait->addWidget(new QLabel(QStringLiteral("/10  秒待ってから計測します。"), this));
    wait->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(time);
    layout->addWidget(new QLabel(QStringLiteral("スタートウエイト"), this));
    layout->addLayout(wait);
    auto* choices = new QGridLayout;
    choices->addWidget(FRM1.Frame, 0, 0);
    choices->addWidget(Frame1.Frame, 0, 1);
    choices->addWidget(Frame2.Frame, 1, 0);
    choices->addWidget(Frame3.Frame, 1, 1);
    choices->addWidget(Frame4.Frame, 2, 1);
    layout->addLayout(choices);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LBMSG);
    bottom->addStretch();
    bottom->addWidget(CmdUpd);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BasicSettingsWindow::Form_Load()
{
    if (!LoadBasicSettings(Context))
        return;
    const BasicSettings& basic = Context.Settings.Basic;
    MeasureTime->Show(basic.MeasureSeconds);
    StartWait->Show(basic.StartWaitTenths);
    FRM1.Show(basic.SoundOn);
    Frame1.Show(basic.PauseAtStop);
    Frame2.Show(basic.PrintAtOnce);
    Frame3.Show(basic.WaveformDisplay);
    Frame4.Show(basic.WaveformWhiteOnBlack);
    ApplyContestLock(LBMSG, QStringLiteral("プレイ中は計測時間の変更はできません。"), {HS1, TS1});
}

void BasicSettingsWindow::WarnNegativeStartWait(int tenths)
{
    if (tenths < 0)
        Context.Messages.Inform(QStringLiteral("マイナスを設定する場合は注意！\nヘルプのスタートウェイトについてを参照してください。"),
                                MessageIcon::Warning, QStringLiteral("注意事項"));
}

void BasicSettingsWindow::CmdUpd_Click()
{
    RegisterSettings(QStringLiteral("確認"), QStringLiteral("登録しました。"), [this] {
        BasicSettings& basic = Context.Settings.Basic;
        // While locked the stored time stays, even one no control can show.
        if (TS1->isEnabled())
            basic.MeasureSeconds = static_cast<int16_t>(MeasureTime->Value());
        basic.StartWaitTenths = static_cast<int16_t>(StartWait->Value());
        basic.SoundOn = FRM1.Value();
        basic.PauseAtStop = Frame1.Value();
        basic.PrintAtOnce = Frame2.Value();
        basic.WaveformDisplay = Frame3.Value();
        basic.WaveformWhiteOnBlack = Frame4.Value();
        return SaveBasicSettings(Context);
    });
}
