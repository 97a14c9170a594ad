#include "widgets/DesktopSetup.h"

#include "support/WidgetTestSupport.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QMessageBox>
#include <gtest/gtest.h>

TEST(DesktopSetup, TheWindowsFontNamesResolveToTheIpaFonts)
{
    EnsureApplication();
    InstallFontSubstitutions();
    const std::pair<const char*, const char*> fonts[] = {
        {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ 明朝", "IPAMincho"}, {"ＭＳ Ｐ明朝", "IPAPMincho"}};
    for (const auto& [windowsName, ipaName] : fonts)
        EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(windowsName), 12)).family(), QString::fromLatin1(ipaName)) << windowsName;
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("IPAPGothic"));
}

TEST(DesktopSetup, StandardButtonsReadInJapanese)
{
    EnsureApplication();
    ASSERT_TRUE(InstallJapaneseTranslations(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("いいえ")));
}
