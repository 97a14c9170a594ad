#include "app/MenuWindows.h"

#include "app/EVSET00.h"
#include "app/InitFRM.h"
#include "app/S_VERFRM.h"
#include "app/WindowRegistry.h"
#include "measure/MainFRM.h"

// Modal windows are made with the menu as parent; modeless ones ("VVPRNOUT",
// "EVHYO30") are made without one.
void RegisterMenuWindows(WindowRegistry& windows, AppContext& context)
{
    windows.Register(QStringLiteral("MainFRM"), [&context](QWidget* parent) { return new MainFRM(context, parent); });
    windows.Register(QStringLiteral("InitFRM"), [&context](QWidget* parent) { return new InitFRM(context, parent); });
    windows.Register(QStringLiteral("EVSET00"), [&context](QWidget* parent) { return new EVSET00(context, parent); });
    windows.Register(QStringLiteral("S_VERFRM"), [&context](QWidget* parent) { return new S_VERFRM(context, parent); });
}
