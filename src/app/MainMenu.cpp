#include "app/MainMenu.h"

#include "app/AppContext.h"
#include "app/MenuWindows.h"
#include "app/WindowNames.h"
#include "app/ShellPictures.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* MakeLabel(const QString& text, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFont Font(const char* family, int points, bool bold = false)
{
    QFont font(QString::fromUtf8(family), points);
    font.setBold(bold);
    return font;
}

}

MainMenu::MainMenu(AppContext& context, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      Context(context), Instance(context.Folder.Path())
{
    setWindowTitle(QStringLiteral("ずべろ"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(palette);
    setAutoFillBackground(true);
    BuildLabels();
    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MainMenu::Timer1_Timer);
    Timer1->start();
    RegisterMenuWindows(Windows, Context);
}

void MainMenu::BuildLabels()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(8);
    LBX[0] = MakeLabel(QStringLiteral("大声大会用ソフトウェア"), Font("ＭＳ Ｐゴシック", 14), central);
    LBX[2] = MakeLabel(QStringLiteral("ずべろ"), Font("ＭＳ Ｐゴシック", 40, true), central);
    LBX[2]->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    IMG1 = new QLabel(central);
    IMG1->setAlignment(Qt::AlignCenter);
    IMG1->setMinimumSize(320, 180);
    LBX[1] = MakeLabel(QStringLiteral("Zuvelo Ver 1.34 for Windows 10/8/7/VISTA"), Font("ＭＳ Ｐゴシック", 10), central);
    LBTM1 = MakeLabel(QString(), Font("ＭＳ ゴシック", 16), central);
    for (QWidget* widget : {static_cast<QWidget*>(LBX[0]), static_cast<QWidget*>(LBX[2]), static_cast<QWidget*>(IMG1),
                            static_cast<QWidget*>(LBX[1]), static_cast<QWidget*>(LBTM1)})
        layout->addWidget(widget);
    setCentralWidget(central);
}

QAction* MainMenu::AddEntry(QMenu* menu, const QString& caption, void (MainMenu::*handler)())
{
    QAction* action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void MainMenu::BuildMenus()
{
    QMenuBar* bar = menuBar();
    F00 = bar->addMenu(QStringLiteral("ﾌﾟﾚｲ(&A)"));
    F08 = AddEntry(F00, QStringLiteral("ｹﾞｰﾑ開始(&A)"), &MainMenu::F08_Click);
    F30 = AddEntry(F00, QStringLiteral("順位表示(&B)"), &MainMenu::F30_Click);
    F50 = AddEntry(F00, QStringLiteral("成績出力(&C)"), &MainMenu::F50_Click);
    F51 = AddEntry(F00, QStringLiteral("成績ﾓﾆﾀｰ(&D)"), &MainMenu::F51_Click);
    F31 = F00->addSeparator();
    F06 = AddEntry(F00, QStringLiteral("ﾃﾞｰﾀｸﾘｱ(&E)"), &MainMenu::F06_Click);
    F04 = F00->addSeparator();
    F05 = AddEntry(F00, QStringLiteral("終了(&Q)"), &MainMenu::F05_Click);

    B00 = bar->addMenu(QStringLiteral("環境(&B)"));
    B04 = AddEntry(B00, QStringLiteral("基本(&A)"), &MainMenu::B04_Click);
    B05 = AddEntry(B00, QStringLiteral("画面(&B)"), &MainMenu::B05_Click);
    B06 = AddEntry(B00, QStringLiteral("ｻｳﾝﾄﾞ(&C)"), &MainMenu::B06_Click);
    B07 = AddEntry(B00, QStringLiteral("ﾏｲｸ設定(&D)"), &MainMenu::B07_Click);

    V00 = bar->addMenu(QStringLiteral("特殊(&C)"));
    V16 = AddEntry(V00, QStringLiteral("効果(&A)"), &MainMenu::V16_Click);
    V02 = AddEntry(V00, QStringLiteral("ﾛｸﾞ(&B)"), &MainMenu::V02_Click);

    T00 = bar->addMenu(QStringLiteral("ﾂｰﾙ(&D)"));
    T03 = AddEntry(T00, QStringLiteral("設定初期化(&A)"), &MainMenu::T03_Click);

    H00 = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    H01 = AddEntry(H00, QStringLiteral("ﾍﾙﾌﾟ(&H)"), &MainMenu::H01_Click);
    H02 = AddEntry(H00, QStringLiteral("ﾊﾞｰｼﾞｮﾝ表示(&A)"), &MainMenu::H02_Click);
    for (QMenu* menu : {F00, B00, V00, T00, H00})
        connect(menu, &QMenu::aboutToShow, this, &MainMenu::RefreshEntries);
}

void MainMenu::RefreshEntries()
{
    const std::pair<QAction*, const QString*> entries[] = {
        {F08, &WindowName::MainFRM}, {F30, &WindowName::ZanFRM},  {F50, &WindowName::VVPRNOUT},
        {F51, &WindowName::EVHYO30}, {F06, &WindowName::InitFRM}, {B04, &WindowName::VVSET01},
        {B05, &WindowName::VVSET02}, {B06, &WindowName::VVSET03}, {B07, &WindowName::EVSET20},
        {V16, &WindowName::EVSET09}, {V02, &WindowName::EVCHK02}, {T03, &WindowName::EVSET00},
        {H02, &WindowName::S_VERFRM}};
    for (const auto& [action, name] : entries)
        action->setEnabled(Windows.IsRegistered(*name));
}

void MainMenu::Form_Load()
{
    // Before anything else: a second copy must not touch the program folder.
    if (!Instance.Claim()) {
        Context.Messages.Inform(QStringLiteral("ずべろは既に起動されています！"), MessageIcon::Information,
                                QStringLiteral("二重起動の禁止"));
        Context.EndProgram();
        return;
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Context.ScreenWidth = screen.width();
    Context.ScreenHeight = screen.height();
    ShowPictures();
    if (!LoadContestAtStart(Context))
        return;
    LBTM1->setText(ClockText(Context.Now().time()));
    CenterOnScreen();
}

void MainMenu::ShowPictures()
{
    const QPixmap icon = ProgramPicture(Context, IconPictureFile);
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
    IMG1->setPixmap(ProgramPicture(Context, MenuPictureFile));
}

void MainMenu::CenterOnScreen()
{
    adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
}

void MainMenu::Timer1_Timer()
{
    LBTM1->setText(ClockText(Context.Now().time()));
}

void MainMenu::F08_Click()
{
    Windows.ShowModal(WindowName::MainFRM, this);
}

void MainMenu::F30_Click()
{
    Windows.ShowModal(WindowName::ZanFRM, this);
}

void MainMenu::F50_Click()
{
    OpenScoreSheetOutput(Windows, ScoreSheetRequest{}, this);
}

void MainMenu::F51_Click()
{
    OpenScoreMonitor(Windows, ScoreMonitorRequest{}, this);
}

void MainMenu::F06_Click()
{
    Windows.ShowModal(WindowName::InitFRM, this);
}

void MainMenu::F05_Click()
{
    Context.EndProgram();
}

void MainMenu::B04_Click()
{
    Windows.ShowModal(WindowName::VVSET01, this);
}

void MainMenu::B05_Click()
{
    Windows.ShowModal(WindowName::VVSET02, this);
}

void MainMenu::B06_Click()
{
    Windows.ShowModal(WindowName::VVSET03, this);
}

void MainMenu::B07_Click()
{
    Windows.ShowModal(WindowName::EVSET20, this);
}

void MainMenu::V16_Click()
{
    Windows.ShowModal(WindowName::EVSET09, this);
}

void MainMenu::V02_Click()
{
    Windows.ShowModal(WindowName::EVCHK02, this);
}

void MainMenu::T03_Click()
{
    Windows.ShowModal(WindowName::EVSET00, this);
}

void MainMenu::H01_Click()
{
    OpenHelpFile(Context, StartHelpViewer);
}

void MainMenu::H02_Click()
{
    Windows.ShowModal(WindowName::S_VERFRM, this);
}
