#include "app/FactoryResetWindow.h"

#include "store/ContestState.h"
#include "app/ContestReset.h"
#include "app/LockedActionLayout.h"
#include "store/ResultStore.h"
#include "store/SetupRequest.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

FactoryResetWindow::FactoryResetWindow(ContestState& context, QWidget* parent) : QDialog(parent), Context(context)
{
    setWindowTitle(QStringLiteral("設定初期化"));
    Label1 = new QLabel(QStringLiteral("出荷時設定"), this);
    QFont headingFont = Label1->font();
    headingFont.setBold(true);
    Label1->setFont(headingFont);
    Label2 = new QLabel(QStringLiteral("すべての設定をインストール時の設定に戻して、システムの再セットアップをおこないます。"), this);
    Label2->setWordWrap(true);
    Label2->setFixedWidth(320);
    CK2 = new QCheckBox(QStringLiteral("実行ロック"), this);
    CmdUP2 = new QPushButton(QStringLiteral("実行(&X)"), this);
    connect(CK2, &QCheckBox::clicked, this, &FactoryResetWindow::CK2_Click);
    connect(CmdUP2, &QPushButton::clicked, this, &FactoryResetWindow::CmdUP2_Click);

    LayOutLockedAction(*this, Label1, Label2, CK2, CmdUP2);
}

void FactoryResetWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        Form_Load();
    QDialog::showEvent(event);
}

void FactoryResetWindow::Form_Load()
{
    // Read now so that the companion value is written back unchanged.
    LoadSetupRequest(Context);
    CK2->setChecked(false);
    CK2_Click();
}

void FactoryResetWindow::CK2_Click()
{
    CmdUP2->setEnabled(CK2->isChecked());
}

void FactoryResetWindow::CmdUP2_Click()
{
    if (RequestFactoryReset(Context))
        accept();
}
