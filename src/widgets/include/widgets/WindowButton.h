#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A button of a window's own row, found by `name` in tests and scripts, with
// `tip` as its tool tip when given. It is never the default button: Enter in
// a table or a field of the window does not press it.
QPushButton* MakeWindowButton(const QString& name, const QString& caption, QWidget* parent, const QString& tip = {});
