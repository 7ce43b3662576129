<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CExListCtrl</name>
    <message>
        <source>Cannot find &apos;%1&apos;!</source>
        <translation>Kann &apos;%1&apos; nicht finden!</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen</translation>
    </message>
</context>
<context>
    <name>tamrex::FindDialog</name>
    <message>
        <source>&amp;Down</source>
        <translation>Hina&amp;b</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Hina&amp;uf</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
</TS>
