#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// The windows the main menu opens, by name ("MainFRM", "ZanFRM", ...). Each
// kind is made by its factory on first use and reused for the whole run. A
// name without a factory opens nothing, so a menu entry can exist before its
// window does.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*(QWidget* parent)>;

    ~WindowRegistry();

    void Register(const QString& name, Factory factory);
    bool IsRegistered(const QString& name) const;

    // Opens the window and waits until it is closed; false when none is registered.
    bool ShowModal(const QString& name, QWidget* owner);
    // Opens the window beside the menu. Such a window has no parent, so it
    // keeps the program running when the menu is closed before it.
    bool ShowModeless(const QString& name);

    // The window made so far under that name, if any.
    QWidget* Existing(const QString& name) const;

private:
    QWidget* Window(const QString& name, QWidget* parent);

    QHash<QString, Factory> Factories;
    QHash<QString, QPointer<QWidget>> Windows;
};
