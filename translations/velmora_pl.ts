<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Poprzednia strona</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>With more than 10 audio entries, every audio PID must be the first PID plus the entry&apos;s position, except for at most 3 entries. Please change or delete audio entries.</source>
        <translation>Przy więcej niż 10 ścieżkach audio każdy PID audio musi być równy pierwszemu PID-owi plus pozycja ścieżki, z wyjątkiem najwyżej 3 ścieżek. Zmień lub usuń ścieżki audio.</translation>
    </message>
    <message>
        <source>Only the first 20 audio entries can have a language. Please set the later entries to Undefined or delete them.</source>
        <translation>Język można przypisać tylko pierwszym 20 ścieżkom audio. Dla dalszych ścieżek ustaw „Nieokreślony” albo je usuń.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślna</translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation>Brak miejsca na kolejne ścieżki audio</translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation>Najpierw wybierz element.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Poza zakresem</translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation>Czy na pewno usunąć kanał?</translation>
    </message>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation>Lista kanałów jest pełna, nie można dodać kanału.</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation>Lista ulubionych jest pełna, nie można dodać kolejnych kanałów.</translation>
    </message>
    <message>
        <source>Video PID 8191: the channel was stored as a radio channel.</source>
        <translation>PID wideo 8191: kanał zapisano jako kanał radiowy.</translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation>Nie znaleziono transpondera.</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>PID TXT</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Tele PID</source>
        <translation>PID teletekstu</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Sort Channel</source>
        <translation>Sortuj kanały</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Utwórz nowy dokument</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Otwórz istniejący dokument</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Zapisz aktywny dokument</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz j&amp;ako...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Zapisz aktywny dokument pod nową nazwą</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Channels as &amp;CSV...</source>
        <translation>Kanały jako &amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list to a CSV file for a spreadsheet</source>
        <translation>Zapisz listę kanałów do pliku CSV dla arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>Channels as &amp;HTML...</source>
        <translation>Kanały jako &amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list to an HTML page</source>
        <translation>Zapisz listę kanałów jako stronę HTML</translation>
    </message>
    <message>
        <source>&amp;Satellites as satellites.xml...</source>
        <translation>&amp;Satelity jako satellites.xml...</translation>
    </message>
    <message>
        <source>Write the satellites and transponders as a satellites.xml file</source>
        <translation>Zapisz satelity i transpondery jako plik satellites.xml</translation>
    </message>
    <message>
        <source>App&amp;ly CSV Edits...</source>
        <translation>Zastosuj zmiany z p&amp;liku CSV...</translation>
    </message>
    <message>
        <source>Apply names, PIDs, flags, marks and order edited in a CSV file</source>
        <translation>Zastosuj nazwy, PID-y, flagi, oznaczenia i kolejność zmienione w pliku CSV</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Zastosuj zmiany z pliku CSV</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Po&amp;równaj z...</translation>
    </message>
    <message>
        <source>Compare this database with another one</source>
        <translation>Porównaj tę bazę danych z inną</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Drukuj aktywny dokument</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Podgląd &amp;wydruku</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Wyświetl całe strony</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Us&amp;tawienia wydruku...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Zmień drukarkę i opcje drukowania</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Ustawienia wydruku</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Ostatni plik</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Otwórz ten dokument</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Zamknij program; pyta o zapisanie dokumentów</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Cofnij ostatnią czynność</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Ponów ostatnio cofniętą czynność</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>Add a new Channel</source>
        <translation>Dodaj nowy kanał</translation>
    </message>
    <message>
        <source>Add CH</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Edytuj kanał</translation>
    </message>
    <message>
        <source>Edit a channel</source>
        <translation>Edytuj kanał</translation>
    </message>
    <message>
        <source>Edit CH</source>
        <translation>Edytuj kanał</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>Detelte a channel</source>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>Del CH</source>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>Swap Channel</source>
        <translation>Zamień kanał</translation>
    </message>
    <message>
        <source>Swap channel</source>
        <translation>Zamień kanał miejscami z innym</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Przenieś kanał</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Przenieś kanał na inną pozycję</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Move the selected channels up by one row</source>
        <translation>Przesuń zaznaczone kanały o jeden wiersz w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>Move the selected channels down by one row</source>
        <translation>Przesuń zaznaczone kanały o jeden wiersz w dół</translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation>A---&gt;Z</translation>
    </message>
    <message>
        <source>Sort Channels from A to Z</source>
        <translation>Sortuj kanały od A do Z</translation>
    </message>
    <message>
        <source>AZ</source>
        <translation>AZ</translation>
    </message>
    <message>
        <source>Sort A---&gt;Z</source>
        <translation>Sortuj A---&gt;Z</translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation>Z---&gt;A</translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ</source>
        <translation>Sortuj kanały od Z do A</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>Sort Z---&gt;A</source>
        <translation>Sortuj Z---&gt;A</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Wg transpondera</translation>
    </message>
    <message>
        <source>Sort Channels by Transponer</source>
        <translation>Sortuj kanały wg transpondera</translation>
    </message>
    <message>
        <source>Transponder Sort</source>
        <translation>Wg transpondera</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Sortuj wg transpondera</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Wg satelity</translation>
    </message>
    <message>
        <source>Sort Channels by Satellite</source>
        <translation>Sortuj kanały wg satelity</translation>
    </message>
    <message>
        <source>Satellite Sort</source>
        <translation>Wg satelity</translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation>Sortuj wg satelity</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Zastosuj kolejność z...</translation>
    </message>
    <message>
        <source>Order the channels as another database or list orders them</source>
        <translation>Ułóż kanały w kolejności z innej bazy danych lub listy</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Zastosuj kolejność</translation>
    </message>
    <message>
        <source>Show Channel info...</source>
        <translation>Pokaż informacje o kanale...</translation>
    </message>
    <message>
        <source>Select the information of channel to show</source>
        <translation>Wybierz informacje o kanale do wyświetlenia</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Find channels by name</source>
        <translation>Znajdź kanały po nazwie</translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation>Kanały &amp;TV</translation>
    </message>
    <message>
        <source>Show the TV channels</source>
        <translation>Pokaż kanały TV</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation>Kanały &amp;radiowe</translation>
    </message>
    <message>
        <source>Show the Radio channels</source>
        <translation>Pokaż kanały radiowe</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>&amp;Sprawdź bazę danych...</translation>
    </message>
    <message>
        <source>Find duplicates, key collisions and orphans</source>
        <translation>Znajdź duplikaty, kolizje kluczy i osierocone wpisy</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <translation>&amp;O programie Velmora...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Wyświetl informacje o programie, numer wersji i prawa autorskie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Następny panel</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Poprzedni panel</translation>
    </message>
    <message>
        <source>Add Antenna</source>
        <translation>Dodaj antenę</translation>
    </message>
    <message>
        <source>Load Satellite from html file of %1...</source>
        <translation>Wczytaj satelitę z pliku HTML ze strony %1...</translation>
    </message>
    <message>
        <source>Load Satellite</source>
        <translation>Wczytaj satelitę</translation>
    </message>
    <message>
        <source>Load Satellites from satellites.xml...</source>
        <translation>Wczytaj satelity z satellites.xml...</translation>
    </message>
    <message>
        <source>Load Satellites</source>
        <translation>Wczytaj satelity</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml...</source>
        <translation>Aktualizuj transpondery z satellites.xml...</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Aktualizuj transpondery</translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation>Edytuj antenę</translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation>Przenieś antenę</translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation>Zamień antenę</translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation>Usuń antenę</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Dodaj transponder</translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation>Modyfikuj transpondery</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Edytuj transponder</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Usuń transponder</translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation>Zmień nazwę grupy ulubionych</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Kopiuj do tej bazy</translation>
    </message>
    <message>
        <source>Copy the selected differences from the other database</source>
        <translation>Skopiuj zaznaczone różnice z drugiej bazy danych</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Napraw</translation>
    </message>
    <message>
        <source>Mend the selected findings</source>
        <translation>Napraw zaznaczone problemy</translation>
    </message>
    <message>
        <source>Fix All</source>
        <translation>Napraw wszystko</translation>
    </message>
    <message>
        <source>Mend every finding that can be</source>
        <translation>Napraw wszystkie problemy, które da się naprawić</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>Ordered %1 of %2 TV channels and %3 of %4 radio channels</source>
        <translation>Ułożono kanały TV: %1 z %2, kanały radiowe: %3 z %4</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Kopiuj do tej bazy</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Zastosuj kolejność z</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <translation>Pliki SDX (*.sdx)|*.sdx|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Channel Lists (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Files (*.sdx)|*.sdx|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Listy kanałów (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|Pliki SDX (*.sdx)|*.sdx|Pliki CSV (*.csv)|*.csv|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>order</source>
        <translation>kolejność</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>only here</source>
        <translation>tylko tutaj</translation>
    </message>
    <message>
        <source>only there</source>
        <translation>tylko tam</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>różni się</translation>
    </message>
    <message>
        <source>The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark.</source>
        <translation>Lista nie jest plikiem tekstowym: zapisz ją w kodowaniu UTF-8 lub UTF-16 ze znacznikiem BOM.</translation>
    </message>
    <message>
        <source>line %1: expected %2 columns or more</source>
        <translation>wiersz %1: wymagana liczba kolumn to co najmniej %2</translation>
    </message>
    <message>
        <source>line %1: the table must be tv or radio</source>
        <translation>wiersz %1: w kolumnie table musi być tv lub radio</translation>
    </message>
    <message>
        <source>line %1: more than %2 channels</source>
        <translation>wiersz %1: liczba kanałów przekracza %2</translation>
    </message>
    <message>
        <source>This file is not a channel list exported as CSV.</source>
        <translation>Ten plik nie jest listą kanałów wyeksportowaną do CSV.</translation>
    </message>
    <message>
        <source>The list holds no channel names.</source>
        <translation>Lista nie zawiera nazw kanałów.</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nazwa satelity</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Pozycja orbitalna</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Typ LNB</translation>
    </message>
    <message>
        <source>22KHz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12 V</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>PID teletekstu</translation>
    </message>
    <message>
        <source>Service number</source>
        <translation>Numer usługi</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Tryb audio</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Other flags</source>
        <translation>Inne flagi</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Język menu</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Kolor menu</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Przezroczystość</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Język audio</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>System RF</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>Kanał RF</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>System TV</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Format obrazu</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Przesunięcie czasu</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Blokada hasłem</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Blokada kanałów</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Blokada instalacji</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Blokada systemu</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1/%2 universal</source>
        <translation>%1/%2 uniwersalny</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 na satelicie %2</translation>
    </message>
    <message>
        <source>FAV%1</source>
        <translation>FAV%1</translation>
    </message>
    <message>
        <source>FAV%1 Group Name</source>
        <translation>Nazwa grupy FAV%1</translation>
    </message>
    <message>
        <source>Copied %1 satellites, %2 transponders, %3 TV and %4 radio channels</source>
        <translation>Skopiowano – satelity: %1, transpondery: %2, kanały TV: %3, kanały radiowe: %4</translation>
    </message>
    <message>
        <source>%1, fields of %2 records</source>
        <translation>%1, pola wpisów: %2</translation>
    </message>
    <message>
        <source>Select the differences to copy.</source>
        <translation>Zaznacz różnice do skopiowania.</translation>
    </message>
    <message>
        <source>Records only here have nothing to copy.</source>
        <translation>Dla wpisów obecnych tylko tutaj nie ma czego kopiować.</translation>
    </message>
    <message>
        <source>An order is copied with Apply Order From.</source>
        <translation>Kolejność kopiuje się poleceniem „Zastosuj kolejność z...”.</translation>
    </message>
    <message>
        <source>A record on another satellite or transponder is moved in the main window.</source>
        <translation>Wpis na innym satelicie lub transponderze przenieś w oknie głównym.</translation>
    </message>
    <message>
        <source>Copy the channels of the copied satellites too?</source>
        <translation>Skopiować także kanały kopiowanych satelitów?</translation>
    </message>
    <message>
        <source>A channel&apos;s service number is taken on its transponder here; it was left as it is.</source>
        <translation>Numer usługi kanału jest w tej bazie już zajęty na jego transponderze; pozostawiono go bez zmian.</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation>To nie jest prawidłowy plik. Wybierz inny.</translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation>Nie można zapisać pliku.</translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation>Nie można zapisać pliku.
</translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation>Czy zapisać zmiany?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Plik na dysku zmienił się od czasu otwarcia. Nadpisać go?</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nowy plik</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Wybierz plik</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Pliki SDX (*.sdx)|*.sdx|Pliki BIN (*.bin)|*.bin|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Pliki SDX (*.sdx)|*.sdx|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Podaj liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Podaj liczbę od %1 do %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Dozwolona liczba znaków to najwyżej %1.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Podaj liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Podaj liczbę.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>LNB1</source>
        <translation>LNB1</translation>
    </message>
    <message>
        <source>LNB2</source>
        <translation>LNB2</translation>
    </message>
    <message>
        <source>LNB3</source>
        <translation>LNB3</translation>
    </message>
    <message>
        <source>LNB4</source>
        <translation>LNB4</translation>
    </message>
    <message>
        <source>Burst A</source>
        <translation>Burst A</translation>
    </message>
    <message>
        <source>Burst B</source>
        <translation>Burst B</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Nieokreślony</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albański</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabski</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Baskijski</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Białoruski</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalski</translation>
    </message>
    <message>
        <source>Bosnian</source>
        <translation>Bośniacki</translation>
    </message>
    <message>
        <source>Bislama</source>
        <translation>Bislama</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bułgarski</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Kataloński</translation>
    </message>
    <message>
        <source>Chechen</source>
        <translation>Czeczeński</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Creoles</source>
        <translation>Kreolski</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Chorwacki</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Duński</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estoński</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fiński</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Gruziński</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grecki</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrajski</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Węgierski</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandzki</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonezyjski</translation>
    </message>
    <message>
        <source>Irish</source>
        <translation>Irlandzki</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Kabyle</source>
        <translation>Kabylski</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kazachski</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Kurdish</source>
        <translation>Kurdyjski</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Łotewski</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litewski</translation>
    </message>
    <message>
        <source>Ltzeburgesch</source>
        <translation>Luksemburski</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Macedoński</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongolski</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norweski</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Perski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumuński</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Słoweński</translation>
    </message>
    <message>
        <source>Swahili</source>
        <translation>Suahili</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Szwedzki</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tatarski</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tajski</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tybetański</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukraiński</translation>
    </message>
    <message>
        <source>Urdu</source>
        <translation>Urdu</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Uzbecki</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Wietnamski</translation>
    </message>
    <message>
        <source>Philippine</source>
        <translation>Filipiński</translation>
    </message>
    <message>
        <source>Kongo</source>
        <translation>Kongo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where a file is refused, then why: &quot;line 3: A quoted field is not closed.&quot;</extracomment>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>Pierwszy wiersz musi być nagłówkiem %1.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where a value is refused: &quot;line 3, column tp_id&quot;; %2 is the file&apos;s column name.</extracomment>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>The line has %1 fields; the header names %2.</source>
        <translation>Liczba pól w wierszu: %1; w nagłówku: %2.</translation>
    </message>
    <message>
        <source>Please enter tv or radio.</source>
        <translation>Wpisz tv lub radio.</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Kanały radiowe</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Kanały TV</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, ...), for the HTML page&apos;s lang attribute.</extracomment>
        <translation>pl</translation>
    </message>
    <message>
        <source>%1 - channel list</source>
        <extracomment>The HTML page&apos;s title: &quot;channels.sdx - channel list&quot;.</extracomment>
        <translation>%1 – lista kanałów</translation>
    </message>
    <message>
        <source>The name is not UTF-8 text; save the file as CSV in UTF-8.</source>
        <translation>Nazwa nie jest tekstem w UTF-8; zapisz plik jako CSV w kodowaniu UTF-8.</translation>
    </message>
    <message>
        <source>Please enter 1 or 0.</source>
        <translation>Wpisz 1 lub 0.</translation>
    </message>
    <message>
        <source>The video PID of a radio channel cannot be changed.</source>
        <translation>Nie można zmienić PID-u wideo kanału radiowego.</translation>
    </message>
    <message>
        <source>No character of the name fits a channel name (ISO-8859-1): the name would be empty.</source>
        <translation>Żaden znak tej nazwy nie może wystąpić w nazwie kanału (ISO-8859-1): nazwa byłaby pusta.</translation>
    </message>
    <message>
        <source>&quot;Check Database...&quot; (Tools menu) mends key collisions; apply the file after it.</source>
        <extracomment>&quot;Check Database...&quot; and &quot;Tools&quot; are the menu&apos;s texts: use their translations.</extracomment>
        <translation>Kolizje kluczy naprawia „Sprawdź bazę danych...” (menu Narzędzia); następnie zastosuj plik.</translation>
    </message>
    <message>
        <source>tp_id %1 and service_number %2</source>
        <extracomment>tp_id and service_number are the file&apos;s column names: keep them.</extracomment>
        <translation>tp_id %1 i service_number %2</translation>
    </message>
    <message>
        <source>%1 channels renamed, %2 moved, %3 with other changes</source>
        <translation>Kanały ze zmienioną nazwą: %1, przeniesione: %2, z innymi zmianami: %3</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet</source>
        <translation>Nazwy wyglądające na przekształcone przez arkusz kalkulacyjny: %1</translation>
    </message>
    <message>
        <source>No radio channel has %1.</source>
        <translation>Żaden kanał radiowy nie ma %1.</translation>
    </message>
    <message>
        <source>No TV channel has %1.</source>
        <translation>Żaden kanał TV nie ma %1.</translation>
    </message>
    <message>
        <source>More than one radio channel has %1, so the row could change either.</source>
        <translation>Więcej niż jeden kanał radiowy ma %1, więc nie wiadomo, który z nich wiersz ma zmienić.</translation>
    </message>
    <message>
        <source>More than one TV channel has %1, so the row could change either.</source>
        <translation>Więcej niż jeden kanał TV ma %1, więc nie wiadomo, który z nich wiersz ma zmienić.</translation>
    </message>
    <message>
        <source>The channel with %1 is already on line %2.</source>
        <translation>Kanał z %1 występuje już w wierszu %2.</translation>
    </message>
    <message>
        <source>Radio %1: %2</source>
        <extracomment>A changed channel: &quot;TV 3: Das Erste&quot;, &quot;Radio 2: old name → new name&quot;.</extracomment>
        <translation>Radio %1: %2</translation>
    </message>
    <message>
        <source>TV %1: %2</source>
        <translation>TV %1: %2</translation>
    </message>
    <message>
        <source>moved from %1</source>
        <translation>przeniesiony z pozycji %1</translation>
    </message>
    <message>
        <source>PIDs, flags or marks changed</source>
        <translation>zmienione PID-y, flagi lub oznaczenia</translation>
    </message>
    <message>
        <source>%1: a spreadsheet may have changed them on opening the file. They are listed first; check them before you apply.</source>
        <extracomment>%1 is &quot;N names look converted by a spreadsheet&quot;.</extracomment>
        <translation>%1 – arkusz kalkulacyjny mógł je zmienić przy otwieraniu pliku. Są wymienione na początku; sprawdź je przed zastosowaniem.</translation>
    </message>
    <message>
        <source>A quote is out of place or a quoted field is not closed.</source>
        <translation>Cudzysłów jest w złym miejscu lub pole w cudzysłowie nie jest zamknięte.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Pole w cudzysłowie nie jest zamknięte.</translation>
    </message>
    <message>
        <source>The text could not be read.</source>
        <translation>Nie można odczytać tekstu.</translation>
    </message>
    <message>
        <source>The line has more than %1 fields.</source>
        <translation>Liczba pól w wierszu przekracza %1.</translation>
    </message>
    <message>
        <source>A field is longer than %1 bytes.</source>
        <translation>Pole przekracza dopuszczalną długość (w bajtach): %1.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Wyeksportowano do %1</translation>
    </message>
    <message>
        <source>Export the TV channels as well as the radio channels?
No exports the radio channels only.</source>
        <translation>Wyeksportować także kanały TV oprócz radiowych?
„Nie” eksportuje tylko kanały radiowe.</translation>
    </message>
    <message>
        <source>Export the radio channels as well as the TV channels?
No exports the TV channels only.</source>
        <translation>Wyeksportować także kanały radiowe oprócz kanałów TV?
„Nie” eksportuje tylko kanały TV.</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Eksportuj kanały jako CSV</translation>
    </message>
    <message>
        <source>Export Channels as HTML</source>
        <translation>Eksportuj kanały jako HTML</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Zastosuj zmiany z pliku CSV</translation>
    </message>
    <message>
        <source>The CSV file changes nothing.</source>
        <translation>Plik CSV niczego nie zmienia.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Pliki CSV (*.csv)|*.csv|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Pliki CSV (*.csv)|*.csv|Pliki CSV ze znacznikiem BOM, dla Excela (*.csv)|*.csv|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html)|*.html|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Pliki HTML (*.html)|*.html|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: &quot;A and B&quot;, &quot;A, B and C&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>radio channel &quot;%1&quot; (No. %2)</source>
        <translation>kanał radiowy „%1” (nr %2)</translation>
    </message>
    <message>
        <source>TV channel &quot;%1&quot; (No. %2)</source>
        <translation>kanał TV „%1” (nr %2)</translation>
    </message>
    <message>
        <source>satellite index %1</source>
        <translation>indeks %1</translation>
    </message>
    <message>
        <source>%1 share the channel key of service %2 on transponder id %3, so their favourite marks are ambiguous.</source>
        <translation>Wspólny klucz kanału (usługa %2 na transponderze o id %3): %1 – ich oznaczenia ulubionych są niejednoznaczne.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>nr %1</translation>
    </message>
    <message>
        <source>%1 is repeated as %2: same transponder, name, video, PCR and first audio PID.</source>
        <translation>Duplikat: %1 powtarza się jako %2 – ten sam transponder, nazwa, PID wideo, PCR i pierwszy PID audio.</translation>
    </message>
    <message>
        <source>%1 is on transponder id %2, which no transponder has.</source>
        <translation>Osierocony kanał: %1 wskazuje transponder o id %2, a takiego transpondera nie ma.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) of %3 is repeated with id %4.</source>
        <translation>Transponder %1 (id %2, satelita: %3) powtarza się z id %4.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) names satellite index %3, but there are only %4 satellites.</source>
        <translation>Transponder %1 (id %2) wskazuje satelitę o indeksie %3, a liczba satelitów wynosi tylko %4.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 (satelita: %2)</translation>
    </message>
    <message>
        <source>Transponders %1 share the id %2; the channels on that id belong to the first.</source>
        <translation>Transpondery %1 mają to samo id %2; kanały z tym id należą do pierwszego z nich.</translation>
    </message>
    <message>
        <source>video PID %1</source>
        <translation>PID wideo %1</translation>
    </message>
    <message>
        <source>PCR PID %1</source>
        <translation>PID PCR %1</translation>
    </message>
    <message>
        <source>teletext PID %1</source>
        <translation>PID teletekstu %1</translation>
    </message>
    <message>
        <source>audio PID %1 %2</source>
        <extracomment>%1 is the audio track&apos;s number, %2 the PID.</extracomment>
        <translation>PID %2 ścieżki audio nr %1</translation>
    </message>
    <message>
        <source>%1 has a PID above 8191: %2.</source>
        <translation>PID powyżej 8191 ma %1: %2.</translation>
    </message>
    <message>
        <source>%1 has PIDs above 8191: %2.</source>
        <translation>PID-y powyżej 8191 ma %1: %2.</translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>Kanał radiowy %1 „%2” stracił oznaczenie grupy ulubionych %3: po zmianie klucza grupa była już pełna.</translation>
    </message>
    <message>
        <source>TV channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>Kanał TV %1 „%2” stracił oznaczenie grupy ulubionych %3: po zmianie klucza grupa była już pełna.</translation>
    </message>
    <message>
        <source>Nothing was fixed.</source>
        <translation>Niczego nie naprawiono.</translation>
    </message>
    <message>
        <source>Fixed %1 finding</source>
        <translation>Naprawiono %1 problem</translation>
    </message>
    <message>
        <source>Fixed %1 findings</source>
        <translation>Naprawione problemy: %1</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>No satellite was created: the file name does not name one. Save the page under the satellite&apos;s name, &quot; at&quot; and its position, e.g. &quot;%1&quot;.</source>
        <translation>Nie utworzono satelity: nazwa pliku go nie określa. Zapisz stronę pod nazwą złożoną z nazwy satelity, „ at” i jego pozycji, np. „%1”.</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Lista satelitów jest pełna, nie można dodać satelity.</translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>Select saved html file from %1 </source>
        <translation>Wybierz plik HTML zapisany ze strony %1 </translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Pliki HTM (*.htm)|*.htm|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>Index</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>PID TXT</translation>
    </message>
    <message>
        <source>PAGE %1</source>
        <translation>STRONA %1</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Nie można rozpocząć drukowania.</translation>
    </message>
