<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AafReport</name>
    <message numerus="yes">
        <source>%n horoscopes imported.</source>
        <translation>
            <numerusform>%n Horoskop importiert.</numerusform>
            <numerusform>%n Horoskope importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported with notes:</source>
        <translation>Mit Hinweisen importiert:</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Übersprungen:</translation>
    </message>
    <message numerus="yes">
        <source>%n horoscopes exported.</source>
        <translation>
            <numerusform>%n Horoskop exportiert.</numerusform>
            <numerusform>%n Horoskope exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>With notes:</source>
        <translation>Mit Hinweisen:</translation>
    </message>
    <message>
        <source>Record %1 (no name)</source>
        <translation>Datensatz %1 (ohne Namen)</translation>
    </message>
    <message>
        <source>%1 (record %2)</source>
        <translation>%1 (Datensatz %2)</translation>
    </message>
</context>
<context>
    <name>CountryChoice</name>
    <message>
        <source>The country code &quot;%1&quot; cannot name a place file.</source>
        <translation>Der Ländercode „%1“ kann keine Ortsdatei benennen.</translation>
    </message>
</context>
<context>
    <name>DesktopAbout</name>
    <message>
        <source>About OrvelWinConfig</source>
        <translation>Über OrvelWinConfig</translation>
    </message>
    <message>
        <source>OrvelWinConfig Version 2.0</source>
        <translation>OrvelWinConfig Version 2.0</translation>
    </message>
    <message>
        <source>Place files, horoscopes and settings for OrvelWin CE</source>
        <translation>Ortsdateien, Horoskope und Einstellungen für OrvelWin CE</translation>
    </message>
</context>
<context>
    <name>DesktopOptions</name>
    <message>
        <source>unknown argument %1 (usage: OrvelWinConfig [--root DIR] [--device DIR])</source>
        <translation>unbekanntes Argument %1 (Aufruf: OrvelWinConfig [--root ORDNER] [--device ORDNER])</translation>
    </message>
    <message>
        <source>--%1 needs a folder</source>
        <translation>--%1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>Chooses the countries, horoscopes and settings of the handheld program on a device.</source>
        <translation>Wählt die Länder, Horoskope und Einstellungen des Handheld-Programms auf einem Gerät.</translation>
    </message>
    <message>
        <source>The device&apos;s folder (default: $ORVELWIN_DEVICE, else Device in the program folder or, when that is read-only, in the user&apos;s data folder).</source>
        <translation>Der Ordner des Geräts (Vorgabe: $ORVELWIN_DEVICE, sonst Device im Programmordner oder, wenn dieser schreibgeschützt ist, im Datenordner des Benutzers).</translation>
    </message>
</context>
<context>
    <name>DeviceLink</name>
    <message>
        <source>Please connect your PDA to ActiveSync.</source>
        <translation>Bitte verbinden Sie Ihren PDA mit ActiveSync.</translation>
    </message>
    <message>
        <source>The install folder %1 named in the device&apos;s registry does not exist.</source>
        <translation>Der Installationsordner %1, den die Registrierung des Geräts nennt, existiert nicht.</translation>
    </message>
    <message>
        <source>%1 lies outside the device folder %2.</source>
        <translation>%1 liegt außerhalb des Geräteordners %2.</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist on the device.</source>
        <translation>Der Ordner von %1 existiert auf dem Gerät nicht.</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>%1 kann nicht aufgelistet werden: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>HoroscopeFileSync</name>
    <message>
        <source>The horoscopes could not be read from the device when this window opened. Replace the device&apos;s horoscope file with this list?</source>
        <translation>Die Horoskope konnten beim Öffnen dieses Fensters nicht vom Gerät gelesen werden. Die Horoskopdatei des Geräts durch diese Liste ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>The device&apos;s horoscope file was damaged; %n horoscopes could be read. Replace it with this list?</source>
        <translation>
            <numerusform>Die Horoskopdatei des Geräts war beschädigt; %n Horoskop konnte gelesen werden. Die Datei durch diese Liste ersetzen?</numerusform>
            <numerusform>Die Horoskopdatei des Geräts war beschädigt; %n Horoskope konnten gelesen werden. Die Datei durch diese Liste ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>The horoscope file fetched from the device is damaged.</source>
        <translation>Die vom Gerät geholte Horoskopdatei ist beschädigt.</translation>
    </message>
    <message>
        <source>The changes could not be stored, so the device&apos;s horoscope file was left as it was.</source>
        <translation>Die Änderungen konnten nicht gespeichert werden; die Horoskopdatei des Geräts bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>InstallFont</name>
    <message>
        <source>can&apos;t create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>can&apos;t copy %1: %2</source>
        <translation>%1 kann nicht kopiert werden: %2</translation>
    </message>
    <message>
        <source>Installs the chart symbol font OWSym.ttf from the program&apos;s folder for the current user.</source>
        <translation>Installiert die Symbolschrift OWSym.ttf aus dem Programmordner für den aktuellen Benutzer.</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>unbekanntes Argument „%1“</translation>
    </message>
</context>
<context>
    <name>PointNames</name>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>Konjunktion</translation>
    </message>
    <message>
        <source>Sextile</source>
        <translation>Sextil</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Trine</source>
        <translation>Trigon</translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation>Opposition</translation>
    </message>
