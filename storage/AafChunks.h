#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvel {

// One record of an AAF file as written, before any meaning is given to its fields.
struct AafRawRecord {
    int number = 0;                 // position in the file, from 1
    int line = 0;                   // line of its first chunk, from 1
    QStringList a93;                // the #A93 fields, trimmed; empty for a record without one
    std::optional<QStringList> b93; // the #B93 fields, trimmed, when the record has one
};

// The chunk layer of the astrological exchange format (AAF). A file is a sequence of
// records; a record starts with an #A93 chunk and runs up to the next one. A chunk
// starts at the beginning of a line with "#", its ID and ":", and carries fields
// separated by commas; lines that do not start with "#" continue the chunk before
// them. "#:" chunks are comments; chunks of other IDs are skipped.
class AafChunks {
public:
    // The file's text: UTF-8 when the bytes have its byte-order mark or are valid UTF-8,
    // UTF-16 with its byte-order mark, otherwise Windows-1252 (which also reads ISO
    // 8859-1 text).
    static QString decode(const QByteArray &bytes);

    // The records of `text` in file order. An #B93 chunk before the first #A93 or a
    // second one in a record starts a record without #A93, so that it is reported
    // instead of being merged into its neighbour.
    static std::vector<AafRawRecord> split(const QString &text);

    // `text` made fit for one field: commas, "#" and line breaks, which would end the
    // field, chunk or line, become blanks or semicolons; "*" alone stands for unknown.
    static QString field(const QString &text);
};

} // namespace orvel
