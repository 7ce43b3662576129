#include "storage/FileDamage.h"

#include <QDir>

namespace orvel {

QString FileDamage::where() const
{
    const QString name = QDir::toNativeSeparators(path);
    QString why = reason;
    if (why.endsWith(u'.'))
        why.chop(1);
    return brokenAt ? tr("%1 is damaged at character %2 (%3).").arg(name).arg(*brokenAt).arg(why)
                    : tr("%1 holds entries that cannot be read.").arg(name);
}

QString FileDamage::describe(Items items) const
{
    QString text = where();
    text += u' ';
    text += (items == Items::Horoscopes ? tr("%1 horoscopes could be read.") : tr("%1 settings could be read.")).arg(read);
    if (!skipped.isEmpty())
        text += u'\n' + tr("Skipped:") + u'\n' + skipped.join(u'\n');
    return text;
}

} // namespace orvel
