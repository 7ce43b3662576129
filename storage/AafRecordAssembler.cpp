#include "storage/AafRecordAssembler.h"

#include "storage/AafFields.h"

#include <utility>

namespace orvel {

namespace {

QStringList fields(QStringView data)
{
    QStringList list;
    for (const QStringView f : data.split(u','))
        list.append(AafFields::trimmed(f).toString());
    return list;
}

} // namespace

void AafRecordAssembler::add(QStringView line)
{
    ++m_line;
    if (line.endsWith(u'\r'))
        line.chop(1);
    if (!line.startsWith(u'#')) {
        if (m_chunk == ChunkId::A93 || m_chunk == ChunkId::B93)
            m_data += line;
        return;
    }
    endChunk();
    m_chunkLine = m_line;
    // A "#" line without a colon is no chunk; its text and what continues it are ignored.
    const qsizetype colon = line.indexOf(u':');
    const QStringView id = colon < 0 ? QStringView() : line.sliced(1, colon - 1).trimmed();
    m_chunk = colon < 0                                     ? ChunkId::Other
        : id.compare(u"A93", Qt::CaseInsensitive) == 0 ? ChunkId::A93
        : id.compare(u"B93", Qt::CaseInsensitive) == 0 ? ChunkId::B93
                                                        : ChunkId::Other;
    if (m_chunk == ChunkId::A93 || m_chunk == ChunkId::B93)
        m_data = line.sliced(colon + 1).toString();
}

void AafRecordAssembler::finish()
{
    endChunk();
    m_chunk = ChunkId::None;
    if (m_record)
        m_complete.push_back(*std::exchange(m_record, std::nullopt));
}

bool AafRecordAssembler::take(AafRawRecord &record)
{
    if (m_complete.empty())
        return false;
    record = std::move(m_complete.front());
    m_complete.pop_front();
    return true;
}

void AafRecordAssembler::endChunk()
{
    if (m_chunk == ChunkId::A93) {
        startRecord(m_chunkLine);
        m_record->a93 = fields(m_data);
    } else if (m_chunk == ChunkId::B93) {
        if (!m_record || m_record->b93)
            startRecord(m_chunkLine);
        m_record->b93 = fields(m_data);
    }
    m_data.clear();
}

void AafRecordAssembler::startRecord(int line)
{
    if (m_record)
        m_complete.push_back(std::move(*m_record));
    m_record = AafRawRecord{++m_records, line, {}, std::nullopt};
}

} // namespace orvel
