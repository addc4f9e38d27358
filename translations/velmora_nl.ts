<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige pagina</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>With more than 10 audio entries, every audio PID must be the first PID plus the entry&apos;s position, except for at most 3 entries. Please change or delete audio entries.</source>
        <translation>Bij meer dan 10 audiosporen moet elke audio-PID gelijk zijn aan de eerste PID plus de positie van het spoor, met uitzondering van hoogstens 3 sporen. Wijzig of verwijder audiosporen.</translation>
    </message>
    <message>
        <source>Only the first 20 audio entries can have a language. Please set the later entries to Undefined or delete them.</source>
        <translation>Alleen de eerste 20 audiosporen kunnen een taal hebben. Zet de latere sporen op Onbepaald of verwijder ze.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation>Maximaal aantal audiotalen bereikt</translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation>Selecteer eerst een item</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Buiten bereik</translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation>Weet u zeker dat u de zender wilt verwijderen?</translation>
    </message>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation>Maximaal aantal zenders bereikt, toevoegen is niet mogelijk</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation>Favorieten zijn vol, er kunnen geen favorieten meer worden opgeslagen</translation>
    </message>
    <message>
        <source>Video PID 8191: the channel was stored as a radio channel.</source>
        <translation>Video-PID 8191: de zender is als radiozender opgeslagen.</translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation>Transponder niet gevonden</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Op slot</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT-PID</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>Op slot</translation>
    </message>
    <message>
        <source>Tele PID</source>
        <translation>Teletekst-PID</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Sort Channel</source>
        <translation>Zenders sorteren</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Een nieuw document maken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Een bestaand document openen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Slui&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Het actieve document opslaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Het actieve document onder een nieuwe naam opslaan</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Channels as &amp;CSV...</source>
        <translation>Zenders als &amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list to a CSV file for a spreadsheet</source>
        <translation>De zenderlijst naar een CSV-bestand voor een spreadsheet schrijven</translation>
    </message>
    <message>
        <source>Channels as &amp;HTML...</source>
        <translation>Zenders als &amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list to an HTML page</source>
        <translation>De zenderlijst naar een HTML-pagina schrijven</translation>
    </message>
    <message>
        <source>&amp;Satellites as satellites.xml...</source>
        <translation>&amp;Satellieten als satellites.xml...</translation>
    </message>
    <message>
        <source>Write the satellites and transponders as a satellites.xml file</source>
        <translation>De satellieten en transponders als satellites.xml-bestand schrijven</translation>
    </message>
    <message>
        <source>App&amp;ly CSV Edits...</source>
        <translation>CSV-wijzigingen toe&amp;passen...</translation>
    </message>
    <message>
        <source>Apply names, PIDs, flags, marks and order edited in a CSV file</source>
        <translation>Namen, PID&apos;s, kenmerken, markeringen en volgorde toepassen die in een CSV-bestand zijn bewerkt</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV-wijzigingen toepassen</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Vergelijken met...</translation>
    </message>
    <message>
        <source>Compare this database with another one</source>
        <translation>Deze database met een andere vergelijken</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Het actieve document afdrukken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Afdrukvoor&amp;beeld</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Volledige pagina&apos;s weergeven</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Printer&amp;instellingen...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>De printer en de afdrukopties wijzigen</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Recent bestand</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dit document openen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Het programma afsluiten; vraagt of documenten moeten worden opgeslagen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>De laatste actie ongedaan maken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>O&amp;pnieuw</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>De laatst ongedaan gemaakte actie opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Zender toevoegen</translation>
    </message>
    <message>
        <source>Add a new Channel</source>
        <translation>Een nieuwe zender toevoegen</translation>
    </message>
    <message>
        <source>Add CH</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Zender bewerken</translation>
    </message>
    <message>
        <source>Edit a channel</source>
        <translation>Een zender bewerken</translation>
    </message>
    <message>
        <source>Edit CH</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Zender verwijderen</translation>
    </message>
    <message>
        <source>Detelte a channel</source>
        <translation>Een zender verwijderen</translation>
    </message>
    <message>
        <source>Del CH</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Swap Channel</source>
        <translation>Zenders verwisselen</translation>
    </message>
    <message>
        <source>Swap channel</source>
        <translation>Zenders van plaats verwisselen</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Verwisselen</translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Zender verplaatsen</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Een zender verplaatsen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move the selected channels up by one row</source>
        <translation>De geselecteerde zenders één rij omhoog verplaatsen</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Move the selected channels down by one row</source>
        <translation>De geselecteerde zenders één rij omlaag verplaatsen</translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation>A---&gt;Z</translation>
    </message>
    <message>
        <source>Sort Channels from A to Z</source>
        <translation>Zenders sorteren van A tot Z</translation>
    </message>
    <message>
        <source>AZ</source>
        <translation>AZ</translation>
    </message>
    <message>
        <source>Sort A---&gt;Z</source>
        <translation>Sorteren A---&gt;Z</translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation>Z---&gt;A</translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ</source>
        <translation>Zenders sorteren van Z tot A</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>Sort Z---&gt;A</source>
        <translation>Sorteren Z---&gt;A</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Sort Channels by Transponer</source>
        <translation>Zenders sorteren op transponder</translation>
    </message>
    <message>
        <source>Transponder Sort</source>
        <translation>Transpondersortering</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Sorteren op transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Sort Channels by Satellite</source>
        <translation>Zenders sorteren op satelliet</translation>
    </message>
    <message>
        <source>Satellite Sort</source>
        <translation>Satellietsortering</translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation>Sorteren op satelliet</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Volgorde overnemen van...</translation>
    </message>
    <message>
        <source>Order the channels as another database or list orders them</source>
        <translation>De zenders in de volgorde van een andere database of lijst zetten</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Volgorde overnemen</translation>
    </message>
    <message>
        <source>Show Channel info...</source>
        <translation>Zenderinformatie tonen...</translation>
    </message>
    <message>
        <source>Select the information of channel to show</source>
        <translation>Kiezen welke zenderinformatie wordt getoond</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Find channels by name</source>
        <translation>Zenders zoeken op naam</translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation>&amp;TV-zenders</translation>
    </message>
    <message>
        <source>Show the TV channels</source>
        <translation>De TV-zenders tonen</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation>&amp;Radiozenders</translation>
    </message>
    <message>
        <source>Show the Radio channels</source>
        <translation>De radiozenders tonen</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>&amp;Database controleren...</translation>
    </message>
    <message>
        <source>Find duplicates, key collisions and orphans</source>
        <translation>Duplicaten, sleutelconflicten en verweesde items zoeken</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <translation>&amp;Over Velmora...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programma-informatie, versienummer en copyright weergeven</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volgend deelvenster</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorig deelvenster</translation>
    </message>
    <message>
        <source>Add Antenna</source>
        <translation>Antenne toevoegen</translation>
    </message>
    <message>
        <source>Load Satellite from html file of %1...</source>
        <translation>Satelliet laden uit HTML-bestand van %1...</translation>
    </message>
    <message>
        <source>Load Satellite</source>
        <translation>Satelliet laden</translation>
    </message>
    <message>
        <source>Load Satellites from satellites.xml...</source>
        <translation>Satellieten laden uit satellites.xml...</translation>
    </message>
    <message>
        <source>Load Satellites</source>
        <translation>Satellieten laden</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml...</source>
        <translation>Transponders bijwerken uit satellites.xml...</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Transponders bijwerken</translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation>Antenne bewerken</translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation>Antenne verplaatsen</translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation>Antennes verwisselen</translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation>Antenne verwijderen</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder toevoegen</translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation>Transponders wijzigen</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bewerken</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder verwijderen</translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation>Favorietengroep hernoemen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Naar deze database kopiëren</translation>
    </message>
    <message>
        <source>Copy the selected differences from the other database</source>
        <translation>De geselecteerde verschillen uit de andere database kopiëren</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Mend the selected findings</source>
        <translation>De geselecteerde bevindingen herstellen</translation>
    </message>
    <message>
        <source>Fix All</source>
        <translation>Alles herstellen</translation>
    </message>
    <message>
        <source>Mend every finding that can be</source>
        <translation>Alle herstelbare bevindingen herstellen</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>Ordered %1 of %2 TV channels and %3 of %4 radio channels</source>
        <translation>Geordend: TV-zenders %1 van %2, radiozenders %3 van %4</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Naar deze database kopiëren</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Volgorde overnemen van</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <translation>SDX-bestanden (*.sdx)|*.sdx|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Channel Lists (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Files (*.sdx)|*.sdx|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Zenderlijsten (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX-bestanden (*.sdx)|*.sdx|CSV-bestanden (*.csv)|*.csv|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>order</source>
        <translation>volgorde</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellieten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponders</translation>
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
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>only here</source>
        <translation>alleen hier</translation>
    </message>
    <message>
        <source>only there</source>
        <translation>alleen daar</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>gewijzigd</translation>
    </message>
    <message>
        <source>The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark.</source>
        <translation>De lijst is geen tekst: sla deze op als UTF-8 of als UTF-16 met byte order mark.</translation>
    </message>
    <message>
        <source>line %1: expected %2 columns or more</source>
        <translation>regel %1: minstens %2 kolommen verwacht</translation>
    </message>
    <message>
        <source>line %1: the table must be tv or radio</source>
        <translation>regel %1: de tabel moet tv of radio zijn</translation>
    </message>
    <message>
        <source>line %1: more than %2 channels</source>
        <translation>regel %1: meer dan %2 zenders</translation>
    </message>
    <message>
        <source>This file is not a channel list exported as CSV.</source>
        <translation>Dit bestand is geen als CSV geëxporteerde zenderlijst.</translation>
    </message>
    <message>
        <source>The list holds no channel names.</source>
        <translation>De lijst bevat geen zendernamen.</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Satellietnaam</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Satellietpositie</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Richting</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-type</translation>
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
        <translation>Motor</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symboolsnelheid</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisatie</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT-PID</translation>
    </message>
    <message>
        <source>Service number</source>
        <translation>Servicenummer</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Audiomodus</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Op slot</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Gecodeerd</translation>
    </message>
    <message>
        <source>Other flags</source>
        <translation>Overige kenmerken</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menutaal</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Menukleur</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparantie</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Audiotaal</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>RF-systeem</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>RF-kanaal</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>TV-systeem</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>TV-beeldformaat</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Tijdverschil</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Helptekst tonen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Wachtwoordslot</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Zenderslot</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Installatieslot</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Systeemslot</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1/%2 universal</source>
        <translation>%1/%2 universeel</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>FAV%1</source>
        <translation>FAV%1</translation>
    </message>
    <message>
        <source>FAV%1 Group Name</source>
        <translation>Naam favorietengroep %1</translation>
    </message>
    <message>
        <source>Copied %1 satellites, %2 transponders, %3 TV and %4 radio channels</source>
        <translation>Gekopieerd: satellieten %1, transponders %2, TV-zenders %3, radiozenders %4</translation>
    </message>
    <message>
        <source>%1, fields of %2 records</source>
        <translation>%1, velden van records: %2</translation>
    </message>
    <message>
        <source>Select the differences to copy.</source>
        <translation>Selecteer de verschillen die u wilt kopiëren.</translation>
    </message>
    <message>
        <source>Records only here have nothing to copy.</source>
        <translation>Records die alleen hier staan, hebben niets om te kopiëren.</translation>
    </message>
    <message>
        <source>An order is copied with Apply Order From.</source>
        <translation>Een volgorde neemt u over met &quot;Volgorde overnemen van&quot;.</translation>
    </message>
    <message>
        <source>A record on another satellite or transponder is moved in the main window.</source>
        <translation>Een record op een andere satelliet of transponder verplaatst u in het hoofdvenster.</translation>
    </message>
    <message>
        <source>Copy the channels of the copied satellites too?</source>
        <translation>Ook de zenders van de gekopieerde satellieten kopiëren?</translation>
    </message>
    <message>
        <source>A channel&apos;s service number is taken on its transponder here; it was left as it is.</source>
        <translation>Het servicenummer van een zender is hier op zijn transponder al in gebruik; het is ongewijzigd gelaten.</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Het bestand kan niet worden geopend!</translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation>Dit is geen geldig bestand, selecteer een ander bestand!</translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation>Bestand kan niet worden opgeslagen!</translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation>Het bestand kan niet worden opgeslagen
</translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation>Wilt u de gewijzigde gegevens opslaan?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Het bestand is op schijf gewijzigd sinds het werd geopend. Overschrijven?</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nieuw bestand</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Bestand selecteren</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>SDX-bestanden (*.sdx)|*.sdx|BIN-bestanden (*.bin)|*.bin|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>SDX-bestanden (*.sdx)|*.sdx|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal tussen %1 en %2 in.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Voer een getal tussen %1 en %2 in.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Voer niet meer dan %1 tekens in.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Voer een getal in.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
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
        <translation>Onbepaald</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanees</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Baskisch</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Wit-Russisch</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengaals</translation>
    </message>
    <message>
        <source>Bosnian</source>
        <translation>Bosnisch</translation>
    </message>
    <message>
        <source>Bislama</source>
        <translation>Bislama</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgaars</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalaans</translation>
    </message>
    <message>
        <source>Chechen</source>
        <translation>Tsjetsjeens</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinees</translation>
    </message>
    <message>
        <source>Creoles</source>
        <translation>Creoolse talen</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tsjechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Deens</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fins</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grieks</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreeuws</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongaars</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>IJslands</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Irish</source>
        <translation>Iers</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>Kabyle</source>
        <translation>Kabylisch</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kazachs</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreaans</translation>
    </message>
    <message>
        <source>Kurdish</source>
        <translation>Koerdisch</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lets</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litouws</translation>
    </message>
    <message>
        <source>Ltzeburgesch</source>
        <translation>Luxemburgs</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Macedonisch</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongools</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noors</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Perzisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roemeens</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Servisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Sloveens</translation>
    </message>
    <message>
        <source>Swahili</source>
        <translation>Swahili</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tataars</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetaans</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turks</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Oekraïens</translation>
    </message>
    <message>
        <source>Urdu</source>
        <translation>Urdu</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Oezbeeks</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamees</translation>
    </message>
    <message>
        <source>Philippine</source>
        <translation>Filipijns</translation>
    </message>
    <message>
        <source>Kongo</source>
        <translation>Kongo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where a file is refused, then why: &quot;line 3: A quoted field is not closed.&quot;</extracomment>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>De eerste regel moet de kopregel %1 zijn.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where a value is refused: &quot;line 3, column tp_id&quot;; %2 is the file&apos;s column name.</extracomment>
        <translation>regel %1, kolom %2</translation>
    </message>
    <message>
        <source>The line has %1 fields; the header names %2.</source>
        <translation>De regel heeft %1 velden; de kopregel noemt er %2.</translation>
    </message>
    <message>
        <source>Please enter tv or radio.</source>
        <translation>Voer tv of radio in.</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiozenders</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-zenders</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, ...), for the HTML page&apos;s lang attribute.</extracomment>
        <translation>nl</translation>
    </message>
    <message>
        <source>%1 - channel list</source>
        <extracomment>The HTML page&apos;s title: &quot;channels.sdx - channel list&quot;.</extracomment>
        <translation>%1 - zenderlijst</translation>
    </message>
    <message>
        <source>The name is not UTF-8 text; save the file as CSV in UTF-8.</source>
        <translation>De naam is geen UTF-8-tekst; sla het bestand op als CSV in UTF-8.</translation>
    </message>
    <message>
        <source>Please enter 1 or 0.</source>
        <translation>Voer 1 of 0 in.</translation>
    </message>
    <message>
        <source>The video PID of a radio channel cannot be changed.</source>
        <translation>De video-PID van een radiozender kan niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>No character of the name fits a channel name (ISO-8859-1): the name would be empty.</source>
        <translation>Geen enkel teken van de naam past in een zendernaam (ISO-8859-1): de naam zou leeg zijn.</translation>
    </message>
    <message>
        <source>&quot;Check Database...&quot; (Tools menu) mends key collisions; apply the file after it.</source>
        <extracomment>&quot;Check Database...&quot; and &quot;Tools&quot; are the menu&apos;s texts: use their translations.</extracomment>
        <translation>&quot;Database controleren...&quot; (menu Extra) herstelt sleutelconflicten; pas het bestand daarna toe.</translation>
    </message>
    <message>
        <source>tp_id %1 and service_number %2</source>
        <extracomment>tp_id and service_number are the file&apos;s column names: keep them.</extracomment>
        <translation>tp_id %1 en service_number %2</translation>
    </message>
    <message>
        <source>%1 channels renamed, %2 moved, %3 with other changes</source>
        <translation>Zenders hernoemd: %1, verplaatst: %2, met andere wijzigingen: %3</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet</source>
        <translation>Namen die door een spreadsheet omgezet lijken: %1</translation>
    </message>
    <message>
        <source>No radio channel has %1.</source>
        <translation>Geen radiozender heeft %1.</translation>
    </message>
    <message>
        <source>No TV channel has %1.</source>
        <translation>Geen TV-zender heeft %1.</translation>
    </message>
    <message>
        <source>More than one radio channel has %1, so the row could change either.</source>
        <translation>Meer dan één radiozender heeft %1, dus de regel kan elk van die zenders wijzigen.</translation>
    </message>
    <message>
        <source>More than one TV channel has %1, so the row could change either.</source>
        <translation>Meer dan één TV-zender heeft %1, dus de regel kan elk van die zenders wijzigen.</translation>
    </message>
    <message>
        <source>The channel with %1 is already on line %2.</source>
        <translation>De zender met %1 staat al op regel %2.</translation>
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
        <translation>verplaatst van %1</translation>
    </message>
    <message>
        <source>PIDs, flags or marks changed</source>
        <translation>PID&apos;s, kenmerken of markeringen gewijzigd</translation>
    </message>
    <message>
        <source>%1: a spreadsheet may have changed them on opening the file. They are listed first; check them before you apply.</source>
        <extracomment>%1 is &quot;N names look converted by a spreadsheet&quot;.</extracomment>
        <translation>%1. Mogelijk heeft een spreadsheet ze bij het openen van het bestand gewijzigd. Ze staan bovenaan; controleer ze voordat u de wijzigingen toepast.</translation>
    </message>
    <message>
        <source>A quote is out of place or a quoted field is not closed.</source>
        <translation>Een aanhalingsteken staat op de verkeerde plaats of een veld tussen aanhalingstekens is niet afgesloten.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Een veld tussen aanhalingstekens is niet afgesloten.</translation>
    </message>
    <message>
        <source>The text could not be read.</source>
        <translation>De tekst kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The line has more than %1 fields.</source>
        <translation>De regel heeft meer dan %1 velden.</translation>
    </message>
    <message>
        <source>A field is longer than %1 bytes.</source>
        <translation>Een veld is langer dan %1 bytes.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Geëxporteerd naar %1</translation>
    </message>
    <message>
        <source>Export the TV channels as well as the radio channels?
No exports the radio channels only.</source>
        <translation>Naast de radiozenders ook de TV-zenders exporteren?
Bij Nee worden alleen de radiozenders geëxporteerd.</translation>
    </message>
    <message>
        <source>Export the radio channels as well as the TV channels?
No exports the TV channels only.</source>
        <translation>Naast de TV-zenders ook de radiozenders exporteren?
Bij Nee worden alleen de TV-zenders geëxporteerd.</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Zenders exporteren als CSV</translation>
    </message>
    <message>
        <source>Export Channels as HTML</source>
        <translation>Zenders exporteren als HTML</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV-wijzigingen toepassen</translation>
    </message>
    <message>
        <source>The CSV file changes nothing.</source>
        <translation>Het CSV-bestand wijzigt niets.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>CSV-bestanden (*.csv)|*.csv|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>CSV-bestanden (*.csv)|*.csv|CSV-bestanden met byte order mark, voor Excel (*.csv)|*.csv|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html)|*.html|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>HTML-bestanden (*.html)|*.html|Alle bestanden (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: &quot;A and B&quot;, &quot;A, B and C&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>radio channel &quot;%1&quot; (No. %2)</source>
        <translation>radiozender &quot;%1&quot; (nr. %2)</translation>
    </message>
    <message>
        <source>TV channel &quot;%1&quot; (No. %2)</source>
        <translation>TV-zender &quot;%1&quot; (nr. %2)</translation>
    </message>
    <message>
        <source>satellite index %1</source>
        <translation>satellietindex %1</translation>
    </message>
    <message>
        <source>%1 share the channel key of service %2 on transponder id %3, so their favourite marks are ambiguous.</source>
        <translation>%1 delen de zendersleutel van service %2 op transponder-id %3, waardoor hun favorietmarkeringen dubbelzinnig zijn.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>nr. %1</translation>
    </message>
    <message>
        <source>%1 is repeated as %2: same transponder, name, video, PCR and first audio PID.</source>
        <translation>%1 komt nogmaals voor als %2: zelfde transponder, naam, video-, PCR- en eerste audio-PID.</translation>
    </message>
    <message>
        <source>%1 is on transponder id %2, which no transponder has.</source>
        <translation>%1 staat op transponder-id %2, maar geen enkele transponder heeft dat id.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) of %3 is repeated with id %4.</source>
        <translation>Transponder %1 (id %2) van %3 komt nogmaals voor met id %4.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) names satellite index %3, but there are only %4 satellites.</source>
        <translation>Transponder %1 (id %2) verwijst naar satellietindex %3, maar het aantal satellieten is slechts %4.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Transponders %1 share the id %2; the channels on that id belong to the first.</source>
        <translation>Transponders %1 delen id %2; de zenders op dat id horen bij de eerste.</translation>
    </message>
    <message>
        <source>video PID %1</source>
        <translation>video-PID %1</translation>
    </message>
    <message>
        <source>PCR PID %1</source>
        <translation>PCR-PID %1</translation>
    </message>
    <message>
        <source>teletext PID %1</source>
        <translation>teletekst-PID %1</translation>
    </message>
    <message>
        <source>audio PID %1 %2</source>
        <extracomment>%1 is the audio track&apos;s number, %2 the PID.</extracomment>
        <translation>audio-PID %1 %2</translation>
    </message>
    <message>
        <source>%1 has a PID above 8191: %2.</source>
        <translation>%1 heeft een PID boven 8191: %2.</translation>
    </message>
    <message>
        <source>%1 has PIDs above 8191: %2.</source>
        <translation>%1 heeft PID&apos;s boven 8191: %2.</translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>Radiozender %1 &quot;%2&quot; is zijn markering voor favorietengroep %3 kwijt: met de nieuwe sleutel was de groep vol.</translation>
    </message>
    <message>
        <source>TV channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>TV-zender %1 &quot;%2&quot; is zijn markering voor favorietengroep %3 kwijt: met de nieuwe sleutel was de groep vol.</translation>
    </message>
    <message>
        <source>Nothing was fixed.</source>
        <translation>Er is niets hersteld.</translation>
    </message>
    <message>
        <source>Fixed %1 finding</source>
        <translation>%1 bevinding hersteld</translation>
    </message>
    <message>
        <source>Fixed %1 findings</source>
        <translation>%1 bevindingen hersteld</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>No satellite was created: the file name does not name one. Save the page under the satellite&apos;s name, &quot; at&quot; and its position, e.g. &quot;%1&quot;.</source>
        <translation>Er is geen satelliet aangemaakt: de bestandsnaam noemt er geen. Sla de pagina op onder de naam van de satelliet, gevolgd door &quot; at&quot; en de positie, bijv. &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Maximaal aantal satellieten bereikt, de satelliet kan niet worden toegevoegd</translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation>Bestand kan niet worden geopend!</translation>
    </message>
    <message>
        <source>Select saved html file from %1 </source>
        <translation>Opgeslagen HTML-bestand van %1 selecteren </translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>HTM-bestanden (*.htm)|*.htm|Alle bestanden (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Op slot</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT-PID</translation>
    </message>
    <message>
        <source>PAGE %1</source>
        <translation>PAGINA %1</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>De afdruktaak kon niet worden gestart.</translation>
    </message>
</context>
<context>
    <name>satellites</name>
    <message>
        <source>%1--Transponder List</source>
        <translation>%1--Transponderlijst</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universeel</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>Weast</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation>Weet u zeker dat u satelliet (%1) wilt verwijderen?</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Maximaal aantal satellieten bereikt, de satelliet kan niet worden toegevoegd</translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation>Buiten bereik</translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?
%1</source>
        <translation>Weet u zeker dat u deze transponder wilt verwijderen?
%1</translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation>Maximaal aantal transponders bereikt</translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation>Deze transponder bestaat al</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder toevoegen</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bewerken</translation>
    </message>
    <message>
        <source>All Services</source>
        <translation>Alle zenders</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Zenderlijst</translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Parental Control</source>
        <translation>Kinderslot</translation>
    </message>
    <message>
        <source>Other Setting</source>
        <translation>Overige instellingen</translation>
    </message>
</context>
<context>
    <name>satxml</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Satellieten laden uit satellites.xml</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Transponders bijwerken uit satellites.xml</translation>
    </message>
    <message>
        <source>Export Satellites as satellites.xml</source>
        <translation>Satellieten exporteren als satellites.xml</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>XML-bestanden (*.xml)|*.xml|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Nothing to update: the transponders of the satellites at the file&apos;s positions are as the file gives them.</source>
        <translation>Niets bij te werken: de transponders van de satellieten op de posities uit het bestand komen al overeen met het bestand.</translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satelliet</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satellieten</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transponders</translation>
    </message>
    <message>
        <source>adds %1 / %2 of %3/%4 free</source>
        <extracomment>&quot;adds 2 satellites / 3 transponders of 61/1997 free&quot;</extracomment>
        <translation>voegt %1 / %2 toe (vrij: %3/%4)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>was %1</source>
        <translation>was %1</translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation>Verdwenen</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 zender</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 zenders</translation>
    </message>
    <message>
        <source>adds %1, changes %2, vanished %3 (%4 without channels)</source>
        <translation>nieuw: %1, gewijzigd: %2, verdwenen: %3 (zonder zenders: %4)</translation>
    </message>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Het bestand kan niet worden geopend!</translation>
    </message>
    <message>
        <source>This file is not XML: line %1: %2.</source>
        <extracomment>%2 is the XML parser&apos;s own English description of the fault.</extracomment>
        <translation>Dit bestand is geen XML: regel %1: %2.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: its root element is not &lt;satellites&gt;.</source>
        <translation>Dit bestand is geen satellites.xml: het hoofdelement is niet &lt;satellites&gt;.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: line %1 nests elements deeper than %2 levels.</source>
        <translation>Dit bestand is geen satellites.xml: regel %1 nest elementen dieper dan %2 niveaus.</translation>
    </message>
    <message>
        <source>This file is not a correct satellites.xml: line %1: &lt;%2&gt; has no whole number as %3.</source>
        <extracomment>%2 and %3 are the file&apos;s element and attribute names.</extracomment>
        <translation>Dit is geen geldig satellites.xml-bestand: regel %1: &lt;%2&gt; heeft geen geheel getal als %3.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turks</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Farsi</translation>
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
        <translation>Kleur 1</translation>
    </message>
    <message>
        <source>Color2</source>
        <translation>Kleur 2</translation>
    </message>
    <message>
        <source>Color3</source>
        <translation>Kleur 3</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>The confirm password is wrong !</source>
        <translation>Het bevestigde wachtwoord komt niet overeen!</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Velmora(FTA)</source>
        <translation>Over Velmora (FTA)</translation>
    </message>
    <message>
        <source>Copyright (C) The Velmora developers</source>
        <translation>Copyright (C) De ontwikkelaars van Velmora</translation>
    </message>
    <message>
        <source>Data: 23/12/2005</source>
        <translation>Datum: 23-12-2005</translation>
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
        <translation>Audioparameters</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Audiotaal</translation>
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
        <translation>Zenderparameters</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Zender</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT-PID</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Ontvangst</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Toegang</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Op slot</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Gecodeerd</translation>
    </message>
</context>
<context>
    <name>velmora::CCsvEditsPreviewDlg</name>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV-wijzigingen toepassen</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Modified</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
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
        <translation>Zenders: %1 van %2</translation>
    </message>
</context>
<context>
    <name>velmora::CModifyTPDlg</name>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>velmora::CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Naar</translation>
    </message>
</context>
<context>
    <name>velmora::COtherSettingDlg</name>
    <message>
        <source>Other Setting</source>
        <translation>Overige instellingen</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menutaal</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Menukleur</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparantie</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Helptekst tonen</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Audiotaal</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>RF-systeem</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>RF-kanaal</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>TV-systeem</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>TV-beeldformaat</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Tijdverschil</translation>
    </message>
</context>
<context>
    <name>velmora::CParentalDlg</name>
    <message>
        <source>Parental Control</source>
        <translation>Kinderslot</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Wachtwoordslot</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Zenderslot</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Installatieslot</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Systeemslot</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Wachtwoord wijzigen</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nieuw wachtwoord</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Wachtwoord bevestigen</translation>
    </message>
</context>
<context>
    <name>velmora::CRenameFavDlg</name>
    <message>
        <source>Rename FAV group name</source>
        <translation>Favorietengroep hernoemen</translation>
    </message>
    <message>
        <source>FAV Group Name</source>
        <translation>Naam favorietengroep</translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteDlg</name>
    <message>
        <source>Satellite Parameters</source>
        <translation>Satellietparameters</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Satellietnaam</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Satellietpositie</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Richting</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-type</translation>
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
        <translation>Zenderinformatie tonen</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Zender</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderDlg</name>
    <message>
        <source>Transponder Parameters</source>
        <translation>Transponderparameters</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symboolsnelheid</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisatie</translation>
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
        <translation>Velmora: editor voor zenderdatabases van satellietontvangers (.sdx)</translation>
    </message>
    <message>
        <source>The .sdx file to open.</source>
        <translation>Het .sdx-bestand dat geopend moet worden.</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelFindPane</name>
    <message>
        <source>Find channel (Ctrl+F)</source>
        <translation>Zender zoeken (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>velmora::CheckWindow</name>
    <message>
        <source>Channels sharing a channel key</source>
        <translation>Zenders met dezelfde zendersleutel</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <translation>Dubbele zenders</translation>
    </message>
    <message>
        <source>Channels without a transponder</source>
        <translation>Zenders zonder transponder</translation>
    </message>
    <message>
        <source>Duplicate transponders</source>
        <translation>Dubbele transponders</translation>
    </message>
    <message>
        <source>Transponders without a satellite</source>
        <translation>Transponders zonder satelliet</translation>
    </message>
    <message>
        <source>Transponders sharing an id</source>
        <translation>Transponders met hetzelfde id</translation>
    </message>
    <message>
        <source>PIDs above 8191</source>
        <translation>PID&apos;s boven 8191</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Database controleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kind of finding and its count. Keep &quot; (&quot; before the count: the window finds a kind&apos;s row by the title before it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), not fixed</source>
        <translation>%1 (%2), wordt niet hersteld</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Er is geen database geopend.</translation>
    </message>
    <message>
        <source>No findings: the database is clean.</source>
        <translation>Geen bevindingen: de database is in orde.</translation>
    </message>
    <message>
        <source>%1 finding(s), %2 of them can be fixed.</source>
        <translation>Bevindingen: %1, waarvan herstelbaar: %2.</translation>
    </message>
</context>
<context>
    <name>velmora::CompareController</name>
    <message>
        <source>Copy only %1</source>
        <translation>Alleen %1 kopiëren</translation>
    </message>
</context>
<context>
    <name>velmora::CompareTableModel</name>
    <message>
        <source>Changes</source>
        <translation>Wijzigingen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Onderdeel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Deze database</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Andere database</translation>
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
        <translation>Veld</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Deze database</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Andere database</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>All sections</source>
        <translation>Alle onderdelen</translation>
    </message>
    <message>
        <source>All differences</source>
        <translation>Alle verschillen</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Comparing this database with %1</source>
        <translation>Deze database wordt vergeleken met %1</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Vergelijken met %1</translation>
    </message>
    <message>
        <source>The databases hold the same records.</source>
        <translation>De databases bevatten dezelfde records.</translation>
    </message>
    <message>
        <source>%1 of %2 differences shown</source>
        <translation>Verschillen getoond: %1 van %2</translation>
    </message>
    <message>
        <source>Copy what the selected rows differ in from the other database</source>
        <translation>De verschillen van de geselecteerde rijen uit de andere database kopiëren</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>velmora::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>Taa&amp;l</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>The language changes when Velmora is started the next time.</source>
        <translation>De taal wordt gewijzigd wanneer Velmora de volgende keer wordt gestart.</translation>
    </message>
</context>
<context>
    <name>velmora::NameField</name>
    <message>
        <source>A name cannot hold &quot;%1&quot;; left out.</source>
        <translation>Een naam kan &quot;%1&quot; niet bevatten; weggelaten.</translation>
    </message>
</context>
<context>
    <name>velmora::PaneLook</name>
    <message>
        <source>Print preview of the channel list (the active pane)</source>
        <translation>Afdrukvoorbeeld van de zenderlijst (het actieve deelvenster)</translation>
    </message>
    <message>
        <source>Printing the channel list (the active pane)</source>
        <translation>Zenderlijst afdrukken (het actieve deelvenster)</translation>
    </message>
    <message>
        <source>Print preview of the tree (the active pane)</source>
        <translation>Afdrukvoorbeeld van de boomstructuur (het actieve deelvenster)</translation>
    </message>
    <message>
        <source>Printing the tree (the active pane)</source>
        <translation>Boomstructuur afdrukken (het actieve deelvenster)</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlLoadDialog</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Satellieten laden uit satellites.xml</translation>
    </message>
    <message>
        <source>Filter by position or name</source>
        <translation>Filteren op positie of naam</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Name in the database</source>
        <translation>Naam in de database</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponders</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlUpdateDialog</name>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Transponders bijwerken uit satellites.xml</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Delete vanished transponders that no channel uses</source>
        <translation>Verdwenen transponders verwijderen die door geen enkele zender worden gebruikt</translation>
    </message>
</context>
</TS>
