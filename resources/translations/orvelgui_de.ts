<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AafCalendar</name>
    <message>
        <source>is no date from 1.1.100 to 31.12.9999</source>
        <translation>ist kein Datum vom 1.1.100 bis 31.12.9999</translation>
    </message>
    <message>
        <source>is no date of the Julian calendar</source>
        <translation>ist kein Datum des julianischen Kalenders</translation>
    </message>
    <message>
        <source>is a Julian date whose Gregorian day %1 lies outside 1.1.100 to 31.12.9999</source>
        <translation>ist ein julianisches Datum, dessen gregorianischer Tag %1 außerhalb von 1.1.100 bis 31.12.9999 liegt</translation>
    </message>
    <message>
        <source>is a Julian date, stored as the Gregorian %1</source>
        <translation>ist ein julianisches Datum, gespeichert als gregorianischer %1</translation>
    </message>
</context>
<context>
    <name>AafCountryChooser</name>
    <message>
        <source>&apos;%1&apos; is the vehicle code of %2 and the ISO 3166 code of %3: </source>
        <translation>„%1“ ist das Kfz-Kennzeichen von %2 und der ISO-3166-Code von %3: </translation>
    </message>
    <message>
        <source>%1 taken, whose place is nearest to the coordinates</source>
        <translation>%1 genommen, dessen Ort den Koordinaten am nächsten liegt</translation>
    </message>
    <message>
        <source>%1 taken by the vehicle code, as neither city nor coordinates tell</source>
        <translation>%1 nach dem Kfz-Kennzeichen genommen, da weder Ort noch Koordinaten es entscheiden</translation>
    </message>
    <message>
        <source>neither city nor coordinates tell which</source>
        <translation>weder Ort noch Koordinaten entscheiden, welches</translation>
    </message>
    <message>
        <source>no country code</source>
        <translation>kein Ländercode</translation>
    </message>
    <message>
        <source>unknown country code &apos;%1&apos;</source>
        <translation>unbekannter Ländercode „%1“</translation>
    </message>
    <message>
        <source>country code &apos;%1&apos; names several countries of the place database and neither coordinates nor the city tell which</source>
        <translation>Ländercode „%1“ nennt mehrere Länder der Ortsdatenbank, und weder Koordinaten noch Ort entscheiden, welches</translation>
    </message>
    <message>
        <source>&apos;%1&apos; read as an ISO 3166 code: %2 taken</source>
        <translation>„%1“ als ISO-3166-Code gelesen: %2 genommen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; read as a country name: %2 taken</source>
        <translation>„%1“ als Ländername gelesen: %2 genommen</translation>
    </message>
