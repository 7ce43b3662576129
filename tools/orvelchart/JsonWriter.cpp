#include "tools/orvelchart/JsonWriter.h"

#include "tools/orvelchart/DoubleText.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace orvel {

void JsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            m_text += ',';
        m_first.back() = false;
    }
}

void JsonWriter::beginObject()
{
    separate();
    m_text += '{';
    m_first.push_back(true);
}

void JsonWriter::endObject()
{
    m_text += '}';
    m_first.pop_back();
}

void JsonWriter::beginArray()
{
    separate();
    m_text += '[';
    m_first.push_back(true);
}

void JsonWriter::endArray()
{
    m_text += ']';
    m_first.pop_back();
}

void JsonWriter::key(const char *name)
{
    separate();
    appendString(name, std::strlen(name));
    m_text += ':';
    m_afterKey = true;
}

void JsonWriter::value(double number)
{
    separate();
    // JSON has no infinities or NaN.
    if (!std::isfinite(number)) {
        m_text += "null";
        return;
    }
    char digits[DoubleText::MaxLength];
    m_text.append(digits, DoubleText::write(number, digits));
}

void JsonWriter::value(std::nullptr_t)
{
    separate();
    m_text += "null";
}

void JsonWriter::value(int number)
{
    value(std::int64_t{number});
}

void JsonWriter::value(std::int64_t number)
{
    separate();
    char digits[24];
    m_text.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

void JsonWriter::value(bool flag)
{
    separate();
    m_text += flag ? "true" : "false";
}

void JsonWriter::value(const QString &text)
{
    separate();
    const QByteArray utf8 = text.toUtf8();
    appendString(utf8.constData(), utf8.size());
}

void JsonWriter::value(const char *utf8, std::size_t size)
{
    separate();
    appendString(utf8, size);
}

void JsonWriter::appendString(const char *utf8, std::size_t size)
{
    static constexpr char Hex[] = "0123456789abcdef";
    m_text += '"';
    // Bytes of characters beyond ASCII are all from 0x80 on and pass unchanged.
    const char *plain = utf8;
    const char *end = utf8 + size;
    for (const char *p = utf8; p != end; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        m_text.append(plain, p - plain);
        plain = p + 1;
        switch (c) {
        case '"': m_text += "\\\""; break;
        case '\\': m_text += "\\\\"; break;
        case '\n': m_text += "\\n"; break;
        case '\r': m_text += "\\r"; break;
        case '\t': m_text += "\\t"; break;
        default:
            m_text += "\\u00";
            m_text += Hex[c >> 4];
            m_text += Hex[c & 0xF];
        }
    }
    m_text.append(plain, end - plain);
    m_text += '"';
}

} // namespace orvel
