#include "core/ProgramOptions.h"

#include "support/StoreFolder.h"

#include <gtest/gtest.h>

TEST(ProgramOptions, AMissingEmptyOrDamagedFileReadsAsTheDefaults)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("\xff\xfe\0[[[Audio\nInput=\"x", 18)}) {
        StoreFolder folder;
        if (!content.isNull())
            folder.Write(QStringLiteral("ZUVELO.INI"), content);
        const ProgramOptions options = LoadProgramOptions(folder.Context);
        EXPECT_TRUE(options.AudioInput.isEmpty());
        EXPECT_TRUE(options.AudienceScreen.Name.isEmpty());
    }
}

TEST(ProgramOptions, AreStoredInTheirSectionsAndReadBackOverADamagedFile)
{
    StoreFolder folder;
    folder.Write(QStringLiteral("zuvelo.ini"), QByteArray("[Audio\nInput=\"unterminated\n"));
    const ScreenIdentity projector{QStringLiteral("HDMI-1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"),
                                   QStringLiteral("X5KH1234"), QRect(-1024, 0, 1024, 768)};
    ASSERT_FALSE(SaveProgramOptions(folder.Context, {QStringLiteral("alsa_input.usb-mic"), projector}));
    const QByteArray text = folder.Read(QStringLiteral("zuvelo.ini"));
    EXPECT_TRUE(text.contains("[Audio]\nInput=alsa_input.usb-mic")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Screen]\nAudience=HDMI-1\nGeometry=-1024, 0, 1024, 768\nManufacturer=EPSON\nModel=EB-X51\n"
                              "SerialNumber=X5KH1234"))
        << text.toStdString();
    const ProgramOptions options = LoadProgramOptions(folder.Context);
    EXPECT_EQ(options.AudioInput, QStringLiteral("alsa_input.usb-mic"));
    EXPECT_EQ(options.AudienceScreen.Name, projector.Name);
    EXPECT_EQ(options.AudienceScreen.SerialNumber, projector.SerialNumber);
    EXPECT_EQ(options.AudienceScreen.Geometry, projector.Geometry);
}

TEST(ProgramOptions, ADamagedScreenGeometryIsNone)
{
    for (const char* geometry : {"1280,0,1024", "1280,0,1024,x", "1280,0,0,768", "1280,0,-1024,768"}) {
        StoreFolder folder;
        folder.Write(QStringLiteral("ZUVELO.INI"), QByteArray("[Screen]\nAudience=HDMI-1\nGeometry=") + geometry + "\n");
        const ScreenIdentity screen = LoadProgramOptions(folder.Context).AudienceScreen;
        EXPECT_EQ(screen.Name, QStringLiteral("HDMI-1")) << geometry;
        EXPECT_TRUE(screen.Geometry.isNull()) << geometry;
    }
}

TEST(ProgramOptions, TheHallIsOffOn8080UnlessToldClearlyAndSavingItKeepsTheOtherOptions)
{
    StoreFolder folder;
    EXPECT_FALSE(LoadProgramOptions(folder.Context).Hall.Enabled);
    folder.Write(QStringLiteral("ZUVELO.INI"), "[Hall]\nEnabled=yes\nPort=70000\n");
    EXPECT_FALSE(LoadProgramOptions(folder.Context).Hall.Enabled);
    EXPECT_EQ(LoadProgramOptions(folder.Context).Hall.Port, 8080);

    ProgramOptions options;
    options.AudioInput = QStringLiteral("mic");
    options.AudienceScreen.Name = QStringLiteral("HDMI-1");
    ASSERT_FALSE(SaveProgramOptions(folder.Context, options));
    ASSERT_FALSE(SaveHallOptions(folder.Context, {true, 8123, QStringLiteral("http://10.0.0.2:8123/")}));
    const HallOptions hall = LoadProgramOptions(folder.Context).Hall;
    EXPECT_TRUE(hall.Enabled);
    EXPECT_EQ(hall.Port, 8123);
    EXPECT_EQ(LoadProgramOptions(folder.Context).AudienceScreen.Name, QStringLiteral("HDMI-1"));
}
