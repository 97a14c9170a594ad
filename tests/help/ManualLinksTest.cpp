#include "help/ManualPages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString Manual = QStringLiteral(ZUVELO_MANUAL_SOURCE);

QString Read(const QString& file)
{
    QFile page(QDir(Manual).filePath(file));
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

// The anchors a page can be opened at: <a name="…"> and id="…".
QStringList AnchorsOf(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re((?:name|id)="([^"]+)")re"));
    QStringList names;
    for (const QRegularExpressionMatch& match : anchor.globalMatch(html))
        names << match.captured(1);
    return names;
}

// Every href and src of `file` that points nowhere in the manual's folder.
QStringList BrokenReferences(const QString& file)
{
    static const QRegularExpression reference(QStringLiteral(R"re((href|src)="([^"]*)")re"));
    const QString html = Read(file);
    QStringList broken;
    for (const QRegularExpressionMatch& match : reference.globalMatch(html)) {
        const QUrl target(match.captured(2));
        const QString path = target.path().isEmpty() ? file : target.path();
        const bool inside = target.isRelative() && !path.contains(QStringLiteral(".."));
        const bool exists = inside && QFileInfo(QDir(Manual).filePath(path)).isFile();
        const bool anchored = !target.hasFragment() || AnchorsOf(Read(path)).contains(target.fragment());
        if (!exists || !anchored)
            broken << file + QStringLiteral(": ") + match.captured(2);
    }
    return broken;
}

}

TEST(DeliveredManual, EveryLinkAndPictureOfEveryPageResolvesInsideTheManual)
{
    ASSERT_TRUE(HoldsManual(Manual));
    const std::vector<ManualPage> pages = ManualContents(Manual);
    ASSERT_GE(pages.size(), 7u) << "the contents and the six chapters";
    QStringList broken;
    for (const ManualPage& page : pages)
        broken << BrokenReferences(page.File);
    EXPECT_TRUE(broken.isEmpty()) << broken.join(u'\n').toStdString();
}
