#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvel {

// The user interface in the user's language: German catalogues when the first of the
// user's languages (LANGUAGE, then LC_MESSAGES/LANG) that we know is German, English —
// the texts in the code — otherwise.
class Translations {
public:
    // Installs Qt's own German and the German of `catalogues` (names of the embedded
    // :/i18n/NAME_de.qm files) into `app`, which owns them. Returns whether German is used.
    static bool install(QCoreApplication &app, const QStringList &catalogues);
    // Installs the German of Qt and of `catalogues` into `app` whatever the user's
    // languages; a catalogue that cannot be loaded is left out.
    static void installGerman(QCoreApplication &app, const QStringList &catalogues);

    // Runs `work` with `catalogues` installed as install() would, in a QCoreApplication
    // that lives only as long as `work`: the command line is read before the program's
    // QApplication exists (its help and errors need no display), in the user's language.
    template <typename Work>
    static auto beforeApplication(int argc, char *argv[], const QStringList &catalogues, Work work)
    {
        QCoreApplication early(argc, argv);
        install(early, catalogues);
        return work();
    }

    // Whether the user's languages choose German over English.
    static bool germanChosen(const QStringList &uiLanguages);
};

} // namespace orvel
