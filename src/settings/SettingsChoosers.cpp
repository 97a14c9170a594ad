#include "settings/SettingsChoosers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>

namespace {

std::optional<QColor> AskColour(const QColor& initial, QWidget* parent)
{
    const QColor chosen = QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> AskFont(const QFont& initial, QWidget* parent)
{
    // The dialog lists the fonts by the names they are installed under, not
    // by the Windows names that stand in for them ("ＭＳ ゴシック").
    QFont preset = initial;
    preset.setFamily(QFontInfo(initial).family());
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, preset, parent, QString(), QFontDialog::DontUseNativeDialog);
    if (!chosen)
        return std::nullopt;
    return font;
}

std::optional<QString> AskFile(const QString& preset, const QString& title, const QString& filter, QWidget* parent)
{
    QFileDialog dialog(parent, title, QFileInfo(preset).absolutePath(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.resize(760, 460);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!preset.isEmpty())
        dialog.selectFile(preset);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

}

SettingsChoosers SettingsChoosers::QtDialogs()
{
    return {AskColour, AskFont, AskFile};
}
