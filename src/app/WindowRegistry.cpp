#include "app/WindowRegistry.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>

namespace {

// Ends a local event loop when the watched window is hidden or destroyed.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* window, QEventLoop& loop) : Loop(loop)
    {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            Loop.quit();
        return false;
    }

private:
    QEventLoop& Loop;
};

// A plain widget is made modal the way a dialog's exec() would.
void RunModal(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->exec();
        return;
    }
    QEventLoop loop;
    HideWatcher watcher(window, loop);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    loop.exec();
}

}

WindowRegistry::~WindowRegistry()
{
    for (const QPointer<QWidget>& window : std::as_const(Windows)) {
        if (window && !window->parent())
            delete window.data();
    }
}

void WindowRegistry::Register(const QString& name, Factory factory)
{
    Factories.insert(name, std::move(factory));
}

bool WindowRegistry::IsRegistered(const QString& name) const
{
    return Factories.contains(name);
}

QWidget* WindowRegistry::Existing(const QString& name) const
{
    return Windows.value(name);
}

QWidget* WindowRegistry::Instance(const QString& name, QWidget* owner)
{
    return Window(name, owner);
}

QWidget* WindowRegistry::Window(const QString& name, QWidget* parent)
{
    if (QWidget* existing = Windows.value(name))
        return existing;
    const auto factory = Factories.constFind(name);
    if (factory == Factories.constEnd())
        qFatal("No window is registered under the name \"%s\"", qPrintable(name));
    QWidget* window = (*factory)(parent);
    Windows.insert(name, window);
    return window;
}

void WindowRegistry::ShowModal(const QString& name, QWidget* owner, const std::function<void(QWidget*)>& prepare)
{
    QWidget* window = Window(name, owner);
    if (prepare)
        prepare(window);
    RunModal(window);
}

void WindowRegistry::ShowModeless(const QString& name, const std::function<void(QWidget*)>& prepare)
{
    QWidget* window = Window(name, nullptr);
    if (prepare)
        prepare(window);
    window->show();
    window->raise();
    window->activateWindow();
}
