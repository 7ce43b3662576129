#pragma once

#include "gui/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// For the life of the object the program speaks German, as for a user whose language is
// German: the German locale and the translators of Qt and of the given catalogues. The
// English interface and the locale before come back afterwards.
class GermanInterface {
public:
    explicit GermanInterface(const QStringList &catalogues) : m_locale(QLocale())
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        orvel::Translations::installGerman(*QCoreApplication::instance(), catalogues);
    }
    ~GermanInterface()
    {
        for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(m_locale);
    }
    GermanInterface(const GermanInterface &) = delete;
    GermanInterface &operator=(const GermanInterface &) = delete;

    // How many translators are installed, to tell a catalogue that failed to load.
    static int translators() { return int(QCoreApplication::instance()->findChildren<QTranslator *>().size()); }

private:
    QLocale m_locale;
};
