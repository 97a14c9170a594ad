#include "audio/MultimediaPlayer.h"

#include "support/EventWaits.h"
#include "support/SoundServer.h"
#include "support/StoreFolder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// A sound file of the given libsndfile format holding a quiet tone.
void WriteSound(const QString& path, int format, int rate, int channels, double seconds)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<double> samples(static_cast<size_t>(rate * seconds) * channels);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.2 * std::sin(2 * M_PI * 660.0 * double(i / channels) / rate);
    sf_write_double(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
}

// Streams playing on the default output "speakers" of the test server.
int StreamsOnSpeakers()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
    pactl.waitForFinished(5000);
    QByteArray speakers;
    for (const QByteArray& line : pactl.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() > 1 && fields[1] == "speakers")
            speakers = fields[0];
    }
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished(5000);
    int streams = 0;
    for (const QByteArray& line : pactl.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        // The server's own loopback of silence does not count.
        streams += fields.size() > 3 && fields[1] == speakers && fields[3] != "module-loopback.c";
    }
    return streams;
}

class PlayerOnServer : public SoundServerTest {
protected:
    StoreFolder Folder;
    MultimediaPlayer Player;
};

} // namespace

TEST(MultimediaPlayer, AFileThatCannotBeOpenedLeavesThePlayerNotOpen)
{
    StoreFolder folder;
    folder.Write(QStringLiteral("junk.wav"), QByteArray("RIFF\x10\x00\x00\x00WAVEfmt junkjunk", 24));
    MultimediaPlayer player;
    for (const QString& name : {QStringLiteral("missing.wav"), QStringLiteral("junk.wav")}) {
        player.FileName = folder.Path(name);
        player.Command(QStringLiteral("Open"));
        player.Command(QStringLiteral("Prev"));
        player.Command(QStringLiteral("Play"));
        EXPECT_EQ(player.Mode(), MultimediaPlayer::ModeNotOpen) << name.toStdString();
        EXPECT_EQ(player.Length(), 0);
        EXPECT_EQ(player.Position(), 0);
    }
}

TEST(MultimediaPlayer, TheDeliveredSoundsOpenWithTheirLengths)
{
    MultimediaPlayer player;
    for (const char* name : {"start.wav", "stop.wav", "v1.wav", "v2.wav", "v3.wav", "v4.wav", "v5.wav"}) {
        player.FileName = QStringLiteral(ZUVELO_DATA_DIR "/") + QLatin1String(name);
        player.Command(QStringLiteral("Open"));
        EXPECT_EQ(player.Mode(), MultimediaPlayer::ModeStopped) << name;
        EXPECT_GE(player.Length(), 800) << name;
    }
    player.FileName = QStringLiteral(ZUVELO_DATA_DIR "/start.wav");
    player.Command(QStringLiteral("Open"));
    EXPECT_EQ(player.Length(), 2500) << "the count-in lasts about 2.5 s";
}

TEST_F(PlayerOnServer, PlaysCommonFormatsToTheirEnd)
{
    struct Case {
        const char* Name;
        int Format;
        int Rate;
        int Channels;
    };
    for (const Case& sound : {Case{"u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 11025, 1},
                              Case{"s16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2},
                              Case{"s24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 1}}) {
        SCOPED_TRACE(sound.Name);
        WriteSound(Folder.Path(QLatin1String(sound.Name)), sound.Format, sound.Rate, sound.Channels, 0.8);
        Player.FileName = Folder.Path(QLatin1String(sound.Name));
        Player.Command(QStringLiteral("Open"));
        // The length is known before anything plays.
        EXPECT_EQ(Player.Length(), 800);
        Player.Command(QStringLiteral("Prev"));
        Player.Command(QStringLiteral("Play"));
        EXPECT_EQ(Player.Mode(), MultimediaPlayer::ModePlaying);

        QElapsedTimer clock;
        clock.start();
        std::vector<qint64> positions;
        while (Player.Position() < Player.Length() && clock.elapsed() < 3000) {
            positions.push_back(Player.Position());
            HandleEventsFor(20);
        }
        const qint64 endedAfter = clock.elapsed();
        EXPECT_EQ(Player.Position(), 800);
        EXPECT_EQ(Player.Mode(), MultimediaPlayer::ModeStopped);
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
        EXPECT_TRUE(std::any_of(positions.begin(), positions.end(), [](qint64 at) { return at > 200 && at < 700; }))
            << "the position advances while the sound plays";
        // The end is not reported before the sound can have been heard.
        EXPECT_GE(endedAfter, 750);
        EXPECT_LT(endedAfter, 1800);
    }
}

TEST_F(PlayerOnServer, CloseStopsTheSound)
{
    WriteSound(Folder.Path(QStringLiteral("long.wav")), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 5.0);
    Player.FileName = Folder.Path(QStringLiteral("long.wav"));
    Player.Command(QStringLiteral("Open"));
    Player.Command(QStringLiteral("Play"));
    HandleEventsFor(400);
    EXPECT_EQ(StreamsOnSpeakers(), 1);
    EXPECT_GT(Player.Position(), 0);

    Player.Command(QStringLiteral("Close"));
    EXPECT_EQ(Player.Mode(), MultimediaPlayer::ModeNotOpen);
    EXPECT_EQ(Player.Position(), 0);
    EXPECT_EQ(Player.Length(), 0);
    HandleEventsFor(200);
    EXPECT_EQ(StreamsOnSpeakers(), 0);
}
