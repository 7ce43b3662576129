#pragma once

#include <QString>

namespace orvel {

// Makes sure the chart symbol font "OWSym" can be drawn with. When no family of that
// name is known, starts the font installer beside the program once per run, without
// waiting for it; later checks register the file it copied into the user's font
// folder, since the running program does not rescan the system's fonts.
class SymbolFontInstaller {
public:
    // `installer`: the font installer program; `userFontFolder`: where it copies the font.
    SymbolFontInstaller(QString installer, QString userFontFolder);

    // True when the font is there to draw with now.
    bool check();

    bool installerStarted() const { return m_started; }

    // The user's font folder (~/.local/share/fonts or $XDG_DATA_HOME/fonts).
    static QString userFontFolder();

private:
    QString m_installer;
    QString m_userFontFolder;
    bool m_started = false;
};

} // namespace orvel
