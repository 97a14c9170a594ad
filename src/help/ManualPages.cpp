#include "help/ManualPages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

QString ReadPage(const QString& folder, const QString& file)
{
    QFile page(QDir(folder).filePath(file));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(page.readAll());
}

QString TitleOf(const QString& html, const QString& file)
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString found = title.match(html).captured(1).trimmed();
    return found.isEmpty() ? QFileInfo(file).completeBaseName() : found;
}

// The text a reader sees, so that a search never matches a tag or an
// attribute.
QString VisibleText(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

}

bool HoldsManual(const QString& folder)
{
    return QFileInfo(QDir(folder).filePath(ManualContentsPage)).isFile();
}

QString FindManual(const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (HoldsManual(folder))
            return QDir::cleanPath(folder);
    }
    return {};
}

std::vector<ManualPage> ManualContents(const QString& folder)
{
    QStringList files{ManualContentsPage};
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        if (file != ManualContentsPage)
            files << file;
    }
    std::vector<ManualPage> pages;
    for (const QString& file : files)
        pages.push_back({file, TitleOf(ReadPage(folder, file), file)});
    return pages;
}

std::vector<ManualPage> PagesContaining(const QString& folder, const QString& word)
{
    std::vector<ManualPage> found;
    if (word.trimmed().isEmpty())
        return found;
    for (const ManualPage& page : ManualContents(folder)) {
        if (VisibleText(ReadPage(folder, page.File)).contains(word.trimmed(), Qt::CaseInsensitive))
            found.push_back(page);
    }
    return found;
}

QString ManualMissingMessage(const QStringList& folders)
{
    QStringList shown;
    for (const QString& folder : folders)
        shown << QDir::toNativeSeparators(QDir::cleanPath(folder));
    return QStringLiteral("ヘルプファイルが見つかりません！\n") + shown.join(QLatin1Char('\n'));
}

std::optional<QUrl> ManualLinkTarget(const QString& folder, const QUrl& current, const QUrl& link)
{
    const QUrl target = current.resolved(link);
    if (!target.isLocalFile())
        return std::nullopt;
    // Through the real paths: a link's "..", or a symbolic link in the
    // manual, does not lead out of it.
    const QFileInfo page(target.toLocalFile());
    const QString inside = QFileInfo(folder).canonicalFilePath() + QLatin1Char('/');
    if (!page.isFile() || page.suffix() != QLatin1String("html") || !page.canonicalFilePath().startsWith(inside))
        return std::nullopt;
    return target;
}
