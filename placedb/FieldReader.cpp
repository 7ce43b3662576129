#include "placedb/FieldReader.h"

#include <type_traits>

namespace orvel {

namespace {

template<typename Char>
char16_t code(Char c)
{
    if constexpr (std::is_same_v<Char, char>)
        return static_cast<unsigned char>(c);
    else
        return c.unicode();
}

// Tab, LF and CR end an unquoted field.
inline bool endsField(char16_t c)
{
    return c <= u'\r' && (c == u'\t' || c == u'\n' || c == u'\r');
}

template<typename Char>
FieldReader::Span scanField(const Char *data, qsizetype length, qsizetype &position)
{
    if (position < 0 || position >= length) {
        position = length;
        return {length, length, false};
    }

    FieldReader::Span span;
    qsizetype next;
    if (code(data[position]) == u'"') {
        span.quoted = true;
        span.begin = position + 1;
        qsizetype i = span.begin;
        // data[i - 1] is at worst the opening quote, never before the data.
        while (i < length && !(code(data[i]) == u'"' && code(data[i - 1]) != u'\\'))
            ++i;
        span.end = i;
        next = i < length ? i + 1 : length;
    } else {
        span.begin = position;
        qsizetype i = position;
        while (i < length && !endsField(code(data[i])))
            ++i;
        span.end = i;
        next = i;
    }

    if (next < length && code(data[next]) == u'\t') {
        ++next;
    } else {
        while (next < length && (code(data[next]) == u'\n' || code(data[next]) == u'\r'))
            ++next;
    }
    position = next;
    return span;
}

QString unescapeQuotes(QString value)
{
    return value.replace(QStringLiteral("\\\""), QStringLiteral("\""));
}

} // namespace

void FieldReader::UnmaskBuffer(char *data, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i)
        data[i] = static_cast<char>(static_cast<unsigned char>(data[i]) ^ Mask);
}

FieldReader::Span FieldReader::ScanField(const char *data, qsizetype length, qsizetype &position)
{
    return scanField(data, length, position);
}

QString FieldReader::valueOf(const char *data, const Span &span)
{
    const QString value = QString::fromLatin1(data + span.begin, span.end - span.begin);
    return span.quoted ? unescapeQuotes(value) : value;
}

QString FieldReader::ReadField(const char *data, qsizetype length, qsizetype &position)
{
    return valueOf(data, scanField(data, length, position));
}

QString FieldReader::ReadField(const QChar *data, qsizetype length, qsizetype &position)
{
    const Span span = scanField(data, length, position);
    const QString value(data + span.begin, span.end - span.begin);
    return span.quoted ? unescapeQuotes(value) : value;
}

} // namespace orvel
