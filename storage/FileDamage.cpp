#include "storage/FileDamage.h"

#include <QDir>

namespace orvel {

QString FileDamage::describe(const QString &items) const
{
    const QString name = QDir::toNativeSeparators(path);
    QString why = reason;
    if (why.endsWith(u'.'))
        why.chop(1);
    QString text = brokenAt ? QStringLiteral("%1 is damaged at character %2 (%3).").arg(name).arg(*brokenAt).arg(why)
                            : QStringLiteral("%1 holds entries that cannot be read.").arg(name);
    text += QStringLiteral(" %1 %2 could be read.").arg(read).arg(items);
    if (!skipped.isEmpty())
        text += QStringLiteral("\nSkipped:\n") + skipped.join(u'\n');
    return text;
}

} // namespace orvel
