#pragma once

#include "storage/AafFile.h"
#include "storage/AafImporter.h"
#include "storage/AafRecordAssembler.h"
#include "storage/AafTextDecoder.h"

#include <QBuffer>
#include <QFile>

#include <optional>

namespace orvel {

// The entries of an AAF file one at a time, the same as AafFile::read gives for the
// whole file, holding only a block of it, the line being read and the record it belongs
// to: for files of any size. The file is read twice, first to choose its encoding; one
// that cannot be read twice (a pipe) is read whole, up to `maxFileSize` bytes.
class AafFileStream {
public:
    static constexpr qint64 NoLimit = -1;
    static constexpr qsizetype BlockSize = 64 * 1024;

    // `places` must outlive the stream. A file larger than `maxFileSize` is refused
    // unread, unless that is NoLimit; `blockSize` is how many bytes are read at a time.
    explicit AafFileStream(PlaceDirectory &places, qint64 maxFileSize = NoLimit, qsizetype blockSize = BlockSize);

    // False, with error() saying why, when the file cannot be opened or read.
    bool open(const QString &path);
    // The next entry; false after the last one, or when the file could not be read on.
    bool next(AafEntry &entry);
    // Why the file could not be opened or read, or after next() gave false that it
    // holds no record at all, naming it; empty while all is well.
    const QString &error() const { return m_error; }

private:
    bool chooseEncoding();
    bool fail();
    bool tooLarge(qint64 size);
    // Reads the next block and hands its complete lines to the assembler; the last line
    // and the end of the file at the end.
    bool readBlock();

    const qint64 m_maxFileSize;
    const qsizetype m_blockSize;
    QString m_path;
    QFile m_file;
    QBuffer m_whole; // a file that cannot be read twice
    QIODevice *m_device = nullptr;
    QByteArray m_block;
    QString m_text; // decoded, from the start of the line being read
    AafTextDecoder m_decoder;
    AafRecordAssembler m_assembler;
    PlaceDirectory &m_places;
    std::optional<AafImporter> m_importer; // made for the first record: it asks the database for its countries
    QString m_error;
    bool m_ended = false;
};

} // namespace orvel
