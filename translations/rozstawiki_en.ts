<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl_PL">
<context>
    <name>TDrog</name>
    <message>
        <source>Wydruk Rozstawików Stolikowych</source>
        <translation>Table Guide Cards</translation>
    </message>
    <message>
        <source>Wybrano:</source>
        <translation>Chosen:</translation>
    </message>
    <message>
        <source>Rund ??</source>
        <translation>Rounds ??</translation>
    </message>
    <message>
        <source>Stołów ??</source>
        <translation>Tables ??</translation>
    </message>
    <message>
        <source>Rd.   St.</source>
        <translation>Rd.   Tb.</translation>
    </message>
    <message>
        <source>Wybór przez podwójne kliknięcie</source>
        <translation>Double-click to choose</translation>
    </message>
    <message>
        <source>St.  NS  WE  Kpl.</source>
        <translation>Tb.  NS  EW  Set</translation>
    </message>
    <message>
        <source>Podwójne kliknięcie zmienia NS z WE</source>
        <translation>Double-click swaps NS and EW</translation>
    </message>
    <message>
        <source>Schemat:</source>
        <translation>Movement:</translation>
    </message>
    <message>
        <source>Definiowanie schematu Howell&apos;a</source>
        <translation>Defining the Howell movement</translation>
    </message>
    <message>
        <source>Wg &amp;Kestrela</source>
        <translation>&amp;Kestrel&apos;s</translation>
    </message>
    <message>
        <source>Wg &amp;Plovera</source>
        <translation>P&amp;lover&apos;s</translation>
    </message>
    <message>
        <source>Dużo&amp;Zbiornic</source>
        <translation>&amp;Many sets</translation>
    </message>
    <message>
        <source>Wybór schematu z pliku %1</source>
        <translation>Choose a movement from the file %1</translation>
    </message>
    <message>
        <source>&amp;Z palca</source>
        <translation>By &amp;hand</translation>
    </message>
    <message>
        <source>Ręczne wprowadzanie schematu</source>
        <translation>Typing a movement by hand</translation>
    </message>
    <message>
        <source>SkokNumeracji</source>
        <translation>Numbering step</translation>
    </message>
    <message>
        <source>Mitchell</source>
        <translation>Mitchell</translation>
    </message>
    <message>
        <source>&amp;Numery dowolne</source>
        <translation>Custom &amp;numbers</translation>
    </message>
    <message>
        <source>Zmiana numerów na dowolne z przedziału (1,99)</source>
        <translation>Changing the pair numbers to any from 1 to 99</translation>
    </message>
    <message>
        <source>&amp;Ustawienia Druku</source>
        <translation>Print &amp;Settings</translation>
    </message>
    <message>
        <source>Wybór drukarki, ustawianie parametrów druku.</source>
        <translation>Choosing the printer, setting the print parameters.</translation>
    </message>
    <message>
        <source>&amp;Dodatk. ust. druku</source>
        <translation>&amp;Extra print settings</translation>
    </message>
    <message>
        <source>Jeśli Twoja drukarka źle drukuje większą ilość stron, ustaw ten przełącznik.</source>
        <translation>If your printer has trouble printing many pages, tick this box.</translation>
    </message>
    <message>
        <source>Zakres Wydruku:</source>
        <translation>Print range:</translation>
    </message>
    <message>
        <source>Które rozstawiki drukować</source>
        <translation>Which table cards to print</translation>
    </message>
    <message>
        <source>Od Stołu</source>
        <translation>From table</translation>
    </message>
    <message>
        <source>Do Stołu</source>
        <translation>To table</translation>
    </message>
    <message>
        <source>Dr&amp;ukuj</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Wydruk tego, co wybrano w polu Wydruk</source>
        <translation>Prints what is chosen in the Print box</translation>
    </message>
    <message>
        <source>&amp;Koniec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Wydruk:</source>
        <translation>P&amp;rint:</translation>
    </message>
    <message>
        <source>Co drukują przyciski Drukuj i Podgląd</source>
        <translation>What the Print and Preview buttons print</translation>
    </message>
    <message>
        <source>P&amp;ara nieobecna:</source>
        <translation>&amp;Absent pair:</translation>
    </message>
    <message>
        <source>brak</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Para, która nie gra (numer z kart); jej przeciwnicy mają pauzę</source>
        <translation>The pair that does not play (its number on the cards); its opponents sit out</translation>
    </message>
    <message>
        <source>Która para schematu gra teraz pod tym numerem</source>
        <translation>Which pair of the movement plays under this number now</translation>
    </message>
    <message>
        <source>&amp;Rozdań w komplecie:</source>
        <translation>&amp;Boards per set:</translation>
    </message>
    <message>
        <source>Ile rozdań ma każdy komplet: karty podają wtedy numery rozdań i dokąd iść z kompletem</source>
        <translation>How many boards each set has: the cards then give the board numbers and where to take the boards</translation>
    </message>
    <message>
        <source>&amp;Turniej:</source>
        <translation>Even&amp;t:</translation>
    </message>
    <message>
        <source>Linia u dołu każdej strony: klub, turniej, data; puste – bez niej</source>
        <translation>The line at the foot of every page: club, event, date; empty – no line</translation>
    </message>
    <message>
        <source>&amp;Język kart:</source>
        <translation>&amp;Card language:</translation>
    </message>
    <message>
        <source>W jakim języku karty, arkusz i podgląd podają swoje napisy</source>
        <translation>The language the cards, the sheet and the preview are printed in</translation>
    </message>
    <message>
        <source>P&amp;odgląd</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>Podgląd tego, co wydrukuje przycisk Drukuj</source>
        <translation>A preview of what the Print button prints</translation>
    </message>
    <message>
        <source>Schematy z pliku: rundy i stoły</source>
        <translation>Movements in the file: rounds and tables</translation>
    </message>
    <message>
        <source>Stoły w pierwszej rundzie: stół, para NS, para WE, komplet</source>
        <translation>Tables in the first round: table, NS pair, EW pair, set</translation>
    </message>
    <message>
        <source>Wydruk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Para nieobecna, numer z kart</source>
        <translation>Absent pair, number on the cards</translation>
    </message>
    <message>
        <source>Rozdań w komplecie</source>
        <translation>Boards per set</translation>
    </message>
    <message>
        <source>Turniej: linia drukowana u dołu każdej strony</source>
        <translation>Event: the line printed at the foot of every page</translation>
    </message>
    <message>
        <source>Język kart</source>
        <translation>Card language</translation>
    </message>
    <message>
        <source>Stołów %1</source>
        <translation>Tables %1</translation>
    </message>
    <message>
        <source>Rund %1</source>
        <translation>Rounds %1</translation>
    </message>
    <message>
        <source>Rund</source>
        <translation>Rounds</translation>
    </message>
    <message>
        <source>Stołów</source>
        <translation>Tables</translation>
    </message>
