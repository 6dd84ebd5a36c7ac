<?xml version='1.0' encoding='utf-8'?>
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
        <translation>Option %1 takes a printer's name.</translation>
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
        <translation>the scheme's source printed on the cards</translation>
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
(default: the system's)</translation>
    </message>
    <message>
        <source>wypisuje ten opis</source>
        <translation>print this text</translation>
    </message>
    <message>
        <source>wypisuje wersję programu</source>
        <translation>print the program's version</translation>
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
    <message>
        <source>język kart (domyślnie ten sam co język komunikatów)</source>
        <translation>the cards' language (by default the messages' language)</translation>
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
    <name>Output</name>
    <message>
        <source>Nie można zapisać pliku %1: pusta nazwa.</source>
        <translation>Cannot save file %1: the name is empty.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: to folder.</source>
        <translation>Cannot save file %1: it is a folder.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: to nie jest zwykły plik (np. kolejka FIFO albo urządzenie).</source>
        <translation>Cannot save file %1: it is not a regular file (a FIFO or a device, say).</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: to plik systemowy jądra (/proc, /sys, /dev), a nie plik na dysku.</source>
        <translation>Cannot save file %1: it is a file of the kernel (/proc, /sys, /dev), not a file on a disk.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: to plik schematów, z którego czytane są rozstawiki.</source>
        <translation>Cannot save file %1: it is the scheme file the cards are read from.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: plik istnieje i nie jest plikiem PDF, więc nie zostanie zastąpiony.</source>
        <translation>Cannot save file %1: the file exists and is not a PDF file, so it will not be replaced.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: w czasie zapisu ktoś zmienił ten plik, więc nie zostanie zastąpiony.</source>
        <translation>Cannot save file %1: someone changed the file while it was being saved, so it will not be replaced.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: w czasie zapisu powstał plik o tej nazwie, więc nie zostanie zastąpiony.</source>
        <translation>Cannot save file %1: a file of that name appeared while it was being saved, so it will not be replaced.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: ten system plików nie pozwala umieścić pliku pod nazwą bez ryzyka nadpisania innego, który pojawiłby się w tej samej chwili, więc nic nie zapisano.</source>
        <translation>Cannot save file %1: this file system cannot put a file under its name without the risk of overwriting another that might appear at the same moment, so nothing was saved.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: do tego folderu można tylko dodawać nowe pliki (atrybut „a”), więc plik nie zostanie zastąpiony.</source>
        <translation>Cannot save file %1: new files can only be added to this folder (attribute “a”), so the file will not be replaced.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: plik trzeba nadpisać w miejscu (należy do innego użytkownika albo ma kilka nazw), a ten system plików nie pozwala najpierw zarezerwować na to miejsca, więc plik nie zostanie zmieniony.</source>
        <translation>Cannot save file %1: the file must be overwritten in place (it belongs to another user or has several names), and this file system cannot reserve the room for it first, so the file will not be changed.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: plik należy do innego użytkownika, a brak uprawnień do jego nadpisania.</source>
        <translation>Cannot save file %1: the file belongs to another user, and there is no permission to overwrite it.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: inny zapis Rozstawików do tego folderu trwa ponad 60 s, więc nic nie zapisano.</source>
        <translation>Cannot save file %1: another save of Rozstawiki into this folder has taken over 60 s, so nothing was saved.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: brak miejsca na dysku.</source>
        <translation>Cannot save file %1: the disk is full.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: wyczerpany przydział miejsca na dysku.</source>
        <translation>Cannot save file %1: the disk quota is used up.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: plik przekroczył dopuszczalny rozmiar.</source>
        <translation>Cannot save file %1: the file exceeds the size allowed.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: brak uprawnień.</source>
        <translation>Cannot save file %1: permission denied.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: dysk jest tylko do odczytu.</source>
        <translation>Cannot save file %1: the disk is read-only.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: błąd wejścia-wyjścia dysku.</source>
        <translation>Cannot save file %1: a disk input/output error.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: folder nie istnieje.</source>
        <translation>Cannot save file %1: the folder does not exist.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: za długa nazwa.</source>
        <translation>Cannot save file %1: the name is too long.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: dowiązania symboliczne tworzą pętlę.</source>
        <translation>Cannot save file %1: the symbolic links form a loop.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: plik jest otwarty w innym programie.</source>
        <translation>Cannot save file %1: the file is open in another program.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: nazwa zawiera znaki niedozwolone w systemie Windows.</source>
        <translation>Cannot save file %1: the name holds characters Windows does not allow.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: dowiązanie symboliczne %2 należy do innego użytkownika i leży w folderze, do którego każdy może pisać, więc nie zostanie użyte.</source>
        <translation>Cannot save file %1: the symbolic link %2 belongs to another user and lies in a folder anyone may write in, so it will not be used.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: błąd systemu nr %2 (%3).</source>
        <translation>Cannot save file %1: system error %2 (%3).</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: błąd systemu Windows nr %2.</source>
        <translation>Cannot save file %1: Windows error %2.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1.</source>
        <translation>Cannot save file %1.</translation>
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
        <source>Definiowanie schematu Howell'a</source>
        <translation>Defining the Howell movement</translation>
    </message>
    <message>
        <source>Wg &amp;Kestrela</source>
        <translation>&amp;Kestrel's</translation>
    </message>
    <message>
        <source>Wg &amp;Plovera</source>
        <translation>P&amp;lover's</translation>
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
 rozstawiki po dwa na stronę - naciskamy kl. "ParamStr", ustawiamy na
 ekranie dialogu wydruku format papieru 8,5*12 cali, akceptujemy klawi-
 szami OK, by po naciśnięciu klawisza "ParamDr" ustawić w analogiczny
 sposób format papieru na 8,5*6 cali. W okienku tym dokonujemy również
 wszystkich innych ustawień, takich jak np. ilość kopii. Po naciśnięciu
 klawisza "Wydruki" ustawiamy w formularzu wydruku co i jak chcemy dru-
 kować i puszczamy wydruk.
 Z formularza wydruku możemy w każdej chwili wrócić do ustawiania para-
 metrów wydruku naciskając klawisz "Ustawienia Druku".</source>
        <translation> Setting the print parameters properly takes, besides choosing the printer,
 reading from its driver the page height and width set for the current
 page parameters. The program scales the print by these values.
 Sometimes the system has to be given untrue values on purpose.
 Example: to print table cards two to a page on a dot-matrix printer with
 8.5*12 inch continuous paper, press "Page setup", choose 8.5*12 inch
 paper in the print dialog and accept with OK; then press "Printer setup"
 and choose 8.5*6 inch paper the same way. That dialog also takes every
 other setting, such as the number of copies. After pressing "Print",
 choose in the main window what to print and how, and print it.
 From the main window you can come back to the print parameters at any
 time with the "Print Settings" button.</translation>
    </message>
    <message>
        <source> UWAGI 1.Bez pobrania parametrów program drukowania nie wystartuje.</source>
        <translation> NOTES 1.Without reading the page parameters the program will not print.</translation>
    </message>
    <message>
        <source>            2.Jeśli drukujemy na drukarce z zainstalowanymi fontami 
               należy w "ParamDr" ustawić tryb wydruku na "Kopiuj 
               czcionki jako mapy bitowe". Ustawienie takie może być
               wykonane również w systemie Windows.</source>
        <translation>            2.To print on a printer with fonts of its own, choose
               in "Printer setup" to send TrueType fonts as bitmaps.
               The same setting can also be made in Windows itself.</translation>
    </message>
    <message>
        <source>            2.Dialog wydruku pokazuje drukarki serwera wydruku (CUPS)
               tego komputera; zamiast drukarki można w nim wybrać
               zapis do pliku PDF. Opcje drukarki (np. druk dwu-
               stronny) ustawia się przyciskiem "Właściwości".</source>
        <translation>            2.The print dialog shows the printers of this computer's
               print server (CUPS); instead of a printer it can save
               to a PDF file. Printer options (e.g. two-sided printing)
               are set with the "Properties" button.</translation>
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
        <source>Numery jak w Mitchell'u</source>
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
--language CODE  the windows' language (%1); without it, the system's.
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
    <name>notices</name>
    <message>
        <source>Plik zawiera więcej schematów, niż mieści lista. Wczytano pierwsze %1, liczba pominiętych: %2.</source>
        <translation>The file holds more movements than the list can take. The first %1 were loaded; number skipped: %2.</translation>
    </message>
    <message>
        <source>Pominięto linie dłuższe niż %1 znaków, które nie mogą być schematami; liczba pominiętych: %2.</source>
        <translation>Skipped lines longer than %1 characters, which cannot be movements; number skipped: %2.</translation>
    </message>
