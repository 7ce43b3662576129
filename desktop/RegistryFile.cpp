#include "desktop/RegistryFile.h"

#include <QStringDecoder>

namespace orvel {

namespace {

QString decode(const QByteArray &bytes)
{
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    QStringDecoder decoder(utf16 ? QStringConverter::Utf16 : QStringConverter::Utf8);
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// Reads a quoted string starting at `text[pos]` (the opening quote), undoing the
// backslash escapes; `pos` ends after the closing quote. Nothing when unterminated.
std::optional<QString> readQuoted(const QString &text, qsizetype &pos)
{
    QString out;
    for (++pos; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == u'"') {
            ++pos;
            return out;
        }
        if (c == u'\\' && pos + 1 < text.size())
            ++pos;
        out += text[pos];
    }
    return std::nullopt;
}

} // namespace

std::optional<RegistryFile> RegistryFile::parse(const QByteArray &bytes)
{
    const QStringList lines = decode(bytes).split(u'\n');
    const QString header = lines.first().trimmed();
    if (header != u"REGEDIT4" && header != u"Windows Registry Editor Version 5.00")
        return std::nullopt;

    RegistryFile file;
    QString key;
    for (const QString &raw : lines.mid(1)) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            key = line.mid(1, line.size() - 2);
            continue;
        }
        if (key.isEmpty() || !line.startsWith(u'"'))
            continue;
        qsizetype pos = 0;
        const std::optional<QString> name = readQuoted(line, pos);
        if (!name || pos >= line.size() || line[pos] != u'=' || pos + 1 >= line.size() || line[pos + 1] != u'"')
            continue;
        ++pos;
        if (const std::optional<QString> value = readQuoted(line, pos))
            file.m_values.insert(normalKey(key, *name), *value);
    }
    return file;
}

std::optional<QString> RegistryFile::value(const QString &key, const QString &name) const
{
    const auto it = m_values.constFind(normalKey(key, name));
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

QString RegistryFile::normalKey(const QString &key, const QString &name)
{
    return key.toCaseFolded() + u'\n' + name.toCaseFolded();
}

} // namespace orvel
