#include "app/LockedActionWindow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

LockedActionWindow::LockedActionWindow(LockedAction action, QWidget* parent) : QDialog(parent), Action(std::move(action))
{
    setWindowTitle(Action.Title);
    auto* heading = new QLabel(Action.Heading, this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    if (Action.BoldHeading) {
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
    }
    auto* explanation = new QLabel(Action.Explanation, this);
    explanation->setObjectName(QStringLiteral("explanationLabel"));
    if (Action.ExplanationWidth > 0) {
        explanation->setWordWrap(true);
        explanation->setFixedWidth(Action.ExplanationWidth);
    }
    lockBox = new QCheckBox(QStringLiteral("実行ロック"), this);
    lockBox->setObjectName(QStringLiteral("lockBox"));
    actionButton = new QPushButton(Action.ButtonCaption, this);
    actionButton->setObjectName(QStringLiteral("actionButton"));
    connect(lockBox, &QCheckBox::clicked, this, &LockedActionWindow::FollowLock);
    connect(actionButton, &QPushButton::clicked, this, &LockedActionWindow::RunAction);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lockBox);
    buttons->addStretch();
    buttons->addWidget(actionButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(heading);
    layout->addWidget(explanation);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LockedActionWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (Action.Prepare)
            Action.Prepare();
        // Whatever was left ticked the last time.
        lockBox->setChecked(false);
        FollowLock();
    }
    QDialog::showEvent(event);
}

void LockedActionWindow::FollowLock()
{
    actionButton->setEnabled(lockBox->isChecked());
}

void LockedActionWindow::RunAction()
{
    if (Action.Run()) {
        emit actionDone();
        accept();
    }
}
