#include "storage/AafChunks.h"

#include "platform/Windows1252.h"

#include <QStringDecoder>

namespace orvel {

namespace {

// White space in the C locale's sense, which the format lets surround every field.
QString trimmedField(QStringView text)
{
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}

QStringList fields(const QString &data)
{
    QStringList list;
    for (const QStringView f : QStringView(data).split(u','))
        list.append(trimmedField(f));
    return list;
}

struct Chunk {
    QString id;
    QString data;
    int line = 0;
};

} // namespace

QString AafChunks::decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return utf16.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Windows1252::toText(bytes.constData(), bytes.size());
}

std::vector<AafRawRecord> AafChunks::split(const QString &text)
{
    std::vector<Chunk> chunks;
    int lineNumber = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#')) {
            const qsizetype colon = line.indexOf(u':');
            // A "#" line without a colon is no chunk; its text is ignored.
            if (colon < 0) {
                chunks.push_back({QString(), QString(), lineNumber});
                continue;
            }
            chunks.push_back({line.sliced(1, colon - 1).toString().trimmed().toUpper(), line.sliced(colon + 1).toString(),
                              lineNumber});
        } else if (!chunks.empty()) {
            chunks.back().data += line;
        }
    }

    std::vector<AafRawRecord> records;
    auto startRecord = [&](int line) {
        records.push_back({});
        records.back().number = int(records.size());
        records.back().line = line;
    };
    for (const Chunk &chunk : chunks) {
        if (chunk.id == u"A93") {
            startRecord(chunk.line);
            records.back().a93 = fields(chunk.data);
        } else if (chunk.id == u"B93") {
            if (records.empty() || records.back().b93)
                startRecord(chunk.line);
            records.back().b93 = fields(chunk.data);
        }
    }
    return records;
}

QString AafChunks::field(const QString &text)
{
    QString f = text;
    f.replace(u',', u';');
    f.replace(u'#', u' ');
    f.replace(u'\r', u' ');
    f.replace(u'\n', u' ');
    f = trimmedField(f);
    return f.isEmpty() ? QStringLiteral("*") : f;
}

} // namespace orvel