</context>
<context>
    <name>numbering</name>
    <message>
        <source>%1 do %2</source>
        <translation>%1 to %2</translation>
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
    <name>queues</name>
    <message>
        <source>Serwer wydruku (CUPS) nie odpowiada (czekano %2 s), więc nie można drukować na drukarce %1. %3</source>
        <translation>The print server (CUPS) is not answering (waited %2 s), so printing on printer %1 is not possible. %3</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) nie potwierdził w ciągu %2 s przyjęcia zadania dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim wyślesz je ponownie.</source>
        <translation>The print server (CUPS) did not confirm within %2 s that it accepted the job for printer %1, so it is not known whether it will print. Check the printer's queue before sending it again.</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) odpowiedział niezrozumiale (nie w protokole IPP), więc nie można drukować na drukarce %1. %3</source>
        <translation>The print server (CUPS) gave an unintelligible answer (not in the IPP protocol), so printing on printer %1 is not possible. %3</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) odpowiedział niezrozumiale (nie w protokole IPP), zanim potwierdził przyjęcie zadania dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim wyślesz je ponownie.</source>
        <translation>The print server (CUPS) gave an unintelligible answer (not in the IPP protocol) before it confirmed that it accepted the job for printer %1, so it is not known whether it will print. Check the printer's queue before sending it again.</translation>
    </message>
    <message>
        <source>Połączenie z serwerem wydruku (CUPS) zostało zerwane, więc nie można drukować na drukarce %1. %3</source>
        <translation>The connection to the print server (CUPS) was broken, so printing on printer %1 is not possible. %3</translation>
    </message>
    <message>
        <source>Połączenie z serwerem wydruku (CUPS) zostało zerwane, zanim serwer potwierdził przyjęcie zadania dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim wyślesz je ponownie.</source>
        <translation>The connection to the print server (CUPS) was broken before the server confirmed that it accepted the job for printer %1, so it is not known whether it will print. Check the printer's queue before sending it again.</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) żąda hasła, a program drukuje bez logowania, więc nie można drukować na drukarce %1. %3</source>
        <translation>The print server (CUPS) asks for a password, and the program prints without logging in, so printing on printer %1 is not possible. %3</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) zażądał hasła (program drukuje bez logowania), zanim potwierdził przyjęcie zadania dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim wyślesz je ponownie.</source>
        <translation>The print server (CUPS) asked for a password (the program prints without logging in) before it confirmed that it accepted the job for printer %1, so it is not known whether it will print. Check the printer's queue before sending it again.</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) odpowiedział błędem HTTP %2, więc nie można drukować na drukarce %1. %3</source>
        <translation>The print server (CUPS) answered with HTTP error %2, so printing on printer %1 is not possible. %3</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) odpowiedział błędem HTTP %2, zanim potwierdził przyjęcie zadania dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim wyślesz je ponownie.</source>
        <translation>The print server (CUPS) answered with HTTP error %2 before it confirmed that it accepted the job for printer %1, so it is not known whether it will print. Check the printer's queue before sending it again.</translation>
    </message>
    <message>
        <source>Brak połączenia z serwerem wydruku (CUPS), więc nie można drukować na drukarce %1. %3</source>
        <translation>No connection to the print server (CUPS), so printing on printer %1 is not possible. %3</translation>
    </message>
    <message>
        <source>Drukarka %1 nie przyjmuje zadań. %2
