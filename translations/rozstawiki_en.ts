<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl_PL">
<context>
    <name>cards</name>
    <message>
        <source>P</source>
        <translation>B</translation>
    </message>
    <message>
        <source>%1 i %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message numerus="yes">
        <source>Komplet dzielony ze stołami %1</source>
        <translation>
            <numerusform>Boards shared with table %1</numerusform>
            <numerusform>Boards shared with tables %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – w tej rundzie komplet dzielony ze stołami %2</source>
        <translation>
            <numerusform>%1 – boards shared with table %2 in this round</numerusform>
            <numerusform>%1 – boards shared with tables %2 in this round</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – w tych rundach komplet dzielony ze stołami %2</source>
        <translation>
            <numerusform>%1 – boards shared with table %2 in these rounds</numerusform>
            <numerusform>%1 – boards shared with tables %2 in these rounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stołów</source>
        <translation>
            <numerusform>%n table</numerusform>
            <numerusform>%n tables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rund</source>
        <translation>
            <numerusform>%n round</numerusform>
            <numerusform>%n rounds</numerusform>
        </translation>
    </message>
    <message>
        <source>Rozstawiki</source>
        <translation>Howell</translation>
    </message>
    <message>
        <source>Rozstawiki %1 %2</source>
        <translation>Howell %1 %2</translation>
    </message>
    <message>
        <source>%1, stół %2</source>
        <translation>%1, table %2</translation>
    </message>
    <message>
        <source>%1, stoły %2-%3</source>
        <translation>%1, tables %2-%3</translation>
    </message>
    <message>
        <source>NS</source>
        <translation>NS</translation>
    </message>
    <message>
        <source>WE</source>
        <translation>EW</translation>
    </message>
    <message>
        <source>Para %1</source>
        <translation>Pair %1</translation>
    </message>
    <message>
        <source>Para stacjonarna – cały turniej przy stole %1, na linii %2</source>
        <translation>Stationary pair – table %1, %2, all session</translation>
    </message>
    <message>
        <source>pauza</source>
        <translation>sit out</translation>
    </message>
    <message>
        <source>Runda</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Stół</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Kierunek</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Przeciwnik</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>Komplet</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Rozdania</source>
        <translation>Boards</translation>
    </message>
    <message>
        <source>Numery dowolne</source>
        <translation>Custom pair numbers</translation>
    </message>
    <message>
        <source>Numery jak w Mitchell&apos;u</source>
        <translation>Mitchell numbering</translation>
    </message>
    <message>
        <source>Skok numeracji: %1</source>
        <translation>Numbering step: %1</translation>
    </message>
    <message>
        <source>Źródło: %1</source>
        <translation>Source: %1</translation>
    </message>
    <message>
        <source>Rund:%1</source>
        <translation>Rounds:%1</translation>
    </message>
    <message>
        <source>Rund: %1</source>
        <translation>Rounds: %1</translation>
    </message>
    <message>
        <source>Stołów:%1</source>
        <translation>Tables:%1</translation>
    </message>
    <message>
        <source>Stołów: %1</source>
        <translation>Tables: %1</translation>
    </message>
    <message>
        <source>Par:%1</source>
        <translation>Pairs:%1</translation>
    </message>
    <message>
        <source>Par: %1</source>
        <translation>Pairs: %1</translation>
    </message>
    <message>
        <source>Rozdań w komplecie:%1</source>
        <translation>Boards per set:%1</translation>
    </message>
    <message>
        <source>Rozdań w komplecie: %1</source>
        <translation>Boards per set: %1</translation>
    </message>
    <message>
        <source>%1 (cd.)</source>
        <translation>%1 (cont.)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, strona %2</source>
        <translation>%1, page %2</translation>
    </message>
    <message>
        <source>Para nieobecna: %1 (w kratkach %2, na szarym tle); jej przeciwnicy mają wtedy pauzę.</source>
        <translation>Absent pair: %1 (%2 in the cells, on grey); its opponents sit out then.</translation>
    </message>
    <message>
        <source>Para nieobecna: %1 (nr %3 w schemacie; w kratkach %2, na szarym tle); jej przeciwnicy mają wtedy pauzę.</source>
        <translation>Absent pair: %1 (no. %3 in the movement; %2 in the cells, on grey); its opponents sit out then.</translation>
    </message>
    <message>
        <source>W kratce: para NS-para WE, pod nią rozdania.</source>
        <translation>In a cell: NS pair-EW pair, the boards below.</translation>
    </message>
    <message>
        <source>W kratce: para NS-para WE, pod nią komplet.</source>
        <translation>In a cell: NS pair-EW pair, the set below.</translation>
    </message>
    <message numerus="yes">
        <source>Czekają komplety %1</source>
        <translation>
            <numerusform>Waiting: set %1</numerusform>
            <numerusform>Waiting: sets %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Czekają rozdania %1</source>
        <translation>
            <numerusform>Waiting: board %1</numerusform>
            <numerusform>Waiting: boards %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ze stolika pomocniczego komplety %1</source>
        <translation>
            <numerusform>from the bye stand: set %1</numerusform>
            <numerusform>from the bye stand: sets %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ze stolika pomocniczego rozdania %1</source>
        <translation>
            <numerusform>from the bye stand: board %1</numerusform>
            <numerusform>from the bye stand: boards %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>st. %1 grają wspólnie komplet %2</source>
        <translation>
            <numerusform>tables %1 share set %2</numerusform>
            <numerusform>tables %1 share set %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>st. %1 grają wspólnie rozdania %2</source>
        <translation>
            <numerusform>tables %1 share board %2</numerusform>
            <numerusform>tables %1 share boards %2</numerusform>
        </translation>
    </message>
    <message>
        <source>pauzuje para %1</source>
        <translation>pair %1 sits out</translation>
    </message>
    <message numerus="yes">
        <source>Wyrównanie kierunków: każde dwie pary, z których choć jedna się przesiada, grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.</source>
        <translation>
            <numerusform>Direction balance: every two pairs, at least one of which moves, played in the same direction (both NS or both EW) on at least %1 and at most %n set.</numerusform>
            <numerusform>Direction balance: every two pairs, at least one of which moves, played in the same direction (both NS or both EW) on at least %1 and at most %n sets.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wyrównanie kierunków: każde dwie pary grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.</source>
        <translation>
            <numerusform>Direction balance: every two pairs played in the same direction (both NS or both EW) on at least %1 and at most %n set.</numerusform>
            <numerusform>Direction balance: every two pairs played in the same direction (both NS or both EW) on at least %1 and at most %n sets.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pary stacjonarne (%1) między sobą pominięto: grają w tym samym kierunku na wszystkich kompletach albo na żadnym.</source>
        <translation>Stationary pairs (%1) are not counted against each other: they play in the same direction on every set or on none.</translation>
    </message>
    <message>
        <source>Bez pary nieobecnej; kompletów, których jej przeciwnicy nie grają, nie liczono.</source>
        <translation>Without the absent pair; the sets its opponents do not play are not counted.</translation>
    </message>
    <message>
        <source>Sprawdzenie: każda para spotyka każdą inną najwyżej raz i gra każdy komplet dokładnie raz.</source>
        <translation>Check: every pair meets every other at most once and plays every set exactly once.</translation>
    </message>
    <message>
        <source>Sprawdzenie: %1</source>
        <translation>Check: %1</translation>
    </message>
    <message>
        <source>St. %1</source>
        <translation>Tb %1</translation>
    </message>
    <message>
        <source>Pod rundą: komplety na stoliku pomocniczym i z niego brane, wspólne komplety, pauza.</source>
        <translation>Under a round: sets on the bye stand and taken from it, shared sets, sit-out.</translation>
    </message>
    <message>
        <source>Rozstawiki stolikowe</source>
        <translation>Table guide cards</translation>
    </message>
    <message>
        <source>Runda:</source>
        <translation>Round:</translation>
    </message>
    <message>
        <source>NS:</source>
        <translation>NS:</translation>
    </message>
    <message>
        <source>WE:</source>
        <translation>EW:</translation>
    </message>
    <message>
        <source>Komplet:</source>
        <translation>Set:</translation>
    </message>
    <message>
        <source>Rozdania:</source>
        <translation>Boards:</translation>
    </message>
    <message>
        <source>Komplet od stołu:</source>
        <translation>Boards from table:</translation>
    </message>
    <message>
        <source>Komplet do stołu:</source>
        <translation>Boards to table:</translation>
    </message>
    <message>
        <source> St NS WE  kp</source>
        <translation> Tb NS EW Set</translation>
    </message>
    <message>
        <source>%1 – stolik pomocniczy</source>
        <translation>%1 – bye stand</translation>
    </message>
    <message>
        <source>%1 : para nieobecna, przy stole pauza</source>
        <translation>%1 : absent pair, sit-out at this table</translation>
    </message>
    <message>
        <source>STAŁA</source>
        <translation>STAY</translation>
    </message>
    <message>
        <source>%1 NS</source>
        <translation>%1 NS</translation>
    </message>
    <message>
        <source>%1 WE</source>
        <translation>%1 EW</translation>
    </message>
</context>
<context>
    <name>export</name>
    <message>
        <source>Nieznany język kart w --card-language; program zna: %1.</source>
        <translation>Unknown card language in --card-language; the program knows: %1.</translation>
    </message>
</context>
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
    <name>products</name>
    <message>
        <source>Karty par</source>
        <translation>Pair cards</translation>
    </message>
    <message>
        <source>Arkusz schematu</source>
        <translation>Movement sheet</translation>
    </message>
    <message>
        <source>Rozstawiki stolikowe</source>
        <translation>Table cards</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message numerus="yes">
        <source>%n rozstawików</source>
        <translation>
            <numerusform>%n table card</numerusform>
            <numerusform>%n table cards</numerusform>
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
