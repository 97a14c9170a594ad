// Synthesises the delivered sounds into the folder given as the only
// argument: the start count-in "start.wav", the stop signal "stop.wav" and
// the rank sounds "v1.wav" (top, triumphant) to "v5.wav" (booby, comic).
#include <QDir>
#include <QFile>
#include <cmath>
#include <cstdio>
#include <sndfile.h>
#include <vector>

namespace {

constexpr int Rate = 44100;

// A note with a few harmonics, a soft attack and release, and optionally a
// pitch that glides and wobbles.
struct Note {
    double Start;
    double Duration;
    double Frequency;
    double Amplitude = 0.25;
    std::vector<double> Harmonics = {1.0, 0.5, 0.25};
    double GlideTo = 0.0;
    double VibratoHz = 0.0;
};

class Score {
public:
    explicit Score(double seconds) : Samples(static_cast<size_t>(seconds * Rate), 0.0) {}

    void Add(const Note& note)
    {
        const auto first = static_cast<size_t>(note.Start * Rate);
        const auto count = static_cast<size_t>(note.Duration * Rate);
        const double attack = std::min(0.01, note.Duration / 4);
        const double release = std::min(0.08, note.Duration / 3);
        double phase = 0.0;
        for (size_t i = 0; i < count && first + i < Samples.size(); ++i) {
            const double t = double(i) / Rate;
            const double progress = t / note.Duration;
            double frequency = note.GlideTo > 0 ? note.Frequency * std::pow(note.GlideTo / note.Frequency, progress) : note.Frequency;
            frequency *= 1.0 + 0.02 * std::sin(2 * M_PI * note.VibratoHz * t);
            phase += 2 * M_PI * frequency / Rate;
            double value = 0.0;
            for (size_t h = 0; h < note.Harmonics.size(); ++h)
                value += note.Harmonics[h] * std::sin(phase * double(h + 1));
            const double envelope = std::min({1.0, t / attack, (note.Duration - t) / release});
            Samples[first + i] += note.Amplitude * envelope * value;
        }
    }

    bool Write(const QString& path) const
    {
        SF_INFO info{};
        info.samplerate = Rate;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
        if (!file)
            return false;
        // Clipping is applied by libsndfile when converting from doubles.
        sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
        const sf_count_t written = sf_write_double(file, Samples.data(), static_cast<sf_count_t>(Samples.size()));
        return sf_close(file) == 0 && written == static_cast<sf_count_t>(Samples.size());
    }

private:
    std::vector<double> Samples;
};

// Equal-tempered pitch: 0 is A4 (440 Hz), one step a semitone.
double Pitch(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

const std::vector<double> Brass = {1.0, 0.7, 0.5, 0.35, 0.2, 0.1};
const std::vector<double> Bell = {1.0, 0.0, 0.3, 0.0, 0.1};

// Three short beeps, then a long, higher "go".
Score StartSound()
{
    Score score(2.5);
    for (int beep = 0; beep < 3; ++beep)
        score.Add({0.1 + beep * 0.55, 0.15, Pitch(12), 0.35, Bell});
    score.Add({1.75, 0.75, Pitch(24), 0.4, Bell});
    return score;
}

// A falling two-tone buzz.
Score StopSound()
{
    Score score(0.9);
    score.Add({0.0, 0.4, Pitch(7), 0.3, Brass});
    score.Add({0.42, 0.45, Pitch(0), 0.3, Brass});
    return score;
}

// Top: a rising fanfare onto a held major chord.
Score TopSound()
{
    Score score(1.8);
    const int run[] = {-9, -5, -2, 3};
    for (int i = 0; i < 4; ++i)
        score.Add({i * 0.13, 0.12, Pitch(run[i]), 0.25, Brass});
    for (int chord : {3, 7, 10, 15})
        score.Add({0.55, 1.2, Pitch(chord), 0.14, Brass});
    return score;
}

// Upper ranks: a bright rising phrase.
Score UpperSound()
{
    Score score(1.3);
    const int run[] = {-2, 3, 7, 10};
    for (int i = 0; i < 4; ++i)
        score.Add({i * 0.15, i == 3 ? 0.6 : 0.14, Pitch(run[i]), 0.3, Bell});
    return score;
}

// Middle ranks: a plain "ding-dong".
Score MiddleSound()
{
    Score score(1.2);
    score.Add({0.0, 0.5, Pitch(3), 0.35, Bell});
    score.Add({0.5, 0.65, Pitch(-2), 0.35, Bell});
    return score;
}

// Lower ranks: a falling minor line.
Score LowerSound()
{
    Score score(1.4);
    const int run[] = {7, 3, 0, -5};
    for (int i = 0; i < 4; ++i)
        score.Add({i * 0.25, i == 3 ? 0.4 : 0.22, Pitch(run[i]), 0.3, Brass});
    return score;
}

// Booby prize: the sad trombone, "wah, wah, wah, waaah".
Score BoobySound()
{
    Score score(2.6);
    const int run[] = {-7, -8, -9};
    for (int i = 0; i < 3; ++i)
        score.Add({i * 0.45, 0.4, Pitch(run[i]), 0.3, Brass, Pitch(run[i]) * 0.97});
    score.Add({1.35, 1.2, Pitch(-10), 0.3, Brass, 0.0, 6.0});
    return score;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeDeliveredSounds <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const std::pair<const char*, Score> sounds[] = {
        {"start.wav", StartSound()}, {"stop.wav", StopSound()},   {"v1.wav", TopSound()},   {"v2.wav", UpperSound()},
        {"v3.wav", MiddleSound()},   {"v4.wav", LowerSound()},    {"v5.wav", BoobySound()},
    };
    for (const auto& [name, score] : sounds) {
        if (!score.Write(folder + QLatin1Char('/') + QLatin1String(name))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