Komunikat serwera wydruku: %3</source>
        <translation>Printer %1 is not accepting jobs. %2
The print server's message: %3</translation>
    </message>
    <message>
        <source>Drukarka %1 nie przyjmuje zadań. %2</source>
        <translation>Printer %1 is not accepting jobs. %2</translation>
    </message>
    <message>
        <source>Nie udało się wysłać zadania do drukarki %1: %2. %3</source>
        <translation>Could not send the job to printer %1: %2. %3</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) przyjął zadanie dla drukarki %1, ale potem go nie zna, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim wyślesz je ponownie.</source>
        <translation>The print server (CUPS) accepted the job for printer %1 but then lost track of it, so it is not known whether it will print. Check the printer's queue before sending it again.</translation>
    </message>
    <message>
        <source>Serwer wydruku przerwał zadanie na drukarce %1; nic z niego nie zostanie wydrukowane.</source>
        <translation>The print server aborted the job on printer %1; nothing of it will be printed.</translation>
    </message>
    <message>
        <source>Serwer wydruku (CUPS) nie odpowiada (czekano %1 s). Spróbuj ponownie, gdy serwer wydruku będzie działał.</source>
        <translation>The print server (CUPS) is not answering (waited %1 s). Try again once the print server is working.</translation>
    </message>
    <message>
        <source>Nie można wczytać modułu serwera wydruku (%1) – zainstaluj program ponownie.</source>
        <translation>Cannot load the print server module (%1) – install the program again.</translation>
    </message>
    <message>
        <source>Nie wybrano drukarki – wybierz ją w ustawieniach druku.</source>
        <translation>No printer chosen – choose one in the print settings.</translation>
    </message>
    <message>
        <source>Drukarki %1 nie ma już w systemie Windows: usunięto ją po wybraniu w ustawieniach druku. %2
