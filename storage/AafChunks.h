#pragma once

#include "storage/AafRecordAssembler.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace orvel {

// A whole AAF file's text and records at once (AafTextDecoder, AafRecordAssembler), and
// text made fit for a field on writing.
class AafChunks {
public:
    // The file's text: UTF-8 when the bytes have its byte-order mark or are valid UTF-8,
    // UTF-16 with its byte-order mark, otherwise Windows-1252 (which also reads ISO
    // 8859-1 text).
    static QString decode(const QByteArray &bytes);

    // The records of `text` in file order.
    static std::vector<AafRawRecord> split(const QString &text);

    // `text` made fit for one field: commas, "#" and line breaks, which would end the
    // field, chunk or line, become blanks or semicolons; "*" alone stands for unknown.
    static QString field(const QString &text);
};

} // namespace orvel
