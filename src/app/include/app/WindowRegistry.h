#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// The application's windows, by name (WindowNames.h). Each kind is made by
// its factory on first use and reused for the whole run. Opening a name that
// has no window registered is a fault of the wiring and ends the program with
// a message naming it.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*(QWidget* parent)>;

    ~WindowRegistry();

    void Register(const QString& name, Factory factory);
    bool IsRegistered(const QString& name) const;

    // Opens the window and waits until it is closed. `prepare` runs on the
    // window before it is shown: the wiring hands it its open request there.
    void ShowModal(const QString& name, QWidget* owner, const std::function<void(QWidget*)>& prepare = {});
    // Opens the window beside the menu. Such a window has no parent, so it
    // keeps the program running when the menu is closed before it.
    void ShowModeless(const QString& name, const std::function<void(QWidget*)>& prepare = {});

    // The window made so far under that name, if any.
    QWidget* Existing(const QString& name) const;
    // The window under that name, made on first use, without showing it: for
    // a window that acts without ever being seen.
    QWidget* Instance(const QString& name, QWidget* owner = nullptr);

private:
    QWidget* Window(const QString& name, QWidget* parent);

    QHash<QString, Factory> Factories;
    QHash<QString, QPointer<QWidget>> Windows;
};
