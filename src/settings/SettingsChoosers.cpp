#include "settings/SettingsChoosers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

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
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, parent, QString(), QFontDialog::DontUseNativeDialog);
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
