#include "settings/SettingsDialog.h"

#include "settings/ScreenFit.h"
#include "settings/TypedText.h"
#include "widgets/ContestSession.h"
#include "core/ResultStore.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <memory>

SettingsDialog::SettingsDialog(ContestSession& context, const QString& caption, QWidget* parent)
    : QDialog(parent), Context(context)
{
    setWindowTitle(caption);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    Fitting = new ScreenFit(this);
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        LoadOnOpen();
    // Placed by the dialog first: the place tells which screen it is on.
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Fitting->Fit();
}

void SettingsDialog::done(int result)
{
    if (MayClose())
        QDialog::done(result);
}

void SettingsDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter reaches no control and never registers.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SettingsDialog::RegisterSettings(const QString& title, const QString& doneText, const std::function<bool()>& store)
{
    // A number still being typed is checked as if the box had been left.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    if (Context.Messages.Show(QStringLiteral("設定を登録しますか？"), title, MessageIcon::Information, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return;
    if (!store())
        return;
    Context.Messages.Inform(doneText, MessageIcon::None);
    accept();
}

bool SettingsDialog::ApplyContestLock(QLabel* label, const QString& message, std::initializer_list<QWidget*> locked)
{
    const std::optional<int16_t> next = ScanLog(Context);
    if (next)
        Context.Contest.EntryNo = *next;
    // A log that cannot be read may well hold a contest: it locks as one
    // with entrants does, whatever an earlier scan found.
    const bool underWay = !next || Context.Contest.LogHasEntries;
    label->setText(message);
    label->setVisible(underWay);
    for (QWidget* widget : locked)
        widget->setEnabled(!underWay);
    return underWay;
}

void SettingsDialog::GuardStoredText(QLineEdit* box)
{
    auto kept = std::make_shared<QString>(box->text());
    connect(box, &QLineEdit::textChanged, this, [kept](const QString& text) {
        if (!UnstorableCharacter(text))
            *kept = text;
    });
    connect(box, &QLineEdit::textEdited, this, [this, box, kept](const QString& text) {
        const std::optional<QString> refused = UnstorableCharacter(text);
        if (!refused)
            return;
        const int caret = std::max(0, box->cursorPosition() - int(text.size() - kept->size()));
        box->setText(*kept);
        box->setCursorPosition(caret);
        Context.Messages.Inform(UnstorableCharacterMessage(*refused), MessageIcon::Warning);
    });
}

bool SettingsDialog::AcceptStoredText(const QString& text)
{
    const std::optional<QString> refused = UnstorableCharacter(text);
    if (refused)
        Context.Messages.Inform(UnstorableCharacterMessage(*refused), MessageIcon::Warning);
    return !refused;
}

QPushButton* SettingsDialog::MakeButton(const QString& caption, const QString& toolTip)
{
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    button->setToolTip(toolTip);
    return button;
}

void SettingsDialog::NameControls(std::initializer_list<std::pair<QObject*, const char*>> roles)
{
    for (const auto& [control, role] : roles)
        control->setObjectName(QLatin1String(role));
}
