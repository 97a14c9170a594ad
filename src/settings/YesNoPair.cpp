#include "settings/YesNoPair.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

YesNoPair::YesNoPair(const QString& caption, const QString& yesCaption, const QString& noCaption, QWidget* parent)
    : Frame(new QGroupBox(caption, parent)), Yes(new QRadioButton(yesCaption, Frame)), No(new QRadioButton(noCaption, Frame))
{
    auto* layout = new QHBoxLayout(Frame);
    layout->addWidget(Yes);
    layout->addWidget(No);
    layout->addStretch();
}

void YesNoPair::Name(const QString& yesName, const QString& noName)
{
    Yes->setObjectName(yesName);
    No->setObjectName(noName);
}

void YesNoPair::Show(bool value)
{
    (value ? Yes : No)->setChecked(true);
}

void YesNoPair::ShowNeither()
{
    for (QRadioButton* option : {Yes, No}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

bool YesNoPair::Value() const
{
    return Yes->isChecked();
}
