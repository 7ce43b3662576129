#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace orvel {

// One record of an AAF file as written, before any meaning is given to its fields.
struct AafRawRecord {
    int number = 0;                 // position in the file, from 1
    int line = 0;                   // line of its first chunk, from 1
    QStringList a93;                // the #A93 fields, trimmed; empty for a record without one
    std::optional<QStringList> b93; // the #B93 fields, trimmed, when the record has one
};

// The chunk layer of the astrological exchange format (AAF), fed one line at a time. A
// file is a sequence of records; a record starts with an #A93 chunk and runs up to the
// next one. A chunk starts at the beginning of a line with "#", its ID and ":", and
// carries fields separated by commas; lines that do not start with "#" continue the
// chunk before them. "#:" chunks are comments; chunks of other IDs are skipped. An
// #B93 chunk before the first #A93 or a second one in a record starts a record without
// #A93, so that it is reported instead of being merged into its neighbour.
//
// A record is complete when the chunk that starts the next one has ended, or at the end
// of the file; only the chunk being read and the record it belongs to are held.
class AafRecordAssembler {
public:
    // The next line, without its "\n"; a "\r" before it is dropped.
    void add(QStringView line);
    // Ends the file: the last chunk and record are complete.
    void finish();
    // Moves the oldest complete record not yet taken into `record`; false when there is
    // none.
    bool take(AafRawRecord &record);

private:
    enum class ChunkId { None, A93, B93, Other };

    void endChunk();
    void startRecord(int line);

    int m_line = 0;
    ChunkId m_chunk = ChunkId::None;
    int m_chunkLine = 0;
    QString m_data; // of the chunk being read, when it is #A93 or #B93
    int m_records = 0;
    std::optional<AafRawRecord> m_record; // the record the chunks belong to
    std::deque<AafRawRecord> m_complete;
};

} // namespace orvel
