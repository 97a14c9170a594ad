#pragma once

#include <QString>

// The names under which the application registers and opens its windows,
// kept in one place so that the menu and the wiring cannot drift apart.
namespace WindowName {
inline const QString MainFRM = QStringLiteral("MainFRM");
inline const QString VhyoFRM = QStringLiteral("VhyoFRM");
inline const QString ZanFRM = QStringLiteral("ZanFRM");
inline const QString VVPRNOUT = QStringLiteral("VVPRNOUT");
inline const QString PreView1 = QStringLiteral("PreView1");
inline const QString EVHYO30 = QStringLiteral("EVHYO30");
inline const QString InitFRM = QStringLiteral("InitFRM");
inline const QString VVSET01 = QStringLiteral("VVSET01");
inline const QString VVSET02 = QStringLiteral("VVSET02");
inline const QString VVSET03 = QStringLiteral("VVSET03");
inline const QString EVSET20 = QStringLiteral("EVSET20");
inline const QString EVSET09 = QStringLiteral("EVSET09");
inline const QString EVCHK02 = QStringLiteral("EVCHK02");
inline const QString EVSET00 = QStringLiteral("EVSET00");
inline const QString S_VERFRM = QStringLiteral("S_VERFRM");
}
