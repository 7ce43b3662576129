#pragma once

#include "storage/HoroscopeFile.h"

#include <QFile>
#include <QXmlStreamReader>

#include <optional>

namespace orvel {

// The Horoskop elements of a horoscope file one at a time, as HoroscopeFile reads them
// (at any depth, in document order, a later child overriding an earlier one), without
// holding the file or its records: for files of any size. A file damaged part-way gives
// the complete elements before the damage, then says where it is, as the loader does.
class HoroscopeFileStream {
public:
    explicit HoroscopeFileStream(const DateTime &now);

    // False, with error() saying why, when the file cannot be opened.
    bool open(const QString &path);
    // The next element; false after the last one or at the damage.
    bool next(HoroscopeFile::Element &element);
    // Why the file could not be opened, or after next() gave false why it could not be
    // read on; empty when it ended well.
    const QString &error() const { return m_error; }
    // Characters from the start of the file to the damage, when it is damaged.
    const std::optional<qint64> &brokenAt() const { return m_brokenAt; }

private:
    void readElement(HoroscopeFile::Element &element);
    bool fail();

    DateTime m_now;
    QFile m_file;
    QXmlStreamReader m_reader;
    QString m_error;
    std::optional<qint64> m_brokenAt;
    int m_depth = 0;
};

} // namespace orvel
