#include "app/VersionWindow.h"

#include "store/ContestState.h"
#include "app/ShellPictures.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

QPlainTextEdit* MakeNoticeBox(QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setFixedHeight(84);
    return box;
}

}

QString ProgramNotice()
{
    return QStringLiteral("ずべろ（Zuvelo）は、おおごえ大会のためのソフトウェアです。"
                          "参加者の声をマイクで録音し、最大値と積算値の二つの得点（各1000点、合計2000点満点）で採点して順位をつけます。"
                          "測定の記録は大会ログに残り、順位表示・成績モニター・成績出力で見ることができます。");
}

QString HelpNotice()
{
    return QStringLiteral("使い方は、メニューの「ﾍﾙﾌﾟ(H)」から「ﾍﾙﾌﾟ(H)」を選ぶと表示されるヘルプをご覧ください。"
                          "ヘルプファイル zuv18.chm は、下に示す大会フォルダーから開きます。");
}

VersionWindow::VersionWindow(ContestState& context, QWidget* parent) : QDialog(parent), Context(context)
{
    setWindowTitle(QStringLiteral("バージョン表示"));
    Label1 = new QLabel(QStringLiteral("大声大会ソフト"), this);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label3 = new QLabel(QStringLiteral("バージョン　1.34"), this);
    Label2 = new QLabel(QStringLiteral("Last Update 2015/11/23"), this);
    Image1 = new QLabel(this);
    Image1->setFixedSize(64, 64);
    TXT1 = MakeNoticeBox(this);
    TXT2 = MakeNoticeBox(this);
    folderLabel = new QLabel(this);
    folderLabel->setObjectName(QStringLiteral("folderLabel"));
    folderLabel->setWordWrap(true);
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CmdOk = new QPushButton(QStringLiteral("ＯＫ"), this);
    CmdOk->setDefault(true);
    connect(CmdOk, &QPushButton::clicked, this, &VersionWindow::CmdOk_Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(Label3, 1, 1);
    layout->addWidget(Label2, 2, 1);
    layout->addWidget(TXT1, 3, 0, 1, 2);
    layout->addWidget(TXT2, 4, 0, 1, 2);
    layout->addWidget(folderLabel, 5, 0, 1, 2);
    layout->addWidget(CmdOk, 6, 1, Qt::AlignRight);
    layout->setColumnMinimumWidth(1, 360);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void VersionWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        Form_Load();
    QDialog::showEvent(event);
}

void VersionWindow::Form_Load()
{
    Image1->setPixmap(ProgramPicture(Context, IconPictureFile).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    TXT1->setPlainText(ProgramNotice());
    TXT2->setPlainText(HelpNotice());
    folderLabel->setText(QStringLiteral("大会フォルダー：") + QDir::toNativeSeparators(Context.Folder.Path()));
}

void VersionWindow::CmdOk_Click()
{
    accept();
}
