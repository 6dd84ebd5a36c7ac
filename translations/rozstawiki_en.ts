<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl_PL">
<context>
    <name>BashCompletion</name>
    <message>
        <source>Skrypt uzupełniania nie ma miejsca @%1@.</source>
        <translation>The completion script has no place @%1@.</translation>
    </message>
    <message>
        <source>Użycie: rozstawiki-pdf-completion SKRYPT.bash.in WYJŚCIE</source>
        <translation>Usage: rozstawiki-pdf-completion SCRIPT.bash.in OUTPUT</translation>
    </message>
    <message>
        <source>Nie można przeczytać pliku %1.</source>
        <translation>Cannot read file %1.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1.</source>
        <translation>Cannot save file %1.</translation>
    </message>
</context>
<context>
    <name>ExportMain</name>
    <message>
        <source>Za mało pamięci na ten wydruk; nic nie zapisano ani nie wysłano (mniejsza rozdzielczość, --resolution, potrzebuje mniej).</source>
        <translation>Not enough memory for this printout; nothing was saved or sent (a lower resolution, --resolution, needs less).</translation>
    </message>
</context>
<context>
    <name>ExportOptions</name>
    <message>
        <source>Opcja %1 przyjmuje %2 albo %3.</source>
        <translation>Option %1 takes %2 or %3.</translation>
    </message>
    <message>
        <source>Opcja %1 przyjmuje pary STARY=NOWY rozdzielone przecinkami.</source>
        <translation>Option %1 takes OLD=NEW pairs separated by commas.</translation>
    </message>
    <message>
        <source>Opcja %1 przyjmuje numery stołów rozdzielone przecinkami.</source>
        <translation>Option %1 takes table numbers separated by commas.</translation>
    </message>
    <message>
        <source>Opcja %1 przyjmuje numer pary.</source>
        <translation>Option %1 takes a pair number.</translation>
    </message>
    <message>
        <source>Opcja %1 przyjmuje liczbę rozdań w komplecie, od 0 do 9.</source>
        <translation>Option %1 takes the number of boards in a set, from 0 to 9.</translation>
    </message>
    <message>
        <source>Opcja %1 przyjmuje numer stołu.</source>
        <translation>Option %1 takes a table number.</translation>
    </message>
    <message>
        <source>Opcja %1 przyjmuje liczbę od 72 do 2400.</source>
        <translation>Option %1 takes a number from 72 to 2400.</translation>
    </message>
    <message>
        <source>Opcja %1 przyjmuje nazwę drukarki.</source>
        <translation>Option %1 takes a printer&apos;s name.</translation>
    </message>
    <message>
        <source>Opcja %1 przyjmuje kod języka: %2.</source>
        <translation>Option %1 takes a language code: %2.</translation>
    </message>
    <message>
        <source>wysyła rozstawiki na drukarkę (do kolejki wydruku Windows)
zamiast do pliku</source>
        <translation>send the cards to a printer (a Windows print queue)
instead of a file</translation>
    </message>
    <message>
        <source>wysyła rozstawiki na drukarkę (kolejkę serwera wydruku)
zamiast do pliku i kończy się, gdy serwer przyjmie zadanie</source>
        <translation>send the cards to a printer (a queue of the print server)
instead of a file, and end once the server takes the job</translation>
    </message>
    <message>
        <source>pierwszy, drugi lub trzeci skok numeracji albo numeracja
Mitchella (domyślnie 1)</source>
        <translation>the first, second or third numbering step, or Mitchell
numbering (default 1)</translation>
    </message>
    <message>
        <source>STARY=NOWY[,...]</source>
        <translation>OLD=NEW[,...]</translation>
    </message>
    <message>
        <source>numery dowolne (1..99); numeracja jest wtedy pierwszym skokiem</source>
        <translation>custom pair numbers (1..99); the numbering is then the
first step</translation>
    </message>
    <message>
        <source>STÓŁ[,STÓŁ...]</source>
        <translation>TABLE[,TABLE...]</translation>
    </message>
    <message>
        <source>zamiana NS z WE przy tych stołach</source>
        <translation>swap the NS and EW pairs at these tables</translation>
    </message>
    <message>
        <source>co drukować: rozstawiki stolikowe (domyślnie), karty par albo arkusz schematu</source>
        <translation>what to print: table guide cards (default), pair cards or the movement sheet</translation>
    </message>
    <message>
        <source>para nieobecna, numer z kart, jak go drukuje wybrana
numeracja (0 – grają wszystkie)</source>
        <translation>the absent pair, by the number the cards print under the