Wybierz drukarkę ponownie (Ustawienia Druku).</source>
        <translation>Printer %1 is no longer in Windows: it was removed after being chosen in the print settings. %2
Choose the printer again (Print Settings).</translation>
    </message>
    <message>
        <source>Drukarki %1 nie ma już na serwerze wydruku: usunięto ją po wybraniu w ustawieniach druku. %2
Wybierz drukarkę ponownie (Ustawienia Druku).</source>
        <translation>Printer %1 is no longer on the print server: it was removed after being chosen in the print settings. %2
Choose the printer again (Print Settings).</translation>
    </message>
    <message>
        <source>Nie ma drukarki %1 w systemie Windows. %2</source>
        <translation>There is no printer %1 in Windows. %2</translation>
    </message>
    <message>
        <source>Nie ma drukarki %1 na serwerze wydruku. %2</source>
        <translation>There is no printer %1 on the print server. %2</translation>
    </message>
</context>
<context>
    <name>refusals</name>
    <message>
        <source>Para nieobecna: nie ma pary o numerze %1 w schemacie; podaj numer od 1 do %2 albo 0, gdy grają wszystkie pary.</source>
        <translation>Absent pair: there is no pair numbered %1 in the movement; give a number from 1 to %2, or 0 when all pairs play.</translation>
    </message>
    <message>
        <source>Para nieobecna: żadna para nie gra pod numerem %1 w tej numeracji; podaj numer z kart albo 0, gdy grają wszystkie pary.</source>
        <translation>Absent pair: no pair plays under number %1 in this numbering; give the number on the cards, or 0 when all pairs play.</translation>
    </message>
    <message>
        <source>Para nieobecna: pod numerem %1 gra więcej niż jedna para; popraw numerację, zanim wskażesz nieobecną.</source>
        <translation>Absent pair: more than one pair plays under number %1; correct the numbering before naming the absent pair.</translation>
    </message>
    <message>
        <source>Nie ma takiej grupy par.</source>
        <translation>There is no such group of pairs.</translation>
    </message>
    <message>
        <source>Grupę numeruje się od 0 do %1 co %2.</source>
        <translation>A group is shifted by 0 to %1, in steps of %2.</translation>
    </message>
    <message>
        <source>Błąd liczby:%1 popraw!
Numer:%2</source>
        <translation>Bad number:%1, correct it!
Number:%2</translation>
    </message>
    <message>
        <source>Dopuszczalne są numery z przedziału (1,99) popraw!