</context>
<context>
    <name>ValueGrid</name>
    <message>
        <source>%1 are whole numbers from %2 to %3; &quot;%4&quot; is not one. The cell keeps %5.</source>
        <translation>%1 sind ganze Zahlen von %2 bis %3; „%4“ ist keine. Die Zelle behält %5.</translation>
    </message>
</context>
<context>
    <name>orvel::CCountryDlg</name>
    <message>
        <source>Country on Pocket PC</source>
        <translation>Länder auf dem Pocket PC</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>PPC Country</source>
        <translation>Land auf dem PPC</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbruch</translation>
    </message>
    <message>
        <source>&amp;About OrvelWinConfig...</source>
        <translation>&amp;Info über OrvelWinConfig...</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Länder</translation>
    </message>
    <message>
        <source>Countries on the device</source>
        <translation>Länder auf dem Gerät</translation>
    </message>
</context>
<context>
    <name>orvel::CGlyphPage</name>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation>&amp;Symbol</translation>
    </message>
</context>
<context>
    <name>orvel::CHoroscopeManagerDlg</name>
    <message>
        <source>Horoscop</source>
        <translation>Horoskop</translation>
    </message>
    <message>
        <source>(New horoscope)</source>
        <translation>(Neues Horoskop)</translation>
    </message>
    <message>
        <source>Horoscopes manager</source>
        <translation>Horoskopverwaltung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>AAF files (*.aaf);;All files (*)</source>
        <translation>AAF-Dateien (*.aaf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Horoscopes</source>
        <translation>Horoskope</translation>
    </message>
</context>
<context>
    <name>orvel::CMainDlg</name>
    <message>
        <source>OrvelWin CE Configuration</source>
        <translation>OrvelWin CE Konfiguration</translation>
    </message>
    <message>
        <source>OrvelWin CE</source>
        <translation>OrvelWin CE</translation>
    </message>
    <message>
        <source>&amp;Country choice</source>
        <translation>&amp;Länderauswahl</translation>
    </message>
    <message>
        <source>&amp;Horoscopes manager</source>
        <translation>&amp;Horoskopverwaltung</translation>
    </message>
    <message>
        <source>&amp;Orvellogical configuration</source>
        <translation>&amp;Orvellogische Konfiguration</translation>
    </message>
    <message>
        <source>&amp;About OrvelWinConfig...</source>
        <translation>&amp;Info über OrvelWinConfig...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>orvel::CPPageAspekt</name>
    <message>
        <source>Aspects</source>
        <translation>Aspekte</translation>
    </message>
</context>
<context>
    <name>orvel::CPPageAspektOrben</name>
    <message>
        <source>Aspect orbs</source>
        <translation>Aspektorben</translation>
    </message>
    <message>
        <source>Orbs</source>
        <translation>Orben</translation>
    </message>
</context>
<context>
    <name>orvel::CPPageColor</name>
    <message>
        <source>Planets</source>
        <translation>Planeten</translation>
    </message>
</context>
<context>
    <name>orvel::CPPageDiverse</name>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Hiding &amp;houses</source>
        <translation>&amp;Häuser ausblenden</translation>
    </message>
    <message>
        <source>Hiding &amp;aspects</source>
        <translation>&amp;Aspekte ausblenden</translation>
    </message>
</context>
<context>
    <name>orvel::CPPageElement</name>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
</context>
<context>
    <name>orvel::CPPageHouse</name>
    <message>
        <source>House System</source>
        <translation>Häusersystem</translation>
    </message>
    <message>
        <source>&amp;Koch</source>
        <translation>&amp;Koch</translation>
    </message>
    <message>
        <source>&amp;Placidus</source>
        <translation>&amp;Placidus</translation>
    </message>
    <message>
        <source>&amp;Meridian</source>
        <translation>&amp;Meridian</translation>
    </message>
    <message>
        <source>&amp;Regiomontanus</source>
        <translation>&amp;Regiomontanus</translation>
    </message>
    <message>
        <source>Porph&amp;yrius</source>
        <translation>Porph&amp;yrius</translation>
    </message>
    <message>
        <source>&amp;Equal</source>
        <translation>&amp;Gleiche Häuser</translation>
    </message>
    <message>
        <source>M&amp;orinus</source>
        <translation>M&amp;orinus</translation>
    </message>
    <message>
        <source>&amp;Campanus</source>
        <translation>&amp;Campanus</translation>
    </message>
</context>
<context>
    <name>orvel::CPPagePlanetBewertung</name>
    <message>
        <source>Planets estimation</source>
        <translation>Planetenbewertung</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Planet values</source>
        <translation>Planetenwerte</translation>
    </message>
    <message>
        <source>Regent of the first house has also</source>
        <translation>Der Herrscher des ersten Hauses erhält zusätzlich</translation>
    </message>
    <message>
        <source>Score estimation</source>
        <translation>Bewertungspunkte</translation>
    </message>
    <message>
        <source>Sum: %1</source>
        <translation>Summe: %1</translation>
    </message>
</context>
<context>
    <name>orvel::CPSheetConfig</name>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Beenden?</translation>
    </message>
</context>
<context>
    <name>orvel::CSymbolDlg</name>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
