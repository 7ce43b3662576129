<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
</TS>
