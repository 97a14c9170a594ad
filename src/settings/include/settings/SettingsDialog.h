#pragma once

#include "settings/SettingsChoosers.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

class ContestSession;
class QLabel;
class QLineEdit;
class QPushButton;
class ScreenFit;

// What the five settings windows share: each loads its file when it opens,
// registers its settings after a question and closes, edits numbers through
// NumberPair and yes/no values through YesNoPair, and locks what a running
// contest must keep. Each stays within its screen's free area (ScreenFit).
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(ContestSession& context, const QString& caption, QWidget* parent);

    // Runs each time the window is opened.
    virtual void LoadOnOpen() = 0;

    // The colour, font and file choosers; Qt's dialogs unless a test gives
    // stand-ins.
    void SetChoosers(SettingsChoosers choosers) { Choosers = std::move(choosers); }

protected:
    // Asks "設定を登録しますか？" (Yes/No, information icon, with `title`);
    // on Yes runs `store`, which copies the controls into the settings and
    // saves the file. Only a successful save is confirmed with `doneText` and
    // closes the window: a failed one has shown its own message and the
    // window stays open with the edits.
    void RegisterSettings(const QString& title, const QString& doneText, const std::function<bool()>& store);

    // Asks the measurement log for the next entry number. While it holds
    // entrants or cannot be read, shows `message` on `label` and disables
    // `locked`; otherwise hides the label and enables them. True while locked.
    bool ApplyContestLock(QLabel* label, const QString& message, std::initializer_list<QWidget*> locked);

    // Refuses, as it is typed, a character that the settings file cannot
    // hold, with a message that says why; the box keeps its text.
    void GuardStoredText(QLineEdit* box);
    // A chosen text (a font name, a file path) that the file cannot hold is
    // refused the same way; true when it can be stored.
    bool AcceptStoredText(const QString& text);

    QPushButton* MakeButton(const QString& caption, const QString& toolTip = {});
    // Gives each control its role as object name, by which tests find it.
    static void NameControls(std::initializer_list<std::pair<QObject*, const char*>> roles);

    // False keeps the window open when asked to close.
    virtual bool MayClose() { return true; }

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    ContestSession& Context;
    SettingsChoosers Choosers = SettingsChoosers::QtDialogs();

private:
    ScreenFit* Fitting = nullptr;
};
