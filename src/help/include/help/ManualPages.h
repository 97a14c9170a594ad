#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <vector>

// The operator's manual: a folder of HTML pages, the contents page
// "index.html" and one page per chapter, the chapters in the order of their
// file names ("01-install.html", "02-before.html" ...).

inline const QString ManualContentsPage = QStringLiteral("index.html");

struct ManualPage {
    QString File;  // the file name within the manual's folder
    QString Title; // the page's <title>, or its file name without one
};

// True when `folder` holds the manual's contents page.
bool HoldsManual(const QString& folder);

// The first of `folders` that holds the manual; empty when none does.
QString FindManual(const QStringList& folders);

// The contents page, then every chapter; an unreadable page keeps its place
// under its file name.
std::vector<ManualPage> ManualContents(const QString& folder);

// The pages whose text (not their markup) holds `word`, regardless of
// letter case, in the order of the contents; none for an empty word.
std::vector<ManualPage> PagesContaining(const QString& folder, const QString& word);

// Where a link clicked on the page `current` of the manual in `folder`
// leads: the page (with its anchor) when it is a page of the manual; nothing
// for anything else (another folder, a file that is not a page, the
// network), which the help window does not open.
std::optional<QUrl> ManualLinkTarget(const QString& folder, const QUrl& current, const QUrl& link);

// What the operator is told when no folder holds the manual, naming each
// folder looked in.
QString ManualMissingMessage(const QStringList& folders);
