#include "app/VersionWindow.h"

#include "core/ContestState.h"
#include "app/ShellPictures.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

QPlainTextEdit* MakeNoticeBox(const char* role, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(role));
    box->setReadOnly(true);
    box->setFixedHeight(84);
    return box;
}

QLabel* MakeLabel(const QString& text, const char* role, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(role));
    return label;
}

}

QString ProgramNotice()
{
    return QStringLiteral("ずべろ（Zuvelo）は、おおごえ大会のためのソフトウェアです。"
                          "参加者の声をマイクで録音し、最大値と積算値の二つの得点（各1000点、合計2000点満点）で採点して順位をつけます。"
                          "測定の記録は大会ログに残り、順位表示・成績モニター・成績出力で見ることができます。");
}

QString VersionAndPlatform()
{
    return QStringLiteral(ZUVELO_VERSION " for Linux");
}

QString HelpNotice()
{
    return QStringLiteral("使い方は、メニューの「ﾍﾙﾌﾟ(H)」から「ﾍﾙﾌﾟ(H)」を選ぶと表示されるヘルプをご覧ください。"
                          "ヘルプは、プログラムとともにインストールされた操作説明書を表示します。下に示すのは、大会のデータを置く大会フォルダーです。");
}

VersionWindow::VersionWindow(ContestState& context, QWidget* parent) : QDialog(parent), Context(context)
{
    setWindowTitle(QStringLiteral("バージョン表示"));
    QLabel* product = MakeLabel(QStringLiteral("大声大会ソフト"), "productLabel", this);
    QFont titleFont = product->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    product->setFont(titleFont);
    QLabel* version = MakeLabel(QStringLiteral("バージョン　") + VersionAndPlatform(), "versionLabel", this);
    QLabel* lastUpdate = MakeLabel(QStringLiteral("Last Update 2015/11/23"), "lastUpdateLabel", this);
    programPicture = MakeLabel(QString(), "programPicture", this);
    programPicture->setFixedSize(64, 64);
    programNoticeBox = MakeNoticeBox("programNoticeBox", this);
    helpNoticeBox = MakeNoticeBox("helpNoticeBox", this);
    folderLabel = MakeLabel(QString(), "folderLabel", this);
    folderLabel->setWordWrap(true);
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* okButton = new QPushButton(QStringLiteral("ＯＫ"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(programPicture, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(product, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(lastUpdate, 2, 1);
    layout->addWidget(programNoticeBox, 3, 0, 1, 2);
    layout->addWidget(helpNoticeBox, 4, 0, 1, 2);
    layout->addWidget(folderLabel, 5, 0, 1, 2);
    layout->addWidget(okButton, 6, 1, Qt::AlignRight);
    layout->setColumnMinimumWidth(1, 360);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void VersionWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        ShowNotices();
    QDialog::showEvent(event);
}

void VersionWindow::ShowNotices()
{
    programPicture->setPixmap(
        ProgramPicture(Context, IconPictureFile).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    programNoticeBox->setPlainText(ProgramNotice());
    helpNoticeBox->setPlainText(HelpNotice());
    folderLabel->setText(QStringLiteral("大会フォルダー：") + QDir::toNativeSeparators(Context.Folder.Path()));
}
