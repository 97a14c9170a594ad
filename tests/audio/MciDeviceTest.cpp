#include "audio/MciDevice.h"

#include "support/FakeRecorder.h"
#include "core/RecordingFile.h"
#include "core/MciErrorText.h"
#include "support/StoreFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class MciDeviceTest : public testing::Test {
protected:
    void SetUp() override
    {
        Folder.Write(QStringLiteral("mksrc16.wav"), MakeRecordingHeader(16000, 16, 0));
    }

    int32_t Run(const QString& command) { return Device.Execute(command).Code; }

    StoreFolder Folder;
    FakeRecorder::Log Recorder;
    MciDevice Device{Folder.Dir.path(), std::make_unique<FakeRecorder>(Recorder)};
};

QByteArray WavHeader(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits)
{
    QByteArray header = MakeRecordingHeader(rate, bits, 0);
    header[20] = static_cast<char>(tag);
    header[22] = static_cast<char>(channels);
    return header;
}

} // namespace

TEST_F(MciDeviceTest, RecordsIntoTheOpenedFileInItsOwnFormat)
{
    Recorder.Signal = QByteArray("\x01\x02\x03\x04", 4);
    // The bare name is found in the current folder whatever its letter case.
    EXPECT_EQ(Run(QStringLiteral("open MKSRC16.WAV alias mysound type waveaudio")), 0);
    EXPECT_EQ(Run(QStringLiteral("record mysound from 0 to 3000 overwrite")), 0);
    EXPECT_EQ(Recorder.Format, (PcmFormat{16000, 16}));
    EXPECT_EQ(Recorder.SampleCount, 48000);
    EXPECT_EQ(Run(QStringLiteral("stop mysound")), 0);
    EXPECT_EQ(Run(QStringLiteral("save mysound")), 0);
    EXPECT_EQ(Run(QStringLiteral("close mysound")), 0);

    const QByteArray file = Folder.Read(QStringLiteral("mksrc16.wav"));
    ASSERT_EQ(file.size(), 46 + 96000);
    EXPECT_EQ(file.left(46), MakeRecordingHeader(16000, 16, 96000));
    EXPECT_EQ(file.mid(46, 4), Recorder.Signal);
}

TEST_F(MciDeviceTest, ClosingWithoutSavingKeepsTheFile)
{
    ASSERT_EQ(Run(QStringLiteral("open mksrc16.wav alias mysound")), 0);
    ASSERT_EQ(Run(QStringLiteral("record mysound from 0 to 1000 overwrite")), 0);
    EXPECT_EQ(Run(QStringLiteral("close mysound")), 0);
    EXPECT_EQ(Folder.Read(QStringLiteral("mksrc16.wav")), MakeRecordingHeader(16000, 16, 0));
    // The alias is free again.
    EXPECT_EQ(Run(QStringLiteral("close mysound")), MciInvalidDeviceName);
}

TEST_F(MciDeviceTest, AcceptsOnlyMonoPcmOfASupportedRateAndWidth)
{
    Folder.Write(QStringLiteral("stereo.wav"), WavHeader(1, 2, 16000, 16));
    Folder.Write(QStringLiteral("float.wav"), WavHeader(3, 1, 16000, 16));
    Folder.Write(QStringLiteral("odd.wav"), MakeRecordingHeader(12345, 16, 0));
    Folder.Write(QStringLiteral("wide.wav"), MakeRecordingHeader(48000, 24, 0));
    Folder.Write(QStringLiteral("text.wav"), QByteArray("not a sound file at all, not even close to one"));
    Folder.Write(QStringLiteral("cut.wav"), MakeRecordingHeader(8000, 8, 0).left(30));
    for (const char* name : {"stereo.wav", "float.wav", "odd.wav", "wide.wav", "text.wav", "cut.wav"})
        EXPECT_EQ(Run(QStringLiteral("open %1 alias mysound").arg(QLatin1String(name))), MciInvalidFile) << name;
    EXPECT_EQ(Run(QStringLiteral("open missing.wav alias mysound")), MciFileNotFound);

    // A header with an extra chunk before the samples is a WAV all the same.
    QByteArray withList = MakeRecordingHeader(8000, 8, 0);
    withList.insert(38, QByteArray("LIST\x03\x00\x00\x00" "abc\x00", 12));
    Folder.Write(QStringLiteral("list.wav"), withList);
    EXPECT_EQ(Run(QStringLiteral("open \"list.wav\" alias mysound")), 0);
}