Numer:%1</source>
        <translation>Numbers must be in the range (1,99), correct it!
Number:%1</translation>
    </message>
    <message>
        <source>Powtórzony numer %1 popraw!</source>
        <translation>Number %1 repeated, correct it!</translation>
    </message>
    <message>
        <source>Nie ma pary o numerze %1.</source>
        <translation>There is no pair numbered %1.</translation>
    </message>
    <message>
        <source>Rozdań w komplecie: %1 to za dużo albo za mało; podaj od 1 do %2 albo 0, gdy numerów rozdań nie drukować.</source>
        <translation>Boards per set: %1 is too many or too few; give 1 to %2, or 0 when board numbers are not to be printed.</translation>
    </message>
    <message>
        <source>Nie ma stołu numer %1.</source>
        <translation>There is no table %1.</translation>
    </message>
    <message>
        <source>Nieznany schemat Howell'a</source>
        <translation>Unknown Howell movement</translation>
    </message>
    <message>
        <source>Nieciągła numeracja par, popraw ! para %1 wykracza poza numerację 1..%2.</source>
        <translation>Broken pair numbering, correct it! pair %1 is outside the numbering 1..%2.</translation>
    </message>
    <message>
        <source>Nieciągła numeracja par, popraw ! para %1 nie siedzi przy żadnym stole.</source>
        <translation>Broken pair numbering, correct it! pair %1 sits at no table.</translation>
    </message>
    <message>
        <source>Nieciągła numeracja par, popraw ! para %1 siedzi przy kilku stołach naraz.</source>
        <translation>Broken pair numbering, correct it! pair %1 sits at several tables at once.</translation>
    </message>
    <message>
        <source>Błąd rozbicia, popraw! pary %1 i %2 spotykają się dwa razy, w rundach %3 i %4.</source>
        <translation>Pair meeting error, correct it! pairs %1 and %2 meet twice, in rounds %3 and %4.</translation>
    </message>
    <message>
        <source>Błąd zbiornic, popraw! para %1 gra komplet %2 dwa razy, w rundach %3 i %4.</source>
        <translation>Board set error, correct it! pair %1 plays set %2 twice, in rounds %3 and %4.</translation>
    </message>
    <message>
        <source>Błąd zbiornic, popraw! para %1 nie gra kompletu %2.</source>
        <translation>Board set error, correct it! pair %1 does not play set %2.</translation>
    </message>
    <message>
        <source>Nieciągła numeracja par, popraw !</source>
        <translation>Broken pair numbering, correct it!</translation>
    </message>
    <message>
        <source>Schemat przekracza możliwości programu.</source>
        <translation>The movement is beyond what the program can handle.</translation>
    </message>
    <message>
        <source>Błąd rozbicia, popraw!</source>
        <translation>Pair meeting error, correct it!</translation>
    </message>
    <message>
        <source>Błąd zbiornic, popraw!</source>
        <translation>Board set error, correct it!</translation>
    </message>
    <message>
        <source>Nie znaleziono pliku „%1” w folderze „%2”.</source>
        <translation>File “%1” was not found in folder “%2”.</translation>
    </message>
    <message>
        <source>Nie znaleziono pliku „%1” ani w folderze bieżącym „%2”, ani w folderze danych programu „%3”.</source>
        <translation>File “%1” was found neither in the working folder “%2” nor in the program's data folder “%3”.</translation>
    </message>
    <message>
        <source>Nie znaleziono pliku „%1” ani w folderze bieżącym „%2”, ani w folderze danych programu „%3”, ani w folderze danych programu „%4”.</source>
        <translation>File “%1” was found neither in the working folder “%2” nor in the program's data folders “%3” and “%4”.</translation>
    </message>
    <message>
        <source>Nie znaleziono pliku „%1” ani w folderze bieżącym „%2”, ani w folderach danych programu: „%3”.</source>
        <translation>File “%1” was found neither in the working folder “%2” nor in the program's data folders: “%3”.</translation>
    </message>
    <message>
        <source>Brak dostępu do pliku „%1” w folderze „%2”.</source>
        <translation>Cannot access file “%1” in folder “%2”.</translation>
    </message>
    <message>
        <source>Błąd wejścia/wyjścia nr %1 przy odczycie pliku „%2” w folderze „%3”.</source>
        <translation>Input/output error %1 while reading file “%2” in folder “%3”.</translation>
    </message>
    <message>
        <source>Plik „%1” w folderze „%2” jest większy niż %3 GiB, więc nie jest plikiem schematów; nie wczytano go.</source>
        <translation>File “%1” in folder “%2” is larger than %3 GiB, so it is not a movement file; it was not loaded.</translation>
    </message>
    <message>
        <source>Niepoprawny schemat: linia kończy się przed parami stołu %1.</source>
        <translation>Invalid movement: the line ends before the pairs of table %1.</translation>
    </message>
    <message>
        <source>Niepoprawny schemat: numer pary przy stole %1 przekracza %2.</source>
        <translation>Invalid movement: a pair number at table %1 is over %2.</translation>
    </message>
    <message>
        <source>Niepoprawny schemat: liczba rund musi wynosić od 1 do %1.</source>
        <translation>Invalid movement: the number of rounds must be from 1 to %1.</translation>
    </message>
    <message>
        <source>Niepoprawny schemat: liczba stołów musi wynosić od 1 do %1.</source>
        <translation>Invalid movement: the number of tables must be from 1 to %1.</translation>
    </message>
    <message>
        <source>Niepoprawny schemat: nie ma takiej linii w pliku.</source>
        <translation>Invalid movement: there is no such line in the file.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w rundzie 1 NS przy stole %3) i para %4 schematu (w rundzie 1 NS przy stole %5).
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 (NS at table %3 in round 1) and movement pair %4 (NS at table %5 in round 1).
Choose another numbering.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w rundzie 1 NS przy stole %3) i para %4 schematu (w rundzie 1 WE przy stole %5).
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 (NS at table %3 in round 1) and movement pair %4 (EW at table %5 in round 1).
Choose another numbering.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w rundzie 1 NS przy stole %3) i para %4 schematu.
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 (NS at table %3 in round 1) and movement pair %4.
Choose another numbering.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w rundzie 1 WE przy stole %3) i para %4 schematu (w rundzie 1 NS przy stole %5).
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 (EW at table %3 in round 1) and movement pair %4 (NS at table %5 in round 1).
Choose another numbering.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w rundzie 1 WE przy stole %3) i para %4 schematu (w rundzie 1 WE przy stole %5).
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 (EW at table %3 in round 1) and movement pair %4 (EW at table %5 in round 1).
Choose another numbering.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w rundzie 1 WE przy stole %3) i para %4 schematu.
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 (EW at table %3 in round 1) and movement pair %4.
Choose another numbering.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu i para %4 schematu (w rundzie 1 NS przy stole %5).
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 and movement pair %4 (NS at table %5 in round 1).
Choose another numbering.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu i para %4 schematu (w rundzie 1 WE przy stole %5).
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 and movement pair %4 (EW at table %5 in round 1).
Choose another numbering.</translation>
    </message>
    <message>
        <source>Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu i para %4 schematu.