</context>
<context>
    <name>AafFile</name>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 ist größer als %2 Byte</translation>
    </message>
    <message>
        <source>%1 holds no AAF record (#A93)</source>
        <translation>%1 enthält keinen AAF-Datensatz (#A93)</translation>
    </message>
    <message>
        <source>commas, &apos;#&apos; and line breaks cannot travel: written as &apos;;&apos; and blanks</source>
        <translation>Kommas, „#“ und Zeilenumbrüche können nicht übertragen werden: als „;“ und Leerzeichen geschrieben</translation>
    </message>
    <message>
        <source>country &apos;%1&apos; is not in the place database: written as unknown</source>
        <translation>Land „%1“ ist nicht in der Ortsdatenbank: als unbekannt geschrieben</translation>
    </message>
    <message>
        <source>before 15.10.1582: written as the Julian date %1</source>
        <translation>vor dem 15.10.1582: als julianisches Datum %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 characters outside Windows-1252 written as &apos;?&apos;</source>
        <translation>%1 Zeichen außerhalb von Windows-1252 als „?“ geschrieben</translation>
    </message>
</context>
<context>
    <name>AafImporter</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>#B93 has %1 fields, not 5, and was not used</source>
        <translation>#B93 hat %1 Felder statt 5 und wurde nicht verwendet</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; not understood</source>
        <translation>%1 „%2“ nicht verstanden</translation>
    </message>
    <message>
        <source>Julian day</source>
        <translation>Julianischer Tag</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>zone difference</source>
        <translation>Zonendifferenz</translation>
    </message>
    <message>
        <source>no city</source>
        <translation>kein Ort</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not in the place database: kept as typed (Other)</source>
        <translation>„%1“ ist nicht in der Ortsdatenbank: wie eingegeben übernommen (Anderer)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; read as a Gregorian date, as its Julian day says</source>
        <translation>„%1“ als gregorianisches Datum gelesen, wie sein julianischer Tag sagt</translation>
    </message>
    <message>
        <source>daylight saving &apos;%1&apos; not understood: offset taken from the place database</source>
        <translation>Sommerzeit „%1“ nicht verstanden: Zeitdifferenz aus der Ortsdatenbank genommen</translation>
    </message>
    <message>
        <source>daylight saving &apos;%1&apos; not understood, taken as 0</source>
        <translation>Sommerzeit „%1“ nicht verstanden, als 0 genommen</translation>
    </message>
    <message>
        <source>offset taken from the Julian day</source>
        <translation>Zeitdifferenz aus dem julianischen Tag genommen</translation>
    </message>
    <message>
        <source>no time zone: Delta_GMT 0 taken</source>
        <translation>keine Zeitzone: Delta_GMT 0 genommen</translation>
    </message>
    <message>
        <source>birth time unknown: 12:00 taken</source>
        <translation>Geburtszeit unbekannt: 12:00 genommen</translation>
    </message>
    <message>
        <source>time taken from the Julian day</source>
        <translation>Uhrzeit aus dem julianischen Tag genommen</translation>
    </message>
    <message>
        <source>the Julian day falls on another date; birth time unknown, 12:00 taken</source>
        <translation>der julianische Tag fällt auf ein anderes Datum; Geburtszeit unbekannt, 12:00 genommen</translation>
    </message>
    <message>
        <source>the Julian day differs by %1 from date, time and zone; Delta_GMT set to match it</source>
        <translation>der julianische Tag weicht um %1 von Datum, Uhrzeit und Zone ab; Delta_GMT passend dazu gesetzt</translation>
    </message>
    <message>
        <source>the Julian day differs by %1 from date, time and zone; they were kept</source>
        <translation>der julianische Tag weicht um %1 von Datum, Uhrzeit und Zone ab; sie wurden beibehalten</translation>
    </message>
    <message>
        <source>#B93 on line %1 without #A93 before it</source>
        <translation>#B93 in Zeile %1 ohne vorangehendes #A93</translation>
    </message>
    <message>
        <source>#A93 has %1 fields, not 7</source>
        <translation>#A93 hat %1 Felder statt 7</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date from 1.1.100 to 31.12.9999</source>
        <translation>„%1“ ist kein Datum vom 1.1.100 bis 31.12.9999</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day</source>
        <translation>„%1“ ist keine Uhrzeit</translation>
    </message>
</context>
<context>
    <name>COrvelWinDoc</name>
    <message>
        <source>
Before the file is first replaced, it is kept as %1.</source>
        <translation>
Bevor die Datei zum ersten Mal ersetzt wird, wird sie als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 was not replaced: its damaged content could not be kept beside it. %2</source>
        <translation>%1 wurde nicht ersetzt: Ihr beschädigter Inhalt konnte nicht daneben aufbewahrt werden. %2</translation>
    </message>
</context>
<context>
    <name>ChartNames</name>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptun</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Mean Node</source>
        <translation>Mondknoten (mittl.)</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>Konjunktion</translation>
    </message>
    <message>
        <source>Sextil</source>
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
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Cardinal</source>
        <translation>Kardinal</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>Mutable</source>
        <translation>Veränderlich</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Use DIR as the program folder (default: the program&apos;s own folder).</source>
        <translation>DIR als Programmordner verwenden (Vorgabe: der Ordner des Programms).</translation>
    </message>
    <message>
        <source>Run with the clock fixed at this moment.</source>
        <translation>Mit der Uhr fest auf diesem Zeitpunkt laufen.</translation>
    </message>
</context>
<context>
    <name>DamagedFileCopy</name>
    <message>
        <source>A copy of the file is kept as %1.</source>
        <translation>Eine Kopie der Datei wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>No copy of the file could be kept: %1</source>
        <translation>Es konnte keine Kopie der Datei aufbewahrt werden: %1</translation>
    </message>
</context>
<context>
    <name>FileDamage</name>
    <message>
        <source>%1 is damaged at character %2 (%3).</source>
        <translation>%1 ist bei Zeichen %2 beschädigt (%3).</translation>
    </message>
    <message>
        <source>%1 holds entries that cannot be read.</source>
        <translation>%1 enthält Einträge, die nicht gelesen werden können.</translation>
    </message>
    <message>
        <source>%1 horoscopes could be read.</source>
        <translation>%1 Horoskope konnten gelesen werden.</translation>
    </message>
    <message>
        <source>%1 settings could be read.</source>
        <translation>%1 Einstellungen konnten gelesen werden.</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Übersprungen:</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>There was not enough space or resources to write %1.</source>
        <translation>Es war nicht genug Platz oder es fehlten Ressourcen, um %1 zu schreiben.</translation>
    </message>
    <message>
        <source>An error occurred while accessing %1: %2.</source>
        <translation>Beim Zugriff auf %1 ist ein Fehler aufgetreten: %2.</translation>
    </message>
</context>
<context>
    <name>HoroscopeFile</name>
    <message>
        <source>Date &apos;%1&apos; is not a date &quot;DD.MM.YYYY HH:MM:SS&quot; of the years 100 to 9999</source>
        <translation>Datum „%1“ ist kein Datum „DD.MM.YYYY HH:MM:SS“ der Jahre 100 bis 9999</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at character %2: %3</source>
        <translation>„%1“ bei Zeichen %2: %3</translation>
    </message>
</context>
<context>
    <name>PlaceDatabase</name>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>invalid file name</source>
        <translation>ungültiger Dateiname</translation>
    </message>
</context>
<context>
    <name>XmlDocument</name>
    <message>
        <source>Elements are nested more than %1 deep.</source>
        <translation>Elemente sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes.</source>
        <translation>Die Datei ist größer als %1 Byte.</translation>
    </message>
</context>
<context>
    <name>ZoneSection</name>
    <message>
        <source>zone %1 is not in the index</source>
        <translation>Zone %1 fehlt im Index</translation>
    </message>
    <message>
        <source>zone %1 has the start &quot;%2&quot;, which is no moment</source>
        <translation>Zone %1 beginnt mit &quot;%2&quot;, das ist kein Zeitpunkt</translation>
    </message>
</context>
<context>
    <name>orvel::CHoroscopeDlg</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Anderer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
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
        <source>&amp;Time zone:</source>
        <translation>&amp;Zeitzone:</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>Lon&amp;gitude:</source>
        <translation>Läng&amp;e:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Clock change: this time occurs twice; %1 is used.</source>
        <translation>Zeitumstellung: Diese Uhrzeit gibt es zweimal; verwendet wird %1.</translation>
    </message>
    <message>
        <source>Clock change: this time does not exist; %1 is used.</source>
        <translation>Zeitumstellung: Diese Uhrzeit gibt es nicht; verwendet wird %1.</translation>
    </message>
    <message>
        <source>Invalid time zone!</source>
        <translation>Ungültige Zeitzone!</translation>
    </message>
    <message>
        <source>Invalid coordinates!</source>
        <translation>Ungültige Koordinaten!</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
</context>
<context>
    <name>orvel::ChartEngine</name>
    <message>
        <source>The ephemeris files in %1 are missing or do not cover this date: the positions come from the less exact built-in ephemeris.</source>
        <translation>Die Ephemeridendateien in %1 fehlen oder reichen nicht bis zu diesem Datum: Die Positionen stammen aus der weniger genauen eingebauten Ephemeride.</translation>
    </message>
</context>
<context>
    <name>orvel::HoroscopeDialogVariant</name>
    <message>
        <source>Horoscope</source>
        <translation>Horoskop</translation>
    </message>
</context>
<context>
    <name>orvel::HoroscopeRecord</name>
    <message>
        <source>(New Horoscope)</source>
        <translation>(Neues Horoskop)</translation>
    </message>
</context>
<context>
    <name>orvel::PlaceCombos</name>
    <message>
        <source> Tick Other to type the place by hand.</source>
        <translation> Kreuzen Sie „Anderer“ an, um den Ort von Hand einzugeben.</translation>
    </message>
    <message>
        <source>The places of %1 are not in this program&apos;s place database.</source>
        <translation>Die Orte von %1 sind nicht in der Ortsdatenbank dieses Programms.</translation>
    </message>
    <message>
        <source>The places of %1 are not on this device: choose the country in the desktop program&apos;s Country choice, or tick Other.</source>
        <translation>Die Orte von %1 sind nicht auf diesem Gerät: Wählen Sie das Land in der Länderauswahl des Desktop-Programms, oder kreuzen Sie „Anderer“ an.</translation>
    </message>
    <message>
        <source>The places of %1 are not on this device: choose the country in the desktop program&apos;s Country choice.</source>
        <translation>Die Orte von %1 sind nicht auf diesem Gerät: Wählen Sie das Land in der Länderauswahl des Desktop-Programms.</translation>
    </message>
    <message>
        <source>Type the name of a place in %1.</source>
        <translation>Geben Sie den Namen eines Ortes in %1 ein.</translation>
    </message>
    <message>
        <source>No place &apos;%1&apos; in %2.</source>
        <translation>Kein Ort „%1“ in %2.</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
</context>
</TS>