</context>
<context>
    <name>satellites</name>
    <message>
        <source>%1--Transponder List</source>
        <translation>%1 – lista transponderów</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Uniwersalny</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Wschód</translation>
    </message>
    <message>
        <source>Weast</source>
        <translation>Zachód</translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation>Czy na pewno usunąć satelitę „%1”?</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Lista satelitów jest pełna, nie można dodać satelity.</translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation>Poza zakresem</translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?
%1</source>
        <translation>Czy na pewno usunąć ten transponder?
%1</translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation>Lista transponderów jest pełna</translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation>Taki transponder już istnieje</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Dodaj transponder</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Edytuj transponder</translation>
    </message>
    <message>
        <source>All Services</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista kanałów</translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Parental Control</source>
        <translation>Kontrola rodzicielska</translation>
    </message>
    <message>
        <source>Other Setting</source>
        <translation>Inne ustawienia</translation>
    </message>
</context>
<context>
    <name>satxml</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Wczytaj satelity z satellites.xml</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Aktualizuj transpondery z satellites.xml</translation>
    </message>
    <message>
        <source>Export Satellites as satellites.xml</source>
        <translation>Eksportuj satelity jako satellites.xml</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Pliki XML (*.xml)|*.xml|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Nothing to update: the transponders of the satellites at the file&apos;s positions are as the file gives them.</source>
        <translation>Nie ma nic do zaktualizowania: transpondery satelitów na pozycjach z pliku są już takie jak w pliku.</translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satelita</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>satelity: %1</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>transpondery: %1</translation>
    </message>
    <message>
        <source>adds %1 / %2 of %3/%4 free</source>
        <extracomment>&quot;adds 2 satellites / 3 transponders of 61/1997 free&quot;</extracomment>
        <translation>Do dodania: %1 / %2; wolne miejsca: %3/%4</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmieniony</translation>
    </message>
    <message>
        <source>was %1</source>
        <translation>było: %1</translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation>Brak w pliku</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 kanał</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>kanały: %1</translation>
    </message>
    <message>
        <source>adds %1, changes %2, vanished %3 (%4 without channels)</source>
        <translation>Nowe: %1, zmienione: %2, brak w pliku: %3 (bez kanałów: %4)</translation>
    </message>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>This file is not XML: line %1: %2.</source>
        <extracomment>%2 is the XML parser&apos;s own English description of the fault.</extracomment>
        <translation>To nie jest plik XML: wiersz %1: %2.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: its root element is not &lt;satellites&gt;.</source>
        <translation>To nie jest plik satellites.xml: jego element główny to nie &lt;satellites&gt;.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: line %1 nests elements deeper than %2 levels.</source>
        <translation>To nie jest plik satellites.xml: w wierszu %1 elementy są zagnieżdżone głębiej niż na %2 poziomach.</translation>
    </message>
    <message>
        <source>This file is not a correct satellites.xml: line %1: &lt;%2&gt; has no whole number as %3.</source>
        <extracomment>%2 and %3 are the file&apos;s element and attribute names.</extracomment>
        <translation>To nie jest prawidłowy plik satellites.xml: wiersz %1: atrybut %3 elementu &lt;%2&gt; nie jest liczbą całkowitą.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabski</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Perski</translation>
    </message>
    <message>
        <source>4:3 Letter Box</source>
        <translation>4:3 Letterbox</translation>
    </message>
    <message>
        <source>4:3 Pan &amp; Scan</source>
        <translation>4:3 Pan &amp; Scan</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Color1</source>
        <translation>Kolor 1</translation>
    </message>
    <message>
        <source>Color2</source>
        <translation>Kolor 2</translation>
    </message>
    <message>
        <source>Color3</source>
        <translation>Kolor 3</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>The confirm password is wrong !</source>
        <translation>Potwierdzenie hasła nie zgadza się z nowym hasłem.</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Velmora(FTA)</source>
        <translation>O programie Velmora (FTA)</translation>
    </message>
    <message>
        <source>Copyright (C) The Velmora developers</source>
        <translation>Copyright (C) Twórcy programu Velmora</translation>
    </message>
    <message>
        <source>Data: 23/12/2005</source>
        <translation>Data: 23.12.2005</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>velmora::CAudioDlg</name>
    <message>
        <source>Audio Parameters</source>
        <translation>Parametry audio</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślna</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Język ścieżki</translation>
    </message>