Wybierz inną numerację.</source>
        <translation>Two pairs would carry the same number %1 on the cards: movement pair %2 and movement pair %4.
Choose another numbering.</translation>
    </message>
    <message>
        <source>Błąd liczby:%1 popraw!
Stół:%2; NS</source>
        <translation>Bad number:%1, correct it!
Table:%2; NS</translation>
    </message>
    <message>
        <source>Błąd liczby:%1 popraw!
Stół:%2; WE</source>
        <translation>Bad number:%1, correct it!
Table:%2; EW</translation>
    </message>
    <message>
        <source>Błąd liczby:%1 popraw!
Stół:%2; Komplet</source>
        <translation>Bad number:%1, correct it!
Table:%2; Set</translation>
    </message>
    <message>
        <source>Dopuszczalne jest od 1 do 24 stołów i od 1 do 23 rund.</source>
        <translation>From 1 to 24 tables and from 1 to 23 rounds are allowed.</translation>
    </message>
    <message>
        <source>Niekompletne dane</source>
        <translation>Incomplete data</translation>
    </message>
    <message>
        <source>Drukarka zgłosiła błąd; wydruk przerwano.</source>
        <translation>The printer reported an error; printing was stopped.</translation>
    </message>
    <message>
        <source>Nieznany skok Numeracji !</source>
        <translation>Unknown numbering step!</translation>
    </message>
    <message>
        <source>     Ustaw parametry strony !
