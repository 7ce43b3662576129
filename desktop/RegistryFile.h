#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace orvel {

// A registry export in text form ("REGEDIT4" or "Windows Registry Editor Version
// 5.00", UTF-8 or UTF-16 with byte-order mark): sections "[HKEY_...\Key]" and string
// values "Name"="value" with "\\" and "\"" escapes. Other value types and lines are
// ignored. Key and value names compare case-insensitively, as the registry does.
class RegistryFile {
public:
    // Nothing when the text lacks one of the two headers.
    static std::optional<RegistryFile> parse(const QByteArray &bytes);

    // The string value `name` of key `key` (a full path such as
    // "HKEY_LOCAL_MACHINE\SOFTWARE\Apps"), or nothing.
    std::optional<QString> value(const QString &key, const QString &name) const;

private:
    static QString normalKey(const QString &key, const QString &name);

    QHash<QString, QString> m_values; // by normalKey
};

} // namespace orvel
