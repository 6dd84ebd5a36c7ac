<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="pl_PL">
<context>
    <name>cards</name>
    <message numerus="yes">
        <source>Komplet dzielony ze stołami %1</source>
        <translation>
            <numerusform>Komplet dzielony ze stołem %1</numerusform>
            <numerusform>Komplet dzielony ze stołami %1</numerusform>
            <numerusform>Komplet dzielony ze stołami %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – w tej rundzie komplet dzielony ze stołami %2</source>
        <translation>
            <numerusform>%1 – w tej rundzie komplet dzielony ze stołem %2</numerusform>
            <numerusform>%1 – w tej rundzie komplet dzielony ze stołami %2</numerusform>
            <numerusform>%1 – w tej rundzie komplet dzielony ze stołami %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – w tych rundach komplet dzielony ze stołami %2</source>
        <translation>
            <numerusform>%1 – w tych rundach komplet dzielony ze stołem %2</numerusform>
            <numerusform>%1 – w tych rundach komplet dzielony ze stołami %2</numerusform>
            <numerusform>%1 – w tych rundach komplet dzielony ze stołami %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stołów</source>
        <translation>
            <numerusform>%n stół</numerusform>
            <numerusform>%n stoły</numerusform>
            <numerusform>%n stołów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rund</source>
        <translation>
            <numerusform>%n runda</numerusform>
            <numerusform>%n rundy</numerusform>
            <numerusform>%n rund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Czekają komplety %1</source>
        <translation>
            <numerusform>Czeka komplet %1</numerusform>
            <numerusform>Czekają komplety %1</numerusform>
            <numerusform>Czekają komplety %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Czekają rozdania %1</source>
        <translation>
            <numerusform>Czeka rozdanie %1</numerusform>
            <numerusform>Czekają rozdania %1</numerusform>
            <numerusform>Czekają rozdania %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ze stolika pomocniczego komplety %1</source>
        <translation>
            <numerusform>ze stolika pomocniczego komplet %1</numerusform>
            <numerusform>ze stolika pomocniczego komplety %1</numerusform>
            <numerusform>ze stolika pomocniczego komplety %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ze stolika pomocniczego rozdania %1</source>
        <translation>
            <numerusform>ze stolika pomocniczego rozdanie %1</numerusform>
            <numerusform>ze stolika pomocniczego rozdania %1</numerusform>
            <numerusform>ze stolika pomocniczego rozdania %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>st. %1 grają wspólnie komplet %2</source>
        <translation>
            <numerusform>st. %1 grają wspólnie komplet %2</numerusform>
            <numerusform>st. %1 grają wspólnie komplet %2</numerusform>
            <numerusform>st. %1 grają wspólnie komplet %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>st. %1 grają wspólnie rozdania %2</source>
        <translation>
            <numerusform>st. %1 grają wspólnie rozdanie %2</numerusform>
            <numerusform>st. %1 grają wspólnie rozdania %2</numerusform>
            <numerusform>st. %1 grają wspólnie rozdania %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wyrównanie kierunków: każde dwie pary, z których choć jedna się przesiada, grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.</source>
        <translation>
            <numerusform>Wyrównanie kierunków: każde dwie pary, z których choć jedna się przesiada, grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n komplecie.</numerusform>
            <numerusform>Wyrównanie kierunków: każde dwie pary, z których choć jedna się przesiada, grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.</numerusform>
            <numerusform>Wyrównanie kierunków: każde dwie pary, z których choć jedna się przesiada, grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wyrównanie kierunków: każde dwie pary grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.</source>
        <translation>
            <numerusform>Wyrównanie kierunków: każde dwie pary grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n komplecie.</numerusform>
            <numerusform>Wyrównanie kierunków: każde dwie pary grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.</numerusform>
            <numerusform>Wyrównanie kierunków: każde dwie pary grały w tym samym kierunku (obie NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message numerus="yes">
        <source>Zapisano %n rozstawików w pliku %1.</source>
        <translation>
            <numerusform>Zapisano %n rozstawik w pliku %1.</numerusform>
            <numerusform>Zapisano %n rozstawiki w pliku %1.</numerusform>
            <numerusform>Zapisano %n rozstawików w pliku %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wysłano %n rozstawików do drukarki %1.</source>
        <translation>
            <numerusform>Wysłano %n rozstawik do drukarki %1.</numerusform>
            <numerusform>Wysłano %n rozstawiki do drukarki %1.</numerusform>
            <numerusform>Wysłano %n rozstawików do drukarki %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wysłano %n rozstawików do druku.</source>
        <translation>
            <numerusform>Wysłano %n rozstawik do druku.</numerusform>
            <numerusform>Wysłano %n rozstawiki do druku.</numerusform>
            <numerusform>Wysłano %n rozstawików do druku.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wysłano %n rozstawików do drukarki %1 – czekają w kolejce.</source>
        <translation>
            <numerusform>Wysłano %n rozstawik do drukarki %1 – czeka w kolejce.</numerusform>
            <numerusform>Wysłano %n rozstawiki do drukarki %1 – czekają w kolejce.</numerusform>
            <numerusform>Wysłano %n rozstawików do drukarki %1 – czekają w kolejce.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Przekazano %n rozstawików do kolejki wydruku drukarki %1. Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows.</source>
        <translation>
            <numerusform>Przekazano %n rozstawik do kolejki wydruku drukarki %1. Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows.</numerusform>
            <numerusform>Przekazano %n rozstawiki do kolejki wydruku drukarki %1. Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows.</numerusform>
            <numerusform>Przekazano %n rozstawików do kolejki wydruku drukarki %1. Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drukarka %1 jest zatrzymana.
Zadanie (%n rozstawików) czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.</source>
        <translation>
            <numerusform>Drukarka %1 jest zatrzymana.
Zadanie (%n rozstawik) czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.</numerusform>
            <numerusform>Drukarka %1 jest zatrzymana.
Zadanie (%n rozstawiki) czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.</numerusform>
            <numerusform>Drukarka %1 jest zatrzymana.
Zadanie (%n rozstawików) czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Zadanie (%n rozstawików) zostało wstrzymane w kolejce drukarki %1 i wydrukuje się dopiero po zwolnieniu.</source>
        <translation>
            <numerusform>Zadanie (%n rozstawik) zostało wstrzymane w kolejce drukarki %1 i wydrukuje się dopiero po zwolnieniu.</numerusform>
            <numerusform>Zadanie (%n rozstawiki) zostało wstrzymane w kolejce drukarki %1 i wydrukuje się dopiero po zwolnieniu.</numerusform>
            <numerusform>Zadanie (%n rozstawików) zostało wstrzymane w kolejce drukarki %1 i wydrukuje się dopiero po zwolnieniu.</numerusform>
        </translation>
    </message>
</context>
</TS>