</context>
<context>
    <name>TPodglad</name>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Powiększ</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>P&amp;omniejsz</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>&amp;Cała strona</source>
        <translation>&amp;Whole page</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Strony wydruku</source>
        <translation>The printed pages</translation>
    </message>
</context>
<context>
    <name>TUstWydr</name>
    <message>
        <source> Właściwe ustawienie parametrów wydruku wymaga poza wyborem drukarki
 odczytania z jej sterownika wysokości i szerokości ustawionych dla
 aktualnych parametrów strony. Pobrane dane służą do skalowania wydruku.
 Niekiedy trzeba oszukać system, podając mu nieprawdziwe dane.
 Przykład: chemy wydrukować na drukarce igłowej, na składance 8,5*12 cali,
 rozstawiki po dwa na stronę - naciskamy kl. &quot;ParamStr&quot;, ustawiamy na
 ekranie dialogu wydruku format papieru 8,5*12 cali, akceptujemy klawi-
 szami OK, by po naciśnięciu klawisza &quot;ParamDr&quot; ustawić w analogiczny
 sposób format papieru na 8,5*6 cali. W okienku tym dokonujemy również
 wszystkich innych ustawień, takich jak np. ilość kopii. Po naciśnięciu
 klawisza &quot;Wydruki&quot; ustawiamy w formularzu wydruku co i jak chcemy dru-
 kować i puszczamy wydruk.
 Z formularza wydruku możemy w każdej chwili wrócić do ustawiania para-
 metrów wydruku naciskając klawisz &quot;Ustawienia Druku&quot;.</source>
        <translation> Setting the print parameters properly takes, besides choosing the printer,
 reading from its driver the page height and width set for the current
 page parameters. The program scales the print by these values.
 Sometimes the system has to be given untrue values on purpose.
 Example: to print table cards two to a page on a dot-matrix printer with
 8.5*12 inch continuous paper, press &quot;Page setup&quot;, choose 8.5*12 inch
 paper in the print dialog and accept with OK; then press &quot;Printer setup&quot;
 and choose 8.5*6 inch paper the same way. That dialog also takes every
 other setting, such as the number of copies. After pressing &quot;Print&quot;,
 choose in the main window what to print and how, and print it.
 From the main window you can come back to the print parameters at any
 time with the &quot;Print Settings&quot; button.</translation>
    </message>
    <message>
        <source> UWAGI 1.Bez pobrania parametrów program drukowania nie wystartuje.</source>
        <translation> NOTES 1.Without reading the page parameters the program will not print.</translation>
    </message>
    <message>
        <source>            2.Jeśli drukujemy na drukarce z zainstalowanymi fontami 
               należy w &quot;ParamDr&quot; ustawić tryb wydruku na &quot;Kopiuj 
               czcionki jako mapy bitowe&quot;. Ustawienie takie może być
               wykonane również w systemie Windows.</source>
        <translation>            2.To print on a printer with fonts of its own, choose
               in &quot;Printer setup&quot; to send TrueType fonts as bitmaps.
               The same setting can also be made in Windows itself.</translation>
    </message>
    <message>
        <source>            2.Dialog wydruku pokazuje drukarki serwera wydruku (CUPS)
               tego komputera; zamiast drukarki można w nim wybrać
               zapis do pliku PDF. Opcje drukarki (np. druk dwu-
               stronny) ustawia się przyciskiem &quot;Właściwości&quot;.</source>
        <translation>            2.The print dialog shows the printers of this computer&apos;s
               print server (CUPS); instead of a printer it can save
               to a PDF file. Printer options (e.g. two-sided printing)
               are set with the &quot;Properties&quot; button.</translation>
    </message>
    <message>
        <source>            3.Drukarki z małą pamięcią mogą stwarzać problemy przy wy-
              druku kilku stron. Dotyczy to zwłaszcza drukarek siecio-
              wych. Efekt ten nie występuje w drukarkach bez pamięci.</source>
        <translation>            3.Printers with little memory may have trouble printing
              several pages, network printers especially. Printers
              without memory do not have this problem.</translation>
    </message>
    <message>
        <source>Ustawienie parametrów drukowania</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>Pomoc do ustawień druku</source>
        <translation>Help on the print settings</translation>
    </message>
    <message>
        <source>wsp. x=%1</source>
        <translation>coef. x=%1</translation>
    </message>
    <message>
        <source>wsp. y=%1</source>
        <translation>coef. y=%1</translation>
    </message>
    <message>
        <source>&amp;ParamStr</source>
        <translation>Pa&amp;ge setup</translation>
    </message>
    <message>
        <source>&amp;Koniec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;ParamDr</source>
        <translation>Printer &amp;setup</translation>
    </message>
    <message>
        <source>&amp;Wydruki</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>TZPL</name>
    <message>
        <source>Wprowadzanie z palca</source>
        <translation>Typing a Movement</translation>
    </message>
    <message>
        <source>Pierwsza runda: stół, para NS, para WE, komplet</source>
        <translation>First round: table, NS pair, EW pair, set</translation>
    </message>
    <message>
        <source>Ile Stołów</source>
        <translation>How many tables</translation>
    </message>
    <message>
        <source>Ile Rund</source>
        <translation>How many rounds</translation>
    </message>
    <message>
        <source>Stół</source>
        <translation>Table</translation>
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
        <source>Komplet</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Ile Stołów ?</source>
        <translation>Tables?</translation>
    </message>
    <message>
        <source>Ile Rund ?</source>
        <translation>Rounds?</translation>
    </message>
    <message>
        <source>&amp;Koniec wprowadzania</source>
        <translation>&amp;Finish typing</translation>
    </message>
    <message>
        <source>Koniec &amp;Programu</source>
        <translation>E&amp;xit</translation>
    </message>
