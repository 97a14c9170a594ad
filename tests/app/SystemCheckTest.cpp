#include "app/StartUp.h"
#include "app/SystemCheck.h"

#include "support/AppTestFolder.h"

#include <QSysInfo>

#include <gtest/gtest.h>

namespace {
const QString Windows = QStringLiteral("winnt");
}

TEST(CheckOperatingSystem, WindowsFromVistaOnUseTheControlPanelAndSndvol)
{
    for (const char* name : {"Microsoft Windows 10 Pro", "Microsoft Windows Vista Business", "Microsoft Windows 7 Home Premium",
                             "Microsoft Windows 8.1 Pro"}) {
        AppTestFolder folder;
        EXPECT_TRUE(CheckOperatingSystem(folder.Context, QString::fromUtf8(name), Windows)) << name;
        EXPECT_EQ(folder.Context.RecVolumeCommand, QStringLiteral("\\windows\\system32\\CONTROL.EXE mmsys.cpl,,1"));
        EXPECT_EQ(folder.Context.PlayVolumeCommand, QStringLiteral("\\windows\\system32\\sndvol.exe"));
        EXPECT_TRUE(folder.Messages.Messages.empty());
    }
}

TEST(CheckOperatingSystem, WindowsXpUsesSndvol32)
{
    AppTestFolder folder;
    EXPECT_TRUE(CheckOperatingSystem(folder.Context, QStringLiteral("Microsoft Windows XP Professional"), Windows));
    EXPECT_EQ(folder.Context.RecVolumeCommand, QStringLiteral("\\windows\\system32\\sndvol32.exe /r"));
    EXPECT_EQ(folder.Context.PlayVolumeCommand, QStringLiteral("\\windows\\system32\\sndvol32.exe /s"));
}

TEST(CheckOperatingSystem, AnyLinuxUsesTheTabsOfPavucontrolWhateverItsName)
{
    for (const char* name : {"Debian GNU/Linux 12 (bookworm)", "Ubuntu 24.04 LTS", "Fedora Linux 40", ""}) {
        AppTestFolder folder;
        EXPECT_TRUE(CheckOperatingSystem(folder.Context, QString::fromUtf8(name), QStringLiteral("linux"))) << name;
        EXPECT_EQ(folder.Context.RecVolumeCommand, QStringLiteral("pavucontrol --tab=4"));
        EXPECT_EQ(folder.Context.PlayVolumeCommand, QStringLiteral("pavucontrol --tab=3"));
    }
}

TEST(CheckOperatingSystem, OtherNamesAreRefusedWithAMessage)
{
    for (const char* name : {"", "MICROSOFT WINDOWS 10 PRO", "Microsoft Windows 11 Pro", "Microsoft Windows Server 2019",
                             "Microsoft Windows 2000", "Debian GNU/Linux 12 (bookworm)"}) {
        AppTestFolder folder;
        EXPECT_FALSE(CheckOperatingSystem(folder.Context, QString::fromUtf8(name), Windows)) << name;
        EXPECT_TRUE(folder.Context.RecVolumeCommand.isEmpty());
        EXPECT_TRUE(folder.Context.PlayVolumeCommand.isEmpty());
        ASSERT_EQ(folder.Messages.Messages.size(), 1u);
        EXPECT_EQ(folder.Messages.Messages[0].Text, QStringLiteral("ご利用のOSには対応しておりません！"));
        EXPECT_EQ(folder.Messages.Messages[0].Icon, MessageIcon::Information);
        EXPECT_TRUE(folder.Messages.Messages[0].Title.isEmpty());
    }
}

TEST(OperatingSystemName, IsThePrettyNameOfOsRelease)
{
    EXPECT_EQ(PrettyNameOf("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n"),
              QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    EXPECT_EQ(PrettyNameOf("PRETTY_NAME='Alpine Linux'\n"), QStringLiteral("Alpine Linux"));
    EXPECT_EQ(PrettyNameOf("PRETTY_NAME=\"Say \\\"Linux\\\"\"\n"), QStringLiteral("Say \"Linux\""));
    EXPECT_EQ(PrettyNameOf("NAME=Linux\nX_PRETTY_NAME=\"no\"\n"), QString());
    EXPECT_EQ(PrettyNameOf(""), QString());
}

TEST(OperatingSystemName, ThisMachineIsAccepted)
{
    AppTestFolder folder;
    EXPECT_TRUE(CheckOperatingSystem(folder.Context, OperatingSystemName(), QSysInfo::kernelType())) << OperatingSystemName().toStdString();
}

TEST(CheckOperatingSystem, ARefusalEndsTheStartUpWithBothMessages)
{
    AppTestFolder folder;
    EXPECT_FALSE(CheckSystemAtStart(folder.Context, QStringLiteral("Microsoft Windows 11 Pro"), Windows));
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("ご利用のOSには対応しておりません！"),
                                                             QStringLiteral("本製品はこのパソコンではご利用できません！")}));
    EXPECT_TRUE(CheckSystemAtStart(folder.Context, QStringLiteral("Ubuntu 24.04 LTS"), QStringLiteral("linux")));
}
