#pragma once

#include <QObject>
#include <QString>

class QFocusEvent;
class QLineEdit;
class QScrollBar;
class QWidget;

// A numeric setting edited through a text box paired with a scroll bar (or a
// small one used as a spinner), both built here:
// - on getting the focus the box remembers its text;
// - a character typed while the caret stands at the start replaces the whole
//   text; Enter is swallowed and changes nothing;
// - on losing the focus the text is read (AcceptTypedNumber); a number
//   outside the typed range restores the remembered text without a message,
//   otherwise the bar takes it and the box shows it as plain digits;
// - a move of the bar writes its value into the box.
// The bar's range may be wider than what typing accepts.
class NumberPair : public QObject {
    Q_OBJECT
public:
    struct Range {
        int Low;
        int High;
    };
    // A vertical bar is a spinner as high as the box, its minimum at the top.
    NumberPair(QWidget* parent, Qt::Orientation orientation, Range typed, Range bar, int pageStep);

    QLineEdit* Box() const { return TextBox; }
    QScrollBar* Bar() const { return ScrollBar; }
    // Names both for tests and style sheets: `role` + "Box" and + "Bar".
    void Name(const QString& role);

    // Shows a value on both; one outside the bar's range shows as its nearest end.
    void Show(int value);
    // The value the pair holds, always within the bar's range.
    int Value() const;

signals:
    // After the bar's value changed, by typing or by moving it.
    void changed(int value);
    // When the operator moves the focus from the box or the bar to another
    // control (Tab, Backtab, a click, a shortcut), after a typed number has
    // been taken. Focus lost to another window or a pop-up is not leaving.
    void left(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BoxLostFocus(const QFocusEvent& event);
    void BarChanged();
    void ReportLeaving(const QFocusEvent& event);

    QLineEdit* TextBox;
    QScrollBar* ScrollBar;
    Range Typed;
    QString PrevText;
    // Set while left is answered: a message shown then moves the focus again.
    bool Reporting = false;
};
