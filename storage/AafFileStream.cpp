#include "storage/AafFileStream.h"

#include "platform/FileError.h"

namespace orvel {

AafFileStream::AafFileStream(PlaceDirectory &places, qint64 maxFileSize, qsizetype blockSize)
    : m_maxFileSize(maxFileSize), m_blockSize(blockSize), m_places(places)
{
}

bool AafFileStream::open(const QString &path)
{
    m_path = path;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return fail();
    m_device = &m_file;
    m_block.resize(m_blockSize);
    if (m_file.isSequential()) {
        QByteArray bytes;
        for (qint64 read; (read = m_file.read(m_block.data(), m_blockSize)) > 0;) {
            bytes.append(m_block.constData(), read);
            if (tooLarge(bytes.size()))
                return false;
        }
        if (m_file.error() != QFileDevice::NoError)
            return fail();
        m_whole.setData(bytes);
        m_whole.open(QIODevice::ReadOnly);
        m_device = &m_whole;
    } else if (tooLarge(m_file.size())) {
        return false;
    }
    return chooseEncoding();
}

bool AafFileStream::tooLarge(qint64 size)
{
    if (m_maxFileSize == NoLimit || size <= m_maxFileSize)
        return false;
    m_error = AafFile::tr("%1 is larger than %2 bytes").arg(m_path).arg(m_maxFileSize);
    m_ended = true;
    return true;
}

bool AafFileStream::chooseEncoding()
{
    for (;;) {
        const qint64 read = m_device->read(m_block.data(), m_blockSize);
        if (read < 0)
            return fail();
        if (read == 0)
            break;
        m_decoder.examine(QByteArrayView(m_block).first(read));
    }
    if (!m_device->seek(m_decoder.choose()))
        return fail();
    return true;
}

bool AafFileStream::next(AafEntry &entry)
{
    AafRawRecord raw;
    while (!m_assembler.take(raw)) {
        if (m_ended || !readBlock()) {
            if (!m_importer && m_error.isEmpty())
                m_error = AafFile::tr("%1 holds no AAF record (#A93)").arg(m_path);
            return false;
        }
    }
    if (!m_importer)
        m_importer.emplace(m_places);
    entry = m_importer->read(raw);
    return true;
}

bool AafFileStream::readBlock()
{
    const qint64 read = m_device->read(m_block.data(), m_blockSize);
    if (read < 0)
        return fail();
    const qsizetype searched = m_text.size(); // what is held has no line break
    if (read > 0) {
        m_decoder.decode(QByteArrayView(m_block).first(read), m_text);
    } else {
        m_decoder.finish(m_text);
        m_ended = true;
    }
    qsizetype start = 0;
    for (qsizetype end = m_text.indexOf(u'\n', searched); end >= 0; end = m_text.indexOf(u'\n', start)) {
        m_assembler.add(QStringView(m_text).sliced(start, end - start));
        start = end + 1;
    }
    m_text.remove(0, start);
    if (m_ended) {
        // The text after the last line break is a line too, as when the whole text is split.
        m_assembler.add(m_text);
        m_assembler.finish();
    }
    return true;
}

bool AafFileStream::fail()
{
    const QFileDevice::FileError error = m_file.error() != QFileDevice::NoError ? m_file.error() : QFileDevice::ReadError;
    m_error = FileError::message(m_path, error, m_device == &m_whole ? m_whole.errorString() : m_file.errorString());
    m_ended = true;
    return false;
}

} // namespace orvel
