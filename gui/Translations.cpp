#include "gui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvel {

bool Translations::germanChosen(const QStringList &uiLanguages)
{
    for (const QString &language : uiLanguages) {
        if (language.startsWith(QLatin1String("en"), Qt::CaseInsensitive))
            return false;
        if (language.startsWith(QLatin1String("de"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool Translations::install(QCoreApplication &app, const QStringList &catalogues)
{
    if (!germanChosen(QLocale::system().uiLanguages()))
        return false;
    installGerman(app, catalogues);
    return true;
}

void Translations::installGerman(QCoreApplication &app, const QStringList &catalogues)
{
    const auto add = [&app](const QString &file, const QString &folder) {
        auto *translator = new QTranslator(&app);
        if (translator->load(file, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    add(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const QString &catalogue : catalogues)
        add(catalogue + QStringLiteral("_de"), QStringLiteral(":/i18n"));
}

} // namespace orvel