Naciskając kl. Ustawienia Druku</source>
        <translation>     Set the page parameters!
Press the Print Settings button</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message numerus="yes">
        <source>Zapisano %n rozstawików w pliku %1.</source>
        <translation>
            <numerusform>Saved %n table card in file %1.</numerusform>
            <numerusform>Saved %n table cards in file %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wysłano %n rozstawików do drukarki %1.</source>
        <translation>
            <numerusform>Sent %n table card to printer %1.</numerusform>
            <numerusform>Sent %n table cards to printer %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wysłano %n rozstawików do druku.</source>
        <translation>
            <numerusform>Sent %n table card for printing.</numerusform>
            <numerusform>Sent %n table cards for printing.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wysłano %n rozstawików do drukarki %1 – czekają w kolejce.</source>
        <translation>
            <numerusform>Sent %n table card to printer %1 – it is waiting in the queue.</numerusform>
            <numerusform>Sent %n table cards to printer %1 – they are waiting in the queue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Przekazano %n rozstawików do kolejki wydruku drukarki %1. Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows.</source>
        <translation>
            <numerusform>Handed %n table card to the print queue of printer %1. What becomes of the job the program does not know – the printer's queue in Windows shows it.</numerusform>
            <numerusform>Handed %n table cards to the print queue of printer %1. What becomes of the job the program does not know – the printer's queue in Windows shows it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drukarka %1 jest zatrzymana.
Zadanie (%n rozstawików) czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.</source>
        <translation>
            <numerusform>Printer %1 is stopped.
The job (%n table card) is waiting in its queue and will print when the printer is resumed.</numerusform>
            <numerusform>Printer %1 is stopped.
The job (%n table cards) is waiting in its queue and will print when the printer is resumed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Zadanie (%n rozstawików) zostało wstrzymane w kolejce drukarki %1 i wydrukuje się dopiero po zwolnieniu.</source>
        <translation>
            <numerusform>The job (%n table card) has been held in the queue of printer %1 and will print only once it is released.</numerusform>
            <numerusform>The job (%n table cards) has been held in the queue of printer %1 and will print only once it is released.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rozstawików nie wysłano.</source>
        <translation>No table cards were sent.</translation>
    </message>
    <message>
        <source>Rozstawiki wydrukowano mimo to.</source>
        <translation>The table cards were printed anyway.</translation>
    </message>
    <message>
        <source>Zapisano karty par w pliku %1.</source>
        <translation>Saved the pair cards in file %1.</translation>
    </message>
    <message>
        <source>Wysłano karty par do drukarki %1.</source>
        <translation>Sent the pair cards to printer %1.</translation>
    </message>
    <message>
        <source>Wysłano karty par do druku.</source>
        <translation>Sent the pair cards for printing.</translation>
    </message>
    <message>
        <source>Wysłano karty par do drukarki %1 – czekają w kolejce.</source>
        <translation>Sent the pair cards to printer %1 – they are waiting in the queue.</translation>
    </message>
    <message>
        <source>Przekazano karty par do kolejki wydruku drukarki %1. Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows.</source>
        <translation>Handed the pair cards to the print queue of printer %1. What becomes of the job the program does not know – the printer's queue in Windows shows it.</translation>
    </message>
    <message>
        <source>Drukarka %1 jest zatrzymana.
Zadanie (karty par) czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.</source>
        <translation>Printer %1 is stopped.
