<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl_PL">
<context>
    <name>main</name>
    <message>
        <source>Użycie: rozstawiki [--language KOD] [--help | --version]
Drukuje rozstawiki stolikowe, karty par i arkusz schematu dla turniejów par
rozgrywanych systemem Howella. Bez okien: rozstawiki-pdf --help.
--language KOD  język okien (%1); bez niego język systemu.
Instrukcja: man rozstawiki.
</source>
        <translation>Usage: rozstawiki [--language CODE] [--help | --version]
Prints table guide cards, pair cards and movement sheets for duplicate bridge
pairs tournaments played with Howell movements. Without windows: rozstawiki-pdf --help.
--language CODE  the windows&apos; language (%1); without it, the system&apos;s.
Guide: man rozstawiki.
</translation>
    </message>
    <message>
        <source>Nieznany język w --language; program zna: %1.
</source>
        <translation>Unknown language in --language; the program knows: %1.
</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>Rozstawiki stolikowe</source>
        <translation>Table guide cards</translation>
    </message>
</context>
</TS>
