#include "app/DataClearWindow.h"

#include "store/ContestState.h"
#include "app/ContestReset.h"
#include "app/LockedActionLayout.h"
#include "store/SettingsStore.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

DataClearWindow::DataClearWindow(ContestState& context, QWidget* parent) : QDialog(parent), Context(context)
{
    setWindowTitle(QStringLiteral("データクリア"));
    Label1 = new QLabel(QStringLiteral("大会を最初から始める時の処理です。"), this);
    Label2 = new QLabel(QStringLiteral("（大会ログもクリアされます。）"), this);
    CK1 = new QCheckBox(QStringLiteral("実行ロック"), this);
    CmdClr = new QPushButton(QStringLiteral("実行(&U)"), this);
    connect(CK1, &QCheckBox::clicked, this, &DataClearWindow::CK1_Click);
    connect(CmdClr, &QPushButton::clicked, this, &DataClearWindow::CmdClr_Click);

    LayOutLockedAction(*this, Label1, Label2, CK1, CmdClr);
}

void DataClearWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        Form_Load();
    QDialog::showEvent(event);
}

void DataClearWindow::Form_Load()
{
    LoadMicSettings(Context);
    // Every opening starts locked, whatever was left ticked the last time.
    CK1->setChecked(false);
    CK1_Click();
}

void DataClearWindow::CK1_Click()
{
    CmdClr->setEnabled(CK1->isChecked());
}

void DataClearWindow::CmdClr_Click()
{
    if (ClearContestData(Context))
        accept();
}
