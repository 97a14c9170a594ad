#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The colour, font and file choosers of the settings windows: Qt's own
// dialogs, in Japanese with the program's translations. Each gives nothing
// when the operator cancels. Tests give stand-ins for the ones they use.
struct SettingsChoosers {
    std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)> ChooseColour = {};
    std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)> ChooseFont = {};
    // `filter` in Qt's notation, "ｻｳﾝﾄﾞﾌｧｲﾙ(WAV) (*.WAV *.wav)".
    std::function<std::optional<QString>(const QString& preset, const QString& title, const QString& filter, QWidget* parent)>
        ChooseFile = {};

    static SettingsChoosers QtDialogs();
};
