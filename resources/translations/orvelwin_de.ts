<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Computes and draws horoscope charts.</source>
        <translation>Berechnet und zeichnet Horoskope.</translation>
    </message>
    <message>
        <source>Open the window at N times the 240 x 270 wheel, N from 1 to 8 (default 2).</source>
        <translation>Das Fenster in N-facher Größe des Rads von 240 x 270 öffnen, N von 1 bis 8 (Vorgabe 2).</translation>
    </message>
    <message>
        <source>Quit once the wheel is first painted (to time the start).</source>
        <translation>Beenden, sobald das Rad zum ersten Mal gezeichnet ist (um den Start zu messen).</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>unbekanntes Argument „%1“</translation>
    </message>
    <message>
        <source>--now: &apos;%1&apos; is not a date &quot;DD.MM.YYYY HH:MM:SS&quot;</source>
        <translation>--now: „%1“ ist kein Datum „DD.MM.YYYY HH:MM:SS“</translation>
    </message>
    <message>
        <source>--scale must be a number from 1 to 8, not &apos;%1&apos;</source>
        <translation>--scale muss eine Zahl von 1 bis 8 sein, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>orvel::CLoadDlg</name>
    <message>
        <source>Loading horoscope...</source>
        <translation>Horoskop laden...</translation>
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
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Horoscopes</source>
        <translation>Horoskope</translation>
    </message>
</context>
<context>
    <name>orvel::CMainFrame</name>
    <message>
        <source>Radix I</source>
        <translation>Radix I</translation>
    </message>
    <message>
        <source>Radix II</source>
        <translation>Radix II</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Information windows</source>
        <translation>Informationsfenster</translation>
    </message>
    <message>
        <source>Horoscope</source>
        <translation>Horoskop</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Composit</translation>
    </message>
    <message>
        <source>Synastry</source>
        <translation>Synastrie</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Transit</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Häuser</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>Planeten</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Qualities</source>
        <translation>Qualitäten</translation>
    </message>
    <message>
        <source>Aspects graphic</source>
        <translation>Aspektgrafik</translation>
    </message>
    <message>
        <source>Aspects table</source>
        <translation>Aspekttabelle</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Solar</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Hiding houses</source>
        <translation>Häuser ausblenden</translation>
    </message>
    <message>
        <source>Hiding aspects</source>
        <translation>Aspekte ausblenden</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>(New Horoscope)</source>
        <translation>(Neues Horoskop)</translation>
    </message>
    <message>
        <source>About OrvelWin</source>
        <translation>Über OrvelWin</translation>
    </message>
    <message>
        <source>OrvelWin Version %1</source>
        <translation>OrvelWin Version %1</translation>
    </message>
    <message>
        <source>Horoscopes computed with the Swiss Ephemeris</source>
        <translation>Horoskope berechnet mit der Swiss Ephemeris</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
</context>
<context>
    <name>orvel::COrvelWinView</name>
    <message>
        <source>Radix I: %1, %2</source>
        <translation>Radix I: %1, %2</translation>
    </message>
    <message>
        <source>Radix II: %1, %2</source>
        <translation>Radix II: %1, %2</translation>
    </message>
    <message>
        <source>Solar %1: %2, %3</source>
        <translation>Solar %1: %2, %3</translation>
    </message>
    <message>
        <source>Composite: %1</source>
        <translation>Composit: %1</translation>
    </message>
    <message>
        <source>Synastry: %1</source>
        <translation>Synastrie: %1</translation>
    </message>
    <message>
        <source>Transit: %1 / Current transits</source>
        <translation>Transit: %1 / Aktuelle Transite</translation>
    </message>
</context>
<context>
    <name>orvel::CSolarDlg</name>
    <message>
        <source>Solar</source>
        <translation>Solar</translation>
    </message>
    <message>
        <source>Please enter the year and select the city for Solar.</source>
        <translation>Bitte geben Sie das Jahr ein und wählen Sie den Ort für das Solar.</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Voriges Jahr</translation>
    </message>
</context>
<context>
    <name>orvel::ScaleChoice</name>
    <message>
        <source>scale %1 does not fit the screen&apos;s %2 x %3 pixels; using scale %4</source>
        <translation>Maßstab %1 passt nicht auf den Bildschirm mit %2 x %3 Pixeln; Maßstab %4 wird verwendet</translation>
    </message>
</context>
</TS>