</context>
<context>
    <name>Tndw</name>
    <message>
        <source>Numery dowolne &lt;=99</source>
        <translation>Custom Numbers &lt;=99</translation>
    </message>
    <message>
        <source>Numery par: stary, nowy</source>
        <translation>Pair numbers: old, new</translation>
    </message>
    <message>
        <source>Stary Nowy</source>
        <translation>Old   New</translation>
    </message>
    <message>
        <source>Tabela ręcznej zmiany numerów</source>
        <translation>Table for changing numbers one by one</translation>
    </message>
    <message>
        <source>&lt;- Pojedyńcze zmiany</source>
        <translation>&lt;- Single changes</translation>
    </message>
    <message>
        <source>Zmiana grupami</source>
        <translation>Change by groups</translation>
    </message>
    <message>
        <source>Zmiana numerów w grupach</source>
        <translation>Changing the numbers group by group</translation>
    </message>
    <message>
        <source>Grupa%1</source>
        <translation>Group%1</translation>
    </message>
    <message>
        <source>&amp;Wydruki</source>
        <translation>&amp;Printing</translation>
    </message>
    <message>
        <source>Koniec  &amp;Programu</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Wyjście awaryjne</source>
        <translation>Emergency exit</translation>
    </message>
    <message>
        <source>Grupa %1 przesunięta o</source>
        <translation>Group %1 shifted by</translation>
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
    <name>toolkit</name>
    <message>
        <source>Rozstawiki stolikowe</source>
        <translation>Table guide cards</translation>
    </message>
    <message>
        <source>Uruchom program na pulpicie albo na ekranie wirtualnym, na przykład:
  xvfb-run -s &quot;-screen 0 1024x768x24&quot; rozstawiki
Pliki PDF bez okien tworzy rozstawiki-pdf (rozstawiki-pdf --help).
</source>
        <translation>Start the program on a desktop or on a virtual screen, for example:
  xvfb-run -s &quot;-screen 0 1024x768x24&quot; rozstawiki
rozstawiki-pdf makes PDF files without windows (rozstawiki-pdf --help).
</translation>
    </message>
    <message>
        <source>Nie udało się otworzyć okien programu na ekranie &quot;%1&quot;.
</source>
        <translation>Could not open the program&apos;s windows on the display &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>Nie znaleziono ekranu, na którym można pokazać okna programu (zmienna DISPLAY jest pusta).
</source>
        <translation>No display was found to show the program&apos;s windows on (the DISPLAY variable is empty).
</translation>
    </message>
</context>
</TS>
