#include "settings/NumberPair.h"

#include "settings/TypedText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace {

bool OperatorMovedFocus(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

}

NumberPair::NumberPair(QWidget* parent, Qt::Orientation orientation, Range typed, Range bar, int pageStep)
    : QObject(parent), TextBox(new QLineEdit(parent)), ScrollBar(new QScrollBar(orientation, parent)), Typed(typed)
{
    TextBox->setFixedWidth(48);
    TextBox->setAlignment(Qt::AlignRight);
    ScrollBar->setRange(bar.Low, bar.High);
    ScrollBar->setPageStep(pageStep);
    ScrollBar->setFocusPolicy(Qt::StrongFocus);
    if (orientation == Qt::Vertical)
        ScrollBar->setFixedHeight(TextBox->sizeHint().height());
    else
        ScrollBar->setMinimumWidth(200);
    TextBox->installEventFilter(this);
    ScrollBar->installEventFilter(this);
    connect(ScrollBar, &QScrollBar::valueChanged, this, [this] { BarChanged(); });
}

void NumberPair::Name(const QString& role)
{
    TextBox->setObjectName(role + QStringLiteral("Box"));
    ScrollBar->setObjectName(role + QStringLiteral("Bar"));
}

void NumberPair::Show(int value)
{
    ScrollBar->setValue(value);
    TextBox->setText(QString::number(ScrollBar->value()));
}

int NumberPair::Value() const
{
    return ScrollBar->value();
}

void NumberPair::BoxLostFocus(const QFocusEvent& event)
{
    const std::optional<int> number = AcceptTypedNumber(TextBox->text(), Typed.Low, Typed.High);
    if (!number) {
        TextBox->setText(PrevText);
        return;
    }
    ScrollBar->setValue(*number);
    // The box shows what the bar took, so that what is stored is what is seen.
    TextBox->setText(QString::number(ScrollBar->value()));
    ReportLeaving(event);
}

void NumberPair::ReportLeaving(const QFocusEvent& event)
{
    if (Reporting || !OperatorMovedFocus(event.reason()))
        return;
    Reporting = true;
    emit left(ScrollBar->value());
    Reporting = false;
}

void NumberPair::BarChanged()
{
    TextBox->setText(QString::number(ScrollBar->value()));
    emit changed(ScrollBar->value());
}

bool NumberPair::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBar) {
        if (event->type() == QEvent::FocusOut)
            ReportLeaving(*static_cast<QFocusEvent*>(event));
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        PrevText = TextBox->text();
        break;
    case QEvent::FocusOut:
        BoxLostFocus(*static_cast<QFocusEvent*>(event));
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return true;
        if (!key->text().isEmpty() && key->text()[0].isPrint() && TextBox->cursorPosition() == 0)
            TextBox->clear();
        break;
    }
    default:
        break;
    }
    return false;
}
