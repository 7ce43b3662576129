#pragma once

#include "storage/HoroscopeFile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace orvel {

// The Horoskop elements of a horoscope file one at a time, as HoroscopeFile reads them
// (at any depth, in document order, a later child overriding an earlier one), without
// holding the file or its records: for files of any size. A file damaged part-way gives
// the complete elements before the damage, then says where it is.
class HoroscopeFileStream {
public:
    explicit HoroscopeFileStream(const DateTime &now);

    // False, with error() saying why, when the file cannot be opened.
    bool open(const QString &path);
    // The next element; false after the last one or at the damage.
    bool next(HoroscopeFile::Element &element);
    // After next() gave false: why the file could not be read on, naming the line and
    // position; empty when it ended well.
    const QString &error() const { return m_error; }

private:
    void readElement(HoroscopeFile::Element &element);
    bool fail();

    DateTime m_now;
    QFile m_file;
    QXmlStreamReader m_reader;
    QString m_error;
    int m_depth = 0;
};

} // namespace orvel
