#pragma once

#include <QString>

class QGroupBox;
class QRadioButton;
class QWidget;

// A yes/no setting as a pair of option buttons in a frame of their own.
class YesNoPair {
public:
    YesNoPair(const QString& caption, const QString& yesCaption, const QString& noCaption, QWidget* parent);

    // Names the two options for tests: `yesName` and `noName`.
    void Name(const QString& yesName, const QString& noName);
    void Show(bool value);
    // Neither option selected (a stored value that is neither).
    void ShowNeither();
    bool Value() const;

    QGroupBox* Frame;
    QRadioButton* Yes;
    QRadioButton* No;
};
