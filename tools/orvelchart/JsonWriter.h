#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace orvel {

// Writes JSON text member by member. Numbers carry 17 significant digits so that a
// double read back is the same double.
class JsonWriter {
public:
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

    const QByteArray &text() const { return m_text; }

private:
    void separate();

    QByteArray m_text;
    std::vector<bool> m_first; // per open container: no member written yet
    bool m_afterKey = false;
};

} // namespace orvel
