#include "app/LockedActionLayout.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

void LayOutLockedAction(QDialog& dialog, QLabel* first, QLabel* second, QCheckBox* lock, QPushButton* action)
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lock);
    buttons->addStretch();
    buttons->addWidget(action);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
