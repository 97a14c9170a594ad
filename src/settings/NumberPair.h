#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAbstractSlider;
class QLineEdit;

// A numeric setting edited through a text box paired with a scroll bar (or a
// small one used as a spinner):
// - on getting the focus the box remembers its text;
// - a character typed while the caret stands at the start replaces the whole
//   text; Enter is swallowed and changes nothing;
// - on losing the focus the text is read (AcceptTypedNumber); a number
//   outside low..high restores the remembered text without a message,
//   otherwise the bar takes it and the box shows it as plain digits;
// - a move of the bar writes its value into the box.
class NumberPair : public QObject {
public:
    NumberPair(QLineEdit* box, QAbstractSlider* bar, int low, int high);

    // Shows a value on both; one outside the bar's range shows as its nearest end.
    void Show(int value);
    // The value the pair holds, always within the bar's range.
    int Value() const;

    // After a typed number has been taken by the bar.
    std::function<void(int)> Accepted;
    // After the bar's value changed, by typing or by moving it.
    std::function<void(int)> Changed;
    // When the bar itself loses the focus.
    std::function<void(int)> BarLeft;

    QString PrevText;

    void Box_GotFocus();
    void Box_LostFocus();
    void Bar_Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* Box;
    QAbstractSlider* Bar;
    int Low;
    int High;
};