</context>
<context>
    <name>velmora::CChannelDlg</name>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channel Parameters</source>
        <translation>Parametry kanału</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>PID teletekstu</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Odbiór</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Dostęp</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Kodowany</translation>
    </message>
</context>
<context>
    <name>velmora::CCsvEditsPreviewDlg</name>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Zastosuj zmiany z pliku CSV</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Modified</source>
        <translation>Zmieniony</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>Kanały: %1 z %2</translation>
    </message>
</context>
<context>
    <name>velmora::CModifyTPDlg</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>velmora::CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Z pozycji</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Na pozycję</translation>
    </message>
</context>
<context>
    <name>velmora::COtherSettingDlg</name>
    <message>
        <source>Other Setting</source>
        <translation>Inne ustawienia</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Język menu</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Kolor menu</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Przezroczystość</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Język audio</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>System RF</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>Kanał RF</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>System TV</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Format obrazu</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Przesunięcie czasu</translation>
    </message>
</context>
<context>
    <name>velmora::CParentalDlg</name>
    <message>
        <source>Parental Control</source>
        <translation>Kontrola rodzicielska</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Blokada hasłem</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Blokada kanałów</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Blokada instalacji</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Blokada systemu</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Zmień hasło</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nowe hasło</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Potwierdź hasło</translation>
    </message>
