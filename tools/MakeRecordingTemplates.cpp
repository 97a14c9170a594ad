// Writes the empty recording templates, one per recording quality, into the
// folder given as the only argument.
#include "core/RecordingFile.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeRecordingTemplates <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (int quality = 0; quality <= 2; ++quality) {
        const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
        QFile file(folder + QLatin1Char('/') + QLatin1String(format.TemplateName));
        const QByteArray header = MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0);
        if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
