#include "widgets/WindowButton.h"

#include <QPushButton>

QPushButton* MakeWindowButton(const QString& name, const QString& caption, QWidget* parent, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}