</context>
<context>
    <name>velmora::CRenameFavDlg</name>
    <message>
        <source>Rename FAV group name</source>
        <translation>Zmień nazwę grupy ulubionych</translation>
    </message>
    <message>
        <source>FAV Group Name</source>
        <translation>Nazwa grupy ulubionych</translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteDlg</name>
    <message>
        <source>Satellite Parameters</source>
        <translation>Parametry satelity</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nazwa satelity</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Pozycja orbitalna</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Typ LNB</translation>
    </message>
    <message>
        <source>22KHz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12 V</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
</context>
<context>
    <name>velmora::CShowInfoDlg</name>
    <message>
        <source>Show Channel information</source>
        <translation>Pokaż informacje o kanale</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderDlg</name>
    <message>
        <source>Transponder Parameters</source>
        <translation>Parametry transpondera</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
</context>
<context>
    <name>velmora::CVelmoraApp</name>
    <message>
        <source>Velmora: editor for satellite receiver channel databases (.sdx)</source>
        <translation>Velmora: edytor baz kanałów odbiorników satelitarnych (.sdx)</translation>
    </message>
    <message>
        <source>The .sdx file to open.</source>
        <translation>Plik .sdx do otwarcia.</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelFindPane</name>
    <message>
        <source>Find channel (Ctrl+F)</source>
        <translation>Znajdź kanał (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>velmora::CheckWindow</name>
    <message>
        <source>Channels sharing a channel key</source>
        <translation>Kanały ze wspólnym kluczem kanału</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <translation>Zduplikowane kanały</translation>
    </message>
    <message>
        <source>Channels without a transponder</source>
        <translation>Kanały bez transpondera</translation>
    </message>
    <message>
        <source>Duplicate transponders</source>
        <translation>Zduplikowane transpondery</translation>
    </message>
    <message>
        <source>Transponders without a satellite</source>
        <translation>Transpondery bez satelity</translation>
    </message>
    <message>
        <source>Transponders sharing an id</source>
        <translation>Transpondery ze wspólnym id</translation>
    </message>
    <message>
        <source>PIDs above 8191</source>
        <translation>PID-y powyżej 8191</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Sprawdź bazę danych</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kind of finding and its count. Keep &quot; (&quot; before the count: the window finds a kind&apos;s row by the title before it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), not fixed</source>
        <translation>%1 (%2), bez automatycznej naprawy</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Nie otwarto żadnej bazy danych.</translation>
    </message>
    <message>
        <source>No findings: the database is clean.</source>
        <translation>Nie znaleziono problemów: baza danych jest w porządku.</translation>
    </message>
    <message>
        <source>%1 finding(s), %2 of them can be fixed.</source>
        <translation>Znalezione problemy: %1, w tym do naprawienia: %2.</translation>
    </message>
</context>
<context>
    <name>velmora::CompareController</name>
    <message>
        <source>Copy only %1</source>
        <translation>Kopiuj tylko: %1</translation>
    </message>
</context>
<context>
    <name>velmora::CompareTableModel</name>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sekcja</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Ta baza danych</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Druga baza danych</translation>
    </message>
</context>
<context>
    <name>velmora::CompareWindow</name>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Ta baza danych</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Druga baza danych</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>All sections</source>
        <translation>Wszystkie sekcje</translation>
    </message>
    <message>
        <source>All differences</source>
        <translation>Wszystkie różnice</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Comparing this database with %1</source>
        <translation>Porównanie tej bazy danych z %1</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Porównaj z %1</translation>
    </message>
    <message>
        <source>The databases hold the same records.</source>
        <translation>Bazy danych zawierają te same wpisy.</translation>
    </message>
    <message>
        <source>%1 of %2 differences shown</source>
        <translation>Wyświetlane różnice: %1 z %2</translation>
    </message>
    <message>
        <source>Copy what the selected rows differ in from the other database</source>
        <translation>Skopiuj z drugiej bazy danych to, czym różnią się zaznaczone wiersze</translation>
    </message>
</context>
<context>
    <name>velmora::DialogControls</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>velmora::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>The language changes when Velmora is started the next time.</source>
        <translation>Język zmieni się przy następnym uruchomieniu programu Velmora.</translation>
    </message>
</context>
<context>
    <name>velmora::NameField</name>
    <message>
        <source>A name cannot hold &quot;%1&quot;; left out.</source>
        <translation>Nazwa nie może zawierać „%1”; pominięto.</translation>
    </message>
</context>
<context>
    <name>velmora::PaneLook</name>
    <message>
        <source>Print preview of the channel list (the active pane)</source>
        <translation>Podgląd wydruku listy kanałów (aktywny panel)</translation>
    </message>
    <message>
        <source>Printing the channel list (the active pane)</source>
        <translation>Drukowanie listy kanałów (aktywny panel)</translation>
    </message>
    <message>
        <source>Print preview of the tree (the active pane)</source>
        <translation>Podgląd wydruku drzewa (aktywny panel)</translation>
    </message>
    <message>
        <source>Printing the tree (the active pane)</source>
        <translation>Drukowanie drzewa (aktywny panel)</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlLoadDialog</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Wczytaj satelity z satellites.xml</translation>
    </message>
    <message>
        <source>Filter by position or name</source>
        <translation>Filtruj wg pozycji lub nazwy</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Name in the database</source>
        <translation>Nazwa w bazie danych</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlUpdateDialog</name>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Aktualizuj transpondery z satellites.xml</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Delete vanished transponders that no channel uses</source>
        <translation>Usuń transpondery, których nie ma w pliku i których nie używa żaden kanał</translation>
    </message>
</context>
</TS>
