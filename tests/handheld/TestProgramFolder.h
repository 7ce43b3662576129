#pragma once

#include "placedb/FieldReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace orvel {

// A program folder in a temporary directory: the ephemeris of the build and an
// OrvelDB folder holding the fixtures of tests/data/placedb, masked as stored.
class TestProgramFolder {
public:
    TestProgramFolder()
    {
        QFile::link(QStringLiteral(ORVEL_EPHE_DIR), path() + QStringLiteral("/Ephem"));
        QDir(path()).mkdir(QStringLiteral("OrvelDB"));
        const QString fixtures = QStringLiteral(ORVEL_TEST_DATA_DIR "/placedb");
        for (const QString &name : QDir(fixtures).entryList(QDir::Files)) {
            QFile file(fixtures + u'/' + name);
            file.open(QIODevice::ReadOnly);
            write(name, file.readAll());
        }
    }

    QString path() const { return m_dir.path(); }
    QString database() const { return path() + QStringLiteral("/OrvelDB"); }
    QString file(const QString &name) const { return path() + u'/' + name; }

    // Stores plain text masked as OrvelDB/`name`.
    void write(const QString &name, QByteArray plain) const
    {
        FieldReader::UnmaskBuffer(plain.data(), plain.size());
        QFile file(database() + u'/' + name);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(plain);
    }

    // Makes a database file unreadable by putting a folder in its place.
    void damage(const QString &name) const
    {
        QFile::remove(database() + u'/' + name);
        QDir(database()).mkdir(name);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace orvel