TEST_F(MciDeviceTest, MalformedCommandsGetThePlatformsCodes)
{
    EXPECT_EQ(Run(QStringLiteral("close mysound")), MciInvalidDeviceName);
    EXPECT_EQ(Run(QStringLiteral("record mysound from 0 to 1000 overwrite")), MciInvalidDeviceName);
    EXPECT_EQ(Run(QStringLiteral("play mysound")), MciUnrecognizedCommand);
    EXPECT_EQ(Run(QStringLiteral("open \"mksrc16.wav alias mysound")), MciNoClosingQuote);
    EXPECT_EQ(Run(QStringLiteral("open mksrc16.wav alias")), MciMissingStringArgument);
    EXPECT_EQ(Run(QStringLiteral("open mksrc16.wav alias mysound type sequencer")), MciInvalidDeviceName);
    EXPECT_EQ(Run(QStringLiteral("stop")), MciMissingDeviceName);

    ASSERT_EQ(Run(QStringLiteral("open mksrc16.wav alias mysound")), 0);
    EXPECT_EQ(Run(QStringLiteral("open mksrc16.wav alias MySound")), MciDuplicateAlias);
    EXPECT_EQ(Run(QStringLiteral("record mysound from 0 to soon")), MciBadInteger);
    EXPECT_EQ(Run(QStringLiteral("record mysound from 500 to 1000")), MciOutOfRange);
    EXPECT_EQ(Run(QStringLiteral("record mysound from 0 to 99999999999")), MciOutOfRange);
    EXPECT_EQ(Run(QStringLiteral("record mysound from 0 to")), MciMissingParameter);
    EXPECT_EQ(Run(QStringLiteral("record mysound gently")), MciUnrecognizedKeyword);
    EXPECT_EQ(Recorder.SampleCount, -1) << "no malformed record may start the recorder";
}

TEST_F(MciDeviceTest, NoSuitableInputIs328AndLeavesTheFile)
{
    Recorder.Accepts = false;
    ASSERT_EQ(Run(QStringLiteral("open mksrc16.wav alias mysound")), 0);
    EXPECT_EQ(Run(QStringLiteral("record mysound from 0 to 1000 overwrite")), MciWaveInputsUnsuitable);
    EXPECT_EQ(Run(QStringLiteral("save mysound")), 0);
    EXPECT_EQ(Folder.Read(QStringLiteral("mksrc16.wav")), MakeRecordingHeader(16000, 16, 0));
}

TEST_F(MciDeviceTest, AFailedSaveIsReported)
{
    ASSERT_EQ(Run(QStringLiteral("open mksrc16.wav alias mysound")), 0);
    ASSERT_EQ(Run(QStringLiteral("record mysound from 0 to 10 overwrite")), 0);
    // A folder where the file was cannot be written over.
    ASSERT_TRUE(QFile::remove(Folder.Path(QStringLiteral("mksrc16.wav"))));
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("mksrc16.wav"))));
    EXPECT_EQ(Run(QStringLiteral("save mysound")), MciFileNotSaved);
}

TEST_F(MciDeviceTest, ReportsModeAndRecordedPosition)
{
    ASSERT_EQ(Run(QStringLiteral("open mksrc16.wav alias mysound")), 0);
    ASSERT_EQ(Run(QStringLiteral("record mysound from 0 to 1500 overwrite")), 0);
    EXPECT_EQ(Device.Execute(QStringLiteral("status mysound position")).Text, QStringLiteral("1500"));
    EXPECT_EQ(Device.Execute(QStringLiteral("status mysound mode")).Text, QStringLiteral("stopped"));
}

TEST(MciErrorText, EveryCodeTheDeviceReturnsHasAText)
{
    for (int32_t code : {MciUnrecognizedKeyword, MciUnrecognizedCommand, MciInvalidDeviceName, MciDeviceOpen,
                         MciMissingStringArgument, MciBadInteger, MciMissingParameter, MciFileNotFound, MciOutOfRange,
                         MciFileNotSaved, MciDuplicateAlias, MciMissingDeviceName, MciNoClosingQuote, MciInvalidFile,
                         MciWaveInputsUnsuitable})
        EXPECT_TRUE(MciErrorText(code).has_value()) << code;
    EXPECT_FALSE(MciErrorText(12345).has_value());
}
