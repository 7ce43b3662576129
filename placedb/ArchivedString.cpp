#include "placedb/ArchivedString.h"

#include <QtEndian>

namespace orvel {

namespace {

constexpr quint8 LongLength = 0xFF;
constexpr quint16 WideMarker = 0xFFFE;
constexpr quint16 VeryLongLength = 0xFFFF;

template<typename T>
void append(QByteArray &bytes, T value)
{
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

// Reads little-endian numbers without running past the end.
class Reader {
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}

    template<typename T>
    bool take(T &value)
    {
        if (m_bytes.size() - m_position < qsizetype(sizeof(T)))
            return false;
        value = qFromLittleEndian<T>(m_bytes.constData() + m_position);
        m_position += sizeof(T);
        return true;
    }
    qsizetype remaining() const { return m_bytes.size() - m_position; }
    const char *current() const { return m_bytes.constData() + m_position; }

private:
    const QByteArray &m_bytes;
    qsizetype m_position = 0;
};

} // namespace

QByteArray ArchivedString::encode(const QString &text)
{
    QByteArray bytes;
    append<quint8>(bytes, LongLength);
    append<quint16>(bytes, WideMarker);
    const quint32 length = quint32(text.size());
    if (length < LongLength) {
        append<quint8>(bytes, quint8(length));
    } else {
        append<quint8>(bytes, LongLength);
        if (length < WideMarker) {
            append<quint16>(bytes, quint16(length));
        } else {
            append<quint16>(bytes, VeryLongLength);
            append<quint32>(bytes, length);
        }
    }
    for (const QChar c : text)
        append<quint16>(bytes, c.unicode());
    return bytes;
}

std::optional<QString> ArchivedString::decode(const QByteArray &bytes)
{
    Reader reader(bytes);
    quint8 lead = 0;
    quint16 marker = 0;
    if (!reader.take(lead) || lead != LongLength || !reader.take(marker) || marker != WideMarker)
        return std::nullopt;

    quint8 shortLength = 0;
    if (!reader.take(shortLength))
        return std::nullopt;
    quint32 length = shortLength;
    if (shortLength == LongLength) {
        quint16 mediumLength = 0;
        if (!reader.take(mediumLength) || mediumLength == WideMarker)
            return std::nullopt;
        length = mediumLength;
        if (mediumLength == VeryLongLength && !reader.take(length))
            return std::nullopt;
    }

    // Checked before allocating: a length larger than the file is a damaged file.
    if (reader.remaining() / 2 < qsizetype(length))
        return std::nullopt;
    QString text(qsizetype(length), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(reader.current() + 2 * i));
    return text;
}

} // namespace orvel
