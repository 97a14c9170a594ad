#pragma once

#include "core/ContestState.h"
#include "ScriptedMessageBox.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder with a state of its own over scripted message
// boxes.
template <class State>
class BasicTestFolder {
public:
    BasicTestFolder() : Context(Dir.path(), Messages) {}

    QString Path(const QString& name) const { return Dir.path() + QLatin1Char('/') + name; }

    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << name.toStdString();
    }

    QByteArray Read(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool Exists(const QString& name) const { return QFile::exists(Path(name)); }

    QTemporaryDir Dir;
    ScriptedMessageBox Messages;
    State Context;
};

using TestFolder = BasicTestFolder<ContestState>;

// gtest prints QStrings readably.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