The job (pair cards) is waiting in its queue and will print when the printer is resumed.</translation>
    </message>
    <message>
        <source>Zadanie (karty par) zostało wstrzymane w kolejce drukarki %1 i wydrukuje się dopiero po zwolnieniu.</source>
        <translation>The job (pair cards) has been held in the queue of printer %1 and will print only once it is released.</translation>
    </message>
    <message>
        <source>Kart par nie wysłano.</source>
        <translation>No pair cards were sent.</translation>
    </message>
    <message>
        <source>Karty par wydrukowano mimo to.</source>
        <translation>The pair cards were printed anyway.</translation>
    </message>
    <message>
        <source>Zapisano arkusz schematu w pliku %1.</source>
        <translation>Saved the movement sheet in file %1.</translation>
    </message>
    <message>
        <source>Wysłano arkusz schematu do drukarki %1.</source>
        <translation>Sent the movement sheet to printer %1.</translation>
    </message>
    <message>
        <source>Wysłano arkusz schematu do druku.</source>
        <translation>Sent the movement sheet for printing.</translation>
    </message>
    <message>
        <source>Wysłano arkusz schematu do drukarki %1 – czeka w kolejce.</source>
        <translation>Sent the movement sheet to printer %1 – it is waiting in the queue.</translation>
    </message>
    <message>
        <source>Przekazano arkusz schematu do kolejki wydruku drukarki %1. Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows.</source>
        <translation>Handed the movement sheet to the print queue of printer %1. What becomes of the job the program does not know – the printer's queue in Windows shows it.</translation>
    </message>
    <message>
        <source>Drukarka %1 jest zatrzymana.
Zadanie (arkusz schematu) czeka w jej kolejce i wydrukuje się, gdy drukarka zostanie wznowiona.</source>
        <translation>Printer %1 is stopped.
The job (movement sheet) is waiting in its queue and will print when the printer is resumed.</translation>
    </message>
    <message>
        <source>Zadanie (arkusz schematu) zostało wstrzymane w kolejce drukarki %1 i wydrukuje się dopiero po zwolnieniu.</source>
        <translation>The job (movement sheet) has been held in the queue of printer %1 and will print only once it is released.</translation>
    </message>
    <message>
        <source>Arkusza schematu nie wysłano.</source>
        <translation>The movement sheet was not sent.</translation>
    </message>
    <message>
        <source>Arkusz schematu wydrukowano mimo to.</source>
        <translation>The movement sheet was printed anyway.</translation>
    </message>
</context>
<context>
    <name>surfaces</name>
    <message>
        <source>Brak czcionki Arial (ani zastępczej) – nie można drukować rozstawików.</source>
        <translation>There is no Arial font (nor one in its place) – table cards cannot be printed.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć pliku PDF.</source>
        <translation>Cannot start the PDF file.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1.</source>
        <translation>Cannot save file %1.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku na drukarce %1.</source>
        <translation>Cannot start printing on printer %1.</translation>
    </message>
    <message>
        <source>Drukarka nie przyjęła następnej strony.</source>
        <translation>The printer did not accept the next page.</translation>
    </message>
    <message>
        <source>Nie można dokończyć pliku PDF.</source>
        <translation>Cannot finish the PDF file.</translation>
    </message>
    <message>
        <source>Drukarka %1 zgłosiła błąd; wydruk mógł nie zostać ukończony.</source>
        <translation>Printer %1 reported an error; the printout may not be complete.</translation>
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
  xvfb-run -s "-screen 0 1024x768x24" rozstawiki
Pliki PDF bez okien tworzy rozstawiki-pdf (rozstawiki-pdf --help).
</source>
        <translation>Start the program on a desktop or on a virtual screen, for example:
  xvfb-run -s "-screen 0 1024x768x24" rozstawiki
rozstawiki-pdf makes PDF files without windows (rozstawiki-pdf --help).
</translation>
    </message>
    <message>
        <source>Nie udało się otworzyć okien programu na ekranie "%1".
</source>
        <translation>Could not open the program's windows on the display "%1".
</translation>
    </message>
    <message>
        <source>Nie znaleziono ekranu, na którym można pokazać okna programu (zmienna DISPLAY jest pusta).
</source>
        <translation>No display was found to show the program's windows on (the DISPLAY variable is empty).
</translation>
    </message>
</context>
</TS>