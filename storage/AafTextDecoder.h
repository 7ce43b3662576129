#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace orvel {

// The text of an AAF file, decoded block by block exactly as the whole file would be:
// UTF-8 after its byte-order mark, UTF-16 after its own, otherwise UTF-8 when every byte
// of the file is valid UTF-8, and Windows-1252 (which also reads ISO 8859-1 text) when
// not. Telling the last two apart needs a first pass over the whole file.
class AafTextDecoder {
public:
    // The first pass: the file's bytes from its start, in blocks of any size.
    void examine(QByteArrayView block);
    // Ends the first pass and chooses the encoding; gives the length of the byte-order
    // mark, after which the text begins.
    qsizetype choose();
    // The second pass: the bytes after the mark, in blocks of any size; the text of
    // each is appended to `text`, up to a character the next block may finish.
    void decode(QByteArrayView block, QString &text);
    // After the last block: appends the text of the bytes held back at its end.
    void finish(QString &text);

private:
    enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

    // Appends `block` to the bytes held back and takes from them what ends on a whole
    // UTF-8 character.
    QByteArray wholeCharacters(QByteArrayView block);

    QByteArray m_head; // the first bytes, as long as the longest mark
    QByteArray m_held;
    bool m_valid = true;
    Encoding m_encoding = Encoding::Utf8;
    QStringDecoder m_utf16;
};

} // namespace orvel
