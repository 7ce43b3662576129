#include "storage/AafTextDecoder.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <utility>

namespace orvel {

namespace {

const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray Utf16LEMark = QByteArrayLiteral("\xFF\xFE");
const QByteArray Utf16BEMark = QByteArrayLiteral("\xFE\xFF");

// Where `bytes` can be cut without splitting a UTF-8 character: before the last of its
// last four bytes that is no continuation byte, since a character has at most three of
// those. Cut there, the pieces decode and validate as the whole does, valid or not.
qsizetype cutPosition(QByteArrayView bytes)
{
    for (qsizetype i = bytes.size() - 1; i >= 0 && i >= bytes.size() - 4; --i) {
        if ((uchar(bytes[i]) & 0xC0) != 0x80)
            return i;
    }
    return bytes.size();
}

} // namespace

QByteArray AafTextDecoder::wholeCharacters(QByteArrayView block)
{
    m_held.append(block);
    const qsizetype cut = cutPosition(m_held);
    QByteArray whole = m_held.first(cut);
    m_held.remove(0, cut);
    return whole;
}

void AafTextDecoder::examine(QByteArrayView block)
{
    if (m_head.size() < Utf8Mark.size())
        m_head.append(block.first(std::min(block.size(), Utf8Mark.size() - m_head.size())));
    if (m_valid)
        m_valid = QByteArrayView(wholeCharacters(block)).isValidUtf8();
}

qsizetype AafTextDecoder::choose()
{
    m_valid = m_valid && QByteArrayView(m_held).isValidUtf8();
    m_held.clear();
    if (m_head.startsWith(Utf8Mark)) {
        m_encoding = Encoding::Utf8;
        return Utf8Mark.size();
    }
    if (m_head.startsWith(Utf16LEMark) || m_head.startsWith(Utf16BEMark)) {
        m_encoding = m_head.startsWith(Utf16LEMark) ? Encoding::Utf16LE : Encoding::Utf16BE;
        m_utf16 = QStringDecoder(m_encoding == Encoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return Utf16LEMark.size();
    }
    m_encoding = m_valid ? Encoding::Utf8 : Encoding::Windows1252;
    return 0;
}

void AafTextDecoder::decode(QByteArrayView block, QString &text)
{
    switch (m_encoding) {
    case Encoding::Utf8:
        text += QString::fromUtf8(wholeCharacters(block));
        break;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        // The decoder keeps a code unit or surrogate cut by the block's end.
        text += QString(m_utf16.decode(block));
        break;
    case Encoding::Windows1252:
        text += Windows1252::toText(block.data(), block.size());
        break;
    }
}

void AafTextDecoder::finish(QString &text)
{
    text += QString::fromUtf8(std::exchange(m_held, {}));
}

} // namespace orvel
