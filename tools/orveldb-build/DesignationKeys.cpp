#include "DesignationKeys.h"

#include <cstdlib>

namespace orvel {

QString DesignationKeys::offsetText(int offsetSeconds)
{
    const int magnitude = std::abs(offsetSeconds);
    QString text = QStringLiteral("%1%2:%3")
                       .arg(QChar(offsetSeconds < 0 ? u'-' : u'+'))
                       .arg(magnitude / 3600, 2, 10, QChar(u'0'))
                       .arg(magnitude / 60 % 60, 2, 10, QChar(u'0'));
    if (magnitude % 60 != 0)
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QChar(u'0'));
    return text;
}

QString DesignationKeys::hoursText(int offsetSeconds)
{
    // Six decimals keep the offset within 0.002 s, so it reads back to the second.
    QString text = QString::number(offsetSeconds / 3600.0, 'f', 6);
    while (text.endsWith(u'0') && !text.endsWith(QStringLiteral(".0")))
        text.chop(1);
    return text;
}

QString DesignationKeys::abbreviationOf(const QString &abbreviation, int offsetSeconds)
{
    return abbreviation.isEmpty() ? QStringLiteral("UTC") + offsetText(offsetSeconds) : abbreviation;
}

void DesignationKeys::add(const QString &abbreviation, int offsetSeconds)
{
    m_offsets[abbreviationOf(abbreviation, offsetSeconds)].insert(offsetSeconds);
}

QString DesignationKeys::keyFor(const QString &abbreviation, int offsetSeconds) const
{
    const QString name = abbreviationOf(abbreviation, offsetSeconds);
    const auto it = m_offsets.find(name);
    return it != m_offsets.end() && it->second.size() == 1 ? name : name + offsetText(offsetSeconds);
}

std::map<QString, int> DesignationKeys::keys() const
{
    std::map<QString, int> keys;
    for (const auto &[name, offsets] : m_offsets) {
        for (const int offset : offsets)
            keys.emplace(offsets.size() == 1 ? name : name + offsetText(offset), offset);
    }
    return keys;
}

QByteArray DesignationKeys::zoneFileText() const
{
    QString text;
    for (const auto &[key, offset] : keys())
        text += key + u'\t' + QStringLiteral("UTC") + offsetText(offset) + u'\t' + hoursText(offset) +
                QStringLiteral("\r\n");
    return text.toLatin1();
}

} // namespace orvel
