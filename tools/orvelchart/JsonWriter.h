#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace orvel {

// Writes JSON text member by member. Numbers carry 17 significant digits so that a
// double read back is the same double.
class JsonWriter {
public:
    // `capacity`: the bytes the text is expected to take, allocated at once.
    explicit JsonWriter(qsizetype capacity = 0) { m_text.reserve(std::size_t(capacity)); }

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The name of the next member of the enclosing object.
    void key(const char *name);
    void value(double number);
    void value(int number);
    void value(std::int64_t number);
    void value(bool flag);
    void value(const QString &text);
    // Text of `size` bytes of UTF-8.
    void value(const char *utf8, std::size_t size);
    void value(std::nullptr_t);
    // One member of the enclosing object: its name, then its value or array of values.
    template <typename T>
    void member(const char *name, const T &v)
    {
        key(name);
        value(v);
    }
    template <typename Container>
    void arrayMember(const char *name, const Container &values)
    {
        key(name);
        array(values);
    }
    template <typename Container>
    void array(const Container &values)
    {
        beginArray();
        for (const auto &v : values)
            value(v);
        endArray();
    }

    QByteArray text() const { return QByteArray(m_text.data(), qsizetype(m_text.size())); }

private:
    void separate();
    // `utf8` as a JSON string: quoted, with quotes, backslashes and control characters escaped.
    void appendString(const char *utf8, std::size_t size);

    // Built in a standard string, whose appends are inlined: a chart's text takes a few
    // hundred of them.
    std::string m_text;
    std::vector<char> m_first; // per open container: no member written yet
    bool m_afterKey = false;
};

} // namespace orvel
