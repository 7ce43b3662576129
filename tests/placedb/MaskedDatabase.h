#pragma once

#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A program folder in a temporary directory with an OrvelDB folder holding the plain
// fixtures of tests/data/placedb, masked as the programs store them.
class MaskedDatabase {
public:
    MaskedDatabase();

    QString root() const { return m_dir.path(); }
    QString folder() const { return m_dir.path() + QStringLiteral("/OrvelDB"); }
    QString lastCountryFile() const { return m_dir.path() + QStringLiteral("/LstCntry.dat"); }

    // Stores plain text masked as OrvelDB/`name`, replacing a fixture of that name.
    void write(const QString &name, const QByteArray &plain) const;
    void remove(const QString &name) const;

    orvel::PlaceDatabase open(orvel::PlaceDatabase::Variant variant = orvel::PlaceDatabase::Variant::Handheld)
    {
        return orvel::PlaceDatabase(folder(), lastCountryFile(), sink, variant);
    }

    // A fixture's plain bytes.
    static QByteArray fixture(const QString &name);

    orvel::RecordingMessageSink sink;

private:
    QTemporaryDir m_dir;
};
