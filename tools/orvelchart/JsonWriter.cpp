#include "tools/orvelchart/JsonWriter.h"

#include <cmath>

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
    value(QString::fromUtf8(name));
    m_text += ':';
    m_afterKey = true;
}

void JsonWriter::value(double number)
{
    separate();
    // JSON has no infinities or NaN.
    m_text += std::isfinite(number) ? QByteArray::number(number, 'g', 17) : QByteArray("null");
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
    m_text += QByteArray::number(static_cast<qlonglong>(number));
}

void JsonWriter::value(bool flag)
{
    separate();
    m_text += flag ? "true" : "false";
}

void JsonWriter::value(const QString &text)
{
    separate();
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': escaped += u"\\\""; break;
        case '\\': escaped += u"\\\\"; break;
        case '\n': escaped += u"\\n"; break;
        case '\r': escaped += u"\\r"; break;
        case '\t': escaped += u"\\t"; break;
        default:
            if (c.unicode() < 0x20)
                escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                escaped += c;
        }
    }
    m_text += '"' + escaped.toUtf8() + '"';
}

} // namespace orvel
