#pragma once

#include <QString>

// The folder that holds the program and all of its data files. Names are
// matched without regard to letter case, so "MKSRC.WAV" finds "mksrc.wav".
class ProgramFolder {
public:
    explicit ProgramFolder(QString path);

    const QString& Path() const { return FolderPath; }

    // Full path of the entry whose name equals `name` ignoring case; when no
    // such entry exists, the path under which a new file of that name is made.
    QString FilePath(const QString& name) const;
    // A file a setting names: an absolute path as it stands, a relative one
    // in this folder (as FilePath finds it), whatever the current folder.
    QString Resolve(const QString& setting) const;

    // The folder of the running executable.
    static QString OfExecutable();

private:
    QString FolderPath;
};
