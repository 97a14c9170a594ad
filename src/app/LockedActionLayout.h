#pragma once

class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;

// The layout shared by the windows of destructive actions: two lines of
// explanation above the "実行ロック" box and the button it unlocks.
void LayOutLockedAction(QDialog& dialog, QLabel* first, QLabel* second, QCheckBox* lock, QPushButton* action);
