#include "storage/AafChunks.h"

#include "storage/AafFields.h"
#include "storage/AafTextDecoder.h"

namespace orvel {

QString AafChunks::decode(const QByteArray &bytes)
{
    AafTextDecoder decoder;
    decoder.examine(bytes);
    const qsizetype mark = decoder.choose();
    QString text;
    decoder.decode(QByteArrayView(bytes).sliced(mark), text);
    decoder.finish(text);
    return text;
}

std::vector<AafRawRecord> AafChunks::split(const QString &text)
{
    AafRecordAssembler assembler;
    for (const QStringView line : QStringView(text).split(u'\n'))
        assembler.add(line);
    assembler.finish();
    std::vector<AafRawRecord> records;
    for (AafRawRecord record; assembler.take(record);)
        records.push_back(std::move(record));
    return records;
}

QString AafChunks::field(const QString &text)
{
    QString f = text;
    f.replace(u',', u';');
    f.replace(u'#', u' ');
    f.replace(u'\r', u' ');
    f.replace(u'\n', u' ');
    f = AafFields::trimmed(f).toString();
    return f.isEmpty() ? QStringLiteral("*") : f;
}

} // namespace orvel