numbering chosen (0 – every pair plays)</translation>
    </message>
    <message>
        <source>rozdań w komplecie, od 1 do 9: karty podają numery rozdań,
dokąd iść z kompletem i komplety dzielone (domyślnie 0 – bez)</source>
        <translation>boards in a set, 1 to 9: the cards give the board numbers,
where each set goes and shared sets (default 0 – none)</translation>
    </message>
    <message>
        <source>zakres wydruku rozstawików stolikowych (domyślnie wszystkie stoły)</source>
        <translation>the tables whose guide cards are printed (default all)</translation>
    </message>
    <message>
        <source>papier (domyślnie A4)</source>
        <translation>the paper (default A4)</translation>
    </message>
    <message>
        <source>rozdzielczość (domyślnie 600, od 72 do 2400)</source>
        <translation>the resolution (default 600, from 72 to 2400)</translation>
    </message>
    <message>
        <source>TEKST</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>źródło schematu na rozstawikach</source>
        <translation>the scheme&apos;s source printed on the cards</translation>
    </message>
    <message>
        <source>turniej: linia u dołu każdej strony (klub, turniej, data)</source>
        <translation>the event: one line at the foot of every page
(club, event, date)</translation>
    </message>
    <message>
        <source>DRUKARKA</source>
        <translation>PRINTER</translation>
    </message>
    <message>
        <source>PLIK_SCHEMATÓW</source>
        <translation>SCHEME_FILE</translation>
    </message>
    <message>
        <source>wypisuje linie listy schematów, numerowane od 1</source>
        <translation>print the scheme list lines, numbered from 1</translation>
    </message>
    <message>
        <source>sprawdza każdą linię pliku jak schemat wprowadzany z palca</source>
        <translation>check every line of the file as a movement typed by hand</translation>
    </message>
    <message>
        <source>język komunikatów i tego opisu (domyślnie język systemu)</source>
        <translation>the language of the messages and of this text
(default: the system&apos;s)</translation>
    </message>
    <message>
        <source>wypisuje ten opis</source>
        <translation>print this text</translation>
    </message>
    <message>
        <source>wypisuje wersję programu</source>
        <translation>print the program&apos;s version</translation>
    </message>
    <message>
        <source>kończy opcje (dalej same argumenty, np. plik o nazwie
zaczynającej się od -)</source>
        <translation>end the options (only arguments follow, e.g. a file whose
name begins with -)</translation>
    </message>
    <message>
        <source>Opcje --list i --check wykluczają się.</source>
        <translation>Options --list and --check exclude each other.</translation>
    </message>
    <message>
        <source>Opcje --numbering i --numbers wykluczają się: numery dowolne drukuje się przy pierwszym skoku.</source>
        <translation>Options --numbering and --numbers exclude each other: custom numbers are printed with the first step.</translation>
    </message>
    <message>
        <source>Opcja --absent nie dotyczy wydruku „%1”.</source>
        <translation>Option --absent does not apply to printing “%1”.</translation>
    </message>
    <message>
        <source>Opcje --from i --to dotyczą tylko rozstawików stolikowych.</source>
        <translation>Options --from and --to apply to table guide cards only.</translation>
    </message>
    <message>
        <source>Opcja %1 nie dotyczy --list ani --check.</source>
        <translation>Option %1 does not apply to --list or --check.</translation>
    </message>
    <message>
        <source>Nieznana opcja %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Nieznana opcja %1 (plik o nazwie zaczynającej się od „-” podaje się po „--” albo jako ./%1).</source>
        <translation>Unknown option %1 (a file whose name begins with “-” is given after “--” or as ./%1).</translation>
    </message>
    <message>
        <source>Opcja %1 podana dwa razy.</source>
        <translation>Option %1 given twice.</translation>
    </message>
    <message>
        <source>Brak wartości opcji %1.</source>
        <translation>Option %1 has no value.</translation>
    </message>
    <message>
        <source>Przy --list i --check podaje się tylko plik schematów.</source>
        <translation>With --list and --check, only the scheme file is given.</translation>
    </message>
    <message>
        <source>Przy --printer potrzebne są dwa argumenty: plik schematów i linia.</source>
        <translation>With --printer, two arguments are needed: the scheme file and the line.</translation>
    </message>
    <message>
        <source>Potrzebne są trzy argumenty: plik schematów, linia i plik wyjściowy.</source>
        <translation>Three arguments are needed: the scheme file, the line and the output file.</translation>
    </message>
    <message>
        <source>Linia schematu to liczba od 1.</source>
        <translation>The movement line is a number from 1.</translation>
    </message>
