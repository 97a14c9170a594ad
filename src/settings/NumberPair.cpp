#include "settings/NumberPair.h"

#include "settings/TypedText.h"

#include <QAbstractSlider>
#include <QKeyEvent>
#include <QLineEdit>

NumberPair::NumberPair(QLineEdit* box, QAbstractSlider* bar, int low, int high)
    : QObject(box), Box(box), Bar(bar), Low(low), High(high)
{
    Box->installEventFilter(this);
    Bar->installEventFilter(this);
    Bar->setFocusPolicy(Qt::StrongFocus);
    connect(Bar, &QAbstractSlider::valueChanged, this, [this] { Bar_Change(); });
}

void NumberPair::Show(int value)
{
    Bar->setValue(value);
    Box->setText(QString::number(Bar->value()));
}

int NumberPair::Value() const
{
    return Bar->value();
}

void NumberPair::Box_GotFocus()
{
    PrevText = Box->text();
}

void NumberPair::Box_LostFocus()
{
    const std::optional<int> number = AcceptTypedNumber(Box->text(), Low, High);
    if (!number) {
        Box->setText(PrevText);
        return;
    }
    Bar->setValue(*number);
    // The box shows what the bar took, so that what is stored is what is seen.
    Box->setText(QString::number(Bar->value()));
    if (Accepted)
        Accepted(Bar->value());
}

void NumberPair::Bar_Change()
{
    Box->setText(QString::number(Bar->value()));
    if (Changed)
        Changed(Bar->value());
}

bool NumberPair::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Bar) {
        if (event->type() == QEvent::FocusOut && BarLeft)
            BarLeft(Bar->value());
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        Box_GotFocus();
        break;
    case QEvent::FocusOut:
        Box_LostFocus();
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return true;
        if (!key->text().isEmpty() && key->text()[0].isPrint() && Box->cursorPosition() == 0)
            Box->clear();
        break;
    }
    default:
        break;
    }
    return false;
}
