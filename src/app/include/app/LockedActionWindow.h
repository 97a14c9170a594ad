#pragma once

#include "app/LockedAction.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

// The window of a destructive action (data clear, factory reset request): two
// lines of explanation above the "実行ロック" box ("lockBox") and the button
// it unlocks ("actionButton"). Every opening starts locked.
class LockedActionWindow : public QDialog {
    Q_OBJECT
public:
    explicit LockedActionWindow(LockedAction action, QWidget* parent = nullptr);

signals:
    // The action ran through; the window closes.
    void actionDone();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FollowLock();
    void RunAction();

    LockedAction Action;
    QCheckBox* lockBox = nullptr;
    QPushButton* actionButton = nullptr;
};
