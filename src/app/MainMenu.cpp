#include "app/MainMenu.h"

#include "app/AppContext.h"
#include "app/ContestFolder.h"
#include "app/ShellPictures.h"
#include "app/StartUp.h"
#include "app/LockedActionWindow.h"
#include "app/VersionWindow.h"
#include "entrants/EntrantsWindow.h"
#include "core/ProgramFolder.h"
#include "measure/MeasurementScreen.h"
#include "results/MeasurementLogWindow.h"
#include "results/RankingBoard.h"
#include "settings/BasicSettingsWindow.h"
#include "settings/EffectSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/ScreenSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* MakeLabel(const QString& text, const QFont& font, const char* role, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setObjectName(QLatin1String(role));
    return label;
}

QFont Font(const char* family, int points, bool bold = false)
{
    QFont font(QString::fromUtf8(family), points);
    font.setBold(bold);
    return font;
}

// One entry of a menu: its caption and object name and what choosing it
// does. An entry without a caption is a separator.
struct MenuEntry {
    QString Caption;
    const char* Role = nullptr;
    std::function<void()> Act;
};

struct MenuGroup {
    QString Caption;
    const char* Role;
    std::vector<MenuEntry> Entries;
};

}

MainMenu::MainMenu(AppContext& context, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      Context(context), MenuWindows(context), ManualFolders(ManualFolderCandidates(ProgramFolder::OfExecutable())),
      Instance(context.Folder.Path())
{
    setWindowTitle(QStringLiteral("ずべろ"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(palette);
    setAutoFillBackground(true);
    BuildLabels();
    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    clockTimer = new QTimer(this);
    clockTimer->setObjectName(QStringLiteral("clockTimer"));
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, &MainMenu::ShowClock);
    clockTimer->start();
}

void MainMenu::BuildLabels()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(8);
    layout->addWidget(MakeLabel(QStringLiteral("大声大会用ソフトウェア"), Font("ＭＳ Ｐゴシック", 14), "purposeLabel", central));
    QLabel* title = MakeLabel(QStringLiteral("ずべろ"), Font("ＭＳ Ｐゴシック", 40, true), "titleLabel", central);
    title->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    layout->addWidget(title);
    menuPicture = new QLabel(central);
    menuPicture->setObjectName(QStringLiteral("menuPicture"));
    menuPicture->setAlignment(Qt::AlignCenter);
    menuPicture->setMinimumSize(320, 180);
    layout->addWidget(menuPicture);
    layout->addWidget(MakeLabel(QStringLiteral("Zuvelo Ver ") + VersionAndPlatform(), Font("ＭＳ Ｐゴシック", 10),
                                "versionLabel", central));
    clockLabel = MakeLabel(QString(), Font("ＭＳ ゴシック", 16), "clockLabel", central);
    layout->addWidget(clockLabel);
    setCentralWidget(central);
}

void MainMenu::BuildMenus()
{
    // Every window but the two score windows and the list of entrants opens
    // modally over the menu.
    const auto modal = [this](auto window) { return [this, window] { Windows::ShowModal((MenuWindows.*window)(this)); }; };
    const MenuEntry separator;
    const std::vector<MenuGroup> groups = {
        {QStringLiteral("ﾌﾟﾚｲ(&A)"),
         "playMenu",
         {{QStringLiteral("ｹﾞｰﾑ開始(&A)"), "startGameEntry", modal(&Windows::measurementScreen)},
          {QStringLiteral("順位表示(&B)"), "rankingBoardEntry", modal(&Windows::rankingBoard)},
          {QStringLiteral("成績出力(&C)"), "scoreSheetEntry",
           [this] { MenuWindows.OpenScoreSheetOutput(ScoreSheetRequest{}, this); }},
          {QStringLiteral("成績ﾓﾆﾀｰ(&D)"), "scoreMonitorEntry", [this] { MenuWindows.OpenScoreMonitor(ScoreMonitorRequest{}); }},
          {QStringLiteral("名簿(&N)"), "entrantsEntry", [this] { Windows::ShowModeless(MenuWindows.entrantsWindow(this)); }},
          {QStringLiteral("会場QR表示(&F)"), "hallCodeEntry", [this] { MenuWindows.ShowHallCode(this); }},
          separator,
          {QStringLiteral("ﾃﾞｰﾀｸﾘｱ(&E)"), "dataClearEntry", modal(&Windows::dataClear)},
          separator,
          {QStringLiteral("終了(&Q)"), "quitEntry", [this] { Context.EndProgram(); }}}},
        {QStringLiteral("環境(&B)"),
         "settingsMenu",
         {{QStringLiteral("基本(&A)"), "basicSettingsEntry", modal(&Windows::basicSettings)},
          {QStringLiteral("画面(&B)"), "screenSettingsEntry", modal(&Windows::screenSettings)},
          {QStringLiteral("ｻｳﾝﾄﾞ(&C)"), "soundSettingsEntry", modal(&Windows::soundSettings)},
          {QStringLiteral("ﾏｲｸ設定(&D)"), "microphoneSettingsEntry", modal(&Windows::microphoneSettings)}}},
        {QStringLiteral("特殊(&C)"),
         "specialMenu",
         {{QStringLiteral("効果(&A)"), "effectSettingsEntry", modal(&Windows::effectSettings)},
          {QStringLiteral("ﾛｸﾞ(&B)"), "measurementLogEntry", modal(&Windows::measurementLog)}}},
        {QStringLiteral("ﾂｰﾙ(&D)"),
         "toolsMenu",
         {{QStringLiteral("設定初期化(&A)"), "factoryResetEntry", modal(&Windows::factoryResetRequest)}}},
        {QStringLiteral("ﾍﾙﾌﾟ(&H)"),
         "helpMenu",
         {{QStringLiteral("ﾍﾙﾌﾟ(&H)"), "helpEntry", [this] { MenuWindows.OpenHelp(ManualFolders, this); }},
          {QStringLiteral("ﾊﾞｰｼﾞｮﾝ表示(&A)"), "versionEntry", modal(&Windows::versionWindow)}}},
    };
    for (const MenuGroup& group : groups) {
        QMenu* menu = menuBar()->addMenu(group.Caption);
        menu->setObjectName(QLatin1String(group.Role));
        for (const MenuEntry& entry : group.Entries) {
            if (entry.Caption.isEmpty()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(entry.Caption);
            action->setObjectName(QLatin1String(entry.Role));
            connect(action, &QAction::triggered, this, entry.Act);
        }
    }
}

void MainMenu::LoadAtStart()
{
    // Before anything else: a second copy must not touch the program folder.
    // It names the folder, since a copy may run on another desktop or under
    // another user.
    const FolderLock::Claim claim = Instance.Take();
    if (claim == FolderLock::Claim::HeldElsewhere) {
        Context.Messages.Inform(QStringLiteral("ずべろは既に起動されています！\n%1").arg(QDir::toNativeSeparators(Context.Folder.Path())),
                                MessageIcon::Information, QStringLiteral("二重起動の禁止"));
        Context.EndProgram();
        return;
    }
    // Without a lock the check cannot be made; rather let the operator work.
    if (claim == FolderLock::Claim::Unavailable)
        qWarning("single-instance check unavailable in %s", qPrintable(Context.Folder.Path()));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Context.ScreenWidth = screen.width();
    Context.ScreenHeight = screen.height();
    ShowPictures();
    if (!LoadContestAtStart(Context))
        return;
    MenuWindows.ApplyHallOptions();
    ShowClock();
    CenterOnScreen();
}

void MainMenu::ShowPictures()
{
    const QPixmap icon = ProgramPicture(Context, IconPictureFile);
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
    menuPicture->setPixmap(ProgramPicture(Context, MenuPictureFile));
}

void MainMenu::CenterOnScreen()
{
    adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
}

void MainMenu::ShowClock()
{
    clockLabel->setText(ClockText(Context.Now().time()));
}