</context>
<context>
    <name>ExportUsage</name>
    <message>
        <source>Użycie:
  rozstawiki-pdf [opcje] PLIK_SCHEMATÓW LINIA WYJŚCIE.pdf
  rozstawiki-pdf --printer DRUKARKA [opcje] PLIK_SCHEMATÓW LINIA
  rozstawiki-pdf --list PLIK_SCHEMATÓW
  rozstawiki-pdf --check PLIK_SCHEMATÓW

Drukuje rozstawiki stolikowe, karty par albo arkusz schematu z linii LINIA pliku (liczonej
od 1, jak na liście schematów) do pliku PDF albo na drukarkę systemu Windows.

Opcje:
</source>
        <translation>Usage:
  rozstawiki-pdf [options] SCHEME_FILE LINE OUTPUT.pdf
  rozstawiki-pdf --printer PRINTER [options] SCHEME_FILE LINE
  rozstawiki-pdf --list SCHEME_FILE
  rozstawiki-pdf --check SCHEME_FILE

Prints the table guide cards, the pair cards or the movement sheet of line LINE of the
file (counted from 1, as in the scheme list) to a PDF file or to a Windows printer.

Options:
</translation>
    </message>
    <message>
        <source>Użycie:
  rozstawiki-pdf [opcje] PLIK_SCHEMATÓW LINIA WYJŚCIE.pdf
  rozstawiki-pdf --printer DRUKARKA [opcje] PLIK_SCHEMATÓW LINIA
  rozstawiki-pdf --list PLIK_SCHEMATÓW
  rozstawiki-pdf --check PLIK_SCHEMATÓW

Drukuje rozstawiki stolikowe, karty par albo arkusz schematu z linii LINIA pliku (liczonej
od 1, jak na liście schematów) do pliku PDF albo na drukarkę serwera wydruku (CUPS).

Opcje:
</source>
        <translation>Usage:
  rozstawiki-pdf [options] SCHEME_FILE LINE OUTPUT.pdf
  rozstawiki-pdf --printer PRINTER [options] SCHEME_FILE LINE
  rozstawiki-pdf --list SCHEME_FILE
  rozstawiki-pdf --check SCHEME_FILE

Prints the table guide cards, the pair cards or the movement sheet of line LINE of the
file (counted from 1, as in the scheme list) to a PDF file or to a printer of the print
server (CUPS).

Options:
</translation>
    </message>
    <message>
        <source>Każdą opcję podaje się najwyżej raz; --numbering i --numbers wykluczają się.
Kod wyjścia: 0 sukces (także gdy zadanie czeka w kolejce zatrzymanej drukarki, co zgłasza
ostrzeżenie), 1 błędne dane, nieudany zapis albo wydruk, 2 błędne wywołanie.
</source>
        <translation>Each option may be given once; --numbering and --numbers exclude each other.
Exit status: 0 success (also when the job waits in the queue of a stopped printer, with a
warning), 1 bad input, a failed write or print, 2 a usage error.
</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>Nie można wypisać wyników na standardowe wyjście: odbiorca wyników zakończył czytanie (zamknięty potok).</source>
        <translation>Cannot write the results to standard output: their reader stopped reading (a closed pipe).</translation>
    </message>
    <message>
        <source>Nie można wypisać wyników na standardowe wyjście: brak miejsca na dysku.</source>
        <translation>Cannot write the results to standard output: no space left on the disk.</translation>
    </message>
    <message>
        <source>Nie można wypisać wyników na standardowe wyjście.</source>
        <translation>Cannot write the results to standard output.</translation>
    </message>
    <message>
        <source>Błędne linie: %1.</source>
        <translation>Faulty lines: %1.</translation>
    </message>
    <message>
        <source>W pliku %1 nie ma żadnej linii schematu, więc nie ma czego sprawdzić.</source>
        <translation>The file %1 holds no movement line, so there is nothing to check.</translation>
    </message>
    <message>
        <source>Plik %1 nie ma linii schematu numer %2 (ma ich %3).</source>
        <translation>File %1 has no movement line %2 (it has %3).</translation>
    </message>
    <message>
        <source>Uwaga: schemat nie przechodzi sprawdzenia: %1 %2</source>
        <translation>Warning: the movement fails the check: %1 %2</translation>
    </message>
    <message>
        <source>Uwaga: %1</source>
        <translation>Warning: %1</translation>
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
</context>
</TS>
