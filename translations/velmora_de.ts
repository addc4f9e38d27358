<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>With more than 10 audio entries, every audio PID must be the first PID plus the entry&apos;s position, except for at most 3 entries. Please change or delete audio entries.</source>
        <translation>Bei mehr als 10 Audioeinträgen muss jede Audio-PID gleich der ersten PID plus der Position des Eintrags sein; höchstens 3 Einträge dürfen abweichen. Bitte ändern oder löschen Sie Audioeinträge.</translation>
    </message>
    <message>
        <source>Only the first 20 audio entries can have a language. Please set the later entries to Undefined or delete them.</source>
        <translation>Nur die ersten 20 Audioeinträge können eine Sprache haben. Bitte setzen Sie die späteren Einträge auf „Undefiniert“ oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation>Keine weiteren Audiosprachen möglich</translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation>Bitte wählen Sie zuerst einen Eintrag aus</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation>Sender wirklich löschen?</translation>
    </message>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation>Die Senderliste ist voll, es können keine weiteren Sender hinzugefügt werden</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation>Die Favoritenliste ist voll, es können keine weiteren Favoriten gespeichert werden</translation>
    </message>
    <message>
        <source>Video PID 8191: the channel was stored as a radio channel.</source>
        <translation>Video-PID 8191: Der Sender wurde als Radiosender gespeichert.</translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation>Transponder nicht gefunden</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Gesperrt</translation>
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
        <translation>Entsperrt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Tele PID</source>
        <translation>Videotext-PID</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Sort Channel</source>
        <translation>Sender sortieren</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Neue Datei anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Vorhandene Datei öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Aktive Datei speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Aktive Datei unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Channels as &amp;CSV...</source>
        <translation>Sender als &amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list to a CSV file for a spreadsheet</source>
        <translation>Senderliste als CSV-Datei für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>Channels as &amp;HTML...</source>
        <translation>Sender als &amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list to an HTML page</source>
        <translation>Senderliste als HTML-Seite speichern</translation>
    </message>
    <message>
        <source>&amp;Satellites as satellites.xml...</source>
        <translation>&amp;Satelliten als satellites.xml...</translation>
    </message>
    <message>
        <source>Write the satellites and transponders as a satellites.xml file</source>
        <translation>Satelliten und Transponder als satellites.xml-Datei speichern</translation>
    </message>
    <message>
        <source>App&amp;ly CSV Edits...</source>
        <translation>&amp;CSV-Änderungen übernehmen...</translation>
    </message>
    <message>
        <source>Apply names, PIDs, flags, marks and order edited in a CSV file</source>
        <translation>In einer CSV-Datei bearbeitete Namen, PIDs, Merkmale, Markierungen und Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV-Änderungen übernehmen</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Ver&amp;gleichen mit...</translation>
    </message>
    <message>
        <source>Compare this database with another one</source>
        <translation>Diese Datenbank mit einer anderen vergleichen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Aktive Datei drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker ein&amp;richten...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Diese Datei öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Programm beenden; fragt, ob Dateien gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Zuletzt rückgängig gemachte Aktion wiederherstellen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Sender hinzufügen</translation>
    </message>
    <message>
        <source>Add a new Channel</source>
        <translation>Neuen Sender hinzufügen</translation>
    </message>
    <message>
        <source>Add CH</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>Edit a channel</source>
        <translation>Einen Sender bearbeiten</translation>
    </message>
    <message>
        <source>Edit CH</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Sender löschen</translation>
    </message>
    <message>
        <source>Detelte a channel</source>
        <translation>Einen Sender löschen</translation>
    </message>
    <message>
        <source>Del CH</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Swap Channel</source>
        <translation>Sender tauschen</translation>
    </message>
    <message>
        <source>Swap channel</source>
        <translation>Sender tauschen</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Sender verschieben</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Sender verschieben</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the selected channels up by one row</source>
        <translation>Ausgewählte Sender um eine Zeile nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the selected channels down by one row</source>
        <translation>Ausgewählte Sender um eine Zeile nach unten verschieben</translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation>A---&gt;Z</translation>
    </message>
    <message>
        <source>Sort Channels from A to Z</source>
        <translation>Sender von A bis Z sortieren</translation>
    </message>
    <message>
        <source>AZ</source>
        <translation>AZ</translation>
    </message>
    <message>
        <source>Sort A---&gt;Z</source>
        <translation>Sortieren A---&gt;Z</translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation>Z---&gt;A</translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ</source>
        <translation>Sender von Z bis A sortieren</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>Sort Z---&gt;A</source>
        <translation>Sortieren Z---&gt;A</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Sort Channels by Transponer</source>
        <translation>Sender nach Transponder sortieren</translation>
    </message>
    <message>
        <source>Transponder Sort</source>
        <translation>Nach Transponder</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Nach Transponder sortieren</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Sort Channels by Satellite</source>
        <translation>Sender nach Satellit sortieren</translation>
    </message>
    <message>
        <source>Satellite Sort</source>
        <translation>Nach Satellit</translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation>Nach Satellit sortieren</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Reihenfolge übernehmen von...</translation>
    </message>
    <message>
        <source>Order the channels as another database or list orders them</source>
        <translation>Sender so ordnen, wie eine andere Datenbank oder Liste sie ordnet</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Show Channel info...</source>
        <translation>Senderinfo anzeigen...</translation>
    </message>
    <message>
        <source>Select the information of channel to show</source>
        <translation>Auswählen, welche Senderinformationen angezeigt werden</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find channels by name</source>
        <translation>Sender nach Namen suchen</translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation>&amp;TV-Sender</translation>
    </message>
    <message>
        <source>Show the TV channels</source>
        <translation>TV-Sender anzeigen</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation>&amp;Radiosender</translation>
    </message>
    <message>
        <source>Show the Radio channels</source>
        <translation>Radiosender anzeigen</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>Datenbank &amp;prüfen...</translation>
    </message>
    <message>
        <source>Find duplicates, key collisions and orphans</source>
        <translation>Duplikate, Schlüsselkollisionen und verwaiste Einträge finden</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <translation>Ü&amp;ber Velmora...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Add Antenna</source>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Load Satellite from html file of %1...</source>
        <translation>Satellit aus HTML-Datei von %1 laden...</translation>
    </message>
    <message>
        <source>Load Satellite</source>
        <translation>Satellit laden</translation>
    </message>
    <message>
        <source>Load Satellites from satellites.xml...</source>
        <translation>Satelliten aus satellites.xml laden...</translation>
    </message>
    <message>
        <source>Load Satellites</source>
        <translation>Satelliten laden</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml...</source>
        <translation>Transponder aus satellites.xml aktualisieren...</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Transponder aktualisieren</translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation>Satellit verschieben</translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation>Satellit tauschen</translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation>Transponderliste bearbeiten</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation>Favoritenliste umbenennen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>In diese Datenbank kopieren</translation>
    </message>
    <message>
        <source>Copy the selected differences from the other database</source>
        <translation>Ausgewählte Unterschiede aus der anderen Datenbank kopieren</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Beheben</translation>
    </message>
    <message>
        <source>Mend the selected findings</source>
        <translation>Ausgewählte Befunde beheben</translation>
    </message>
    <message>
        <source>Fix All</source>
        <translation>Alle beheben</translation>
    </message>
    <message>
        <source>Mend every finding that can be</source>
        <translation>Alle behebbaren Befunde beheben</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>Ordered %1 of %2 TV channels and %3 of %4 radio channels</source>
        <translation>Neu geordnet – TV-Sender: %1 von %2, Radiosender: %3 von %4</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>In diese Datenbank kopieren</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Reihenfolge übernehmen von</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <translation>SDX-Dateien (*.sdx)|*.sdx|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Channel Lists (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Files (*.sdx)|*.sdx|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Senderlisten (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX-Dateien (*.sdx)|*.sdx|CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>only here</source>
        <translation>nur hier</translation>
    </message>
    <message>
        <source>only there</source>
        <translation>nur dort</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark.</source>
        <translation>Die Liste ist kein Text: Speichern Sie sie als UTF-8 oder als UTF-16 mit Byte-Order-Mark.</translation>
    </message>
    <message>
        <source>line %1: expected %2 columns or more</source>
        <translation>Zeile %1: mindestens %2 Spalten erwartet</translation>
    </message>
    <message>
        <source>line %1: the table must be tv or radio</source>
        <translation>Zeile %1: Die Tabelle muss tv oder radio sein</translation>
    </message>
    <message>
        <source>line %1: more than %2 channels</source>
        <translation>Zeile %1: mehr als %2 Sender</translation>
    </message>
    <message>
        <source>This file is not a channel list exported as CSV.</source>
        <translation>Diese Datei ist keine als CSV exportierte Senderliste.</translation>
    </message>
    <message>
        <source>The list holds no channel names.</source>
        <translation>Die Liste enthält keine Sendernamen.</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Orbitposition</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-Typ</translation>
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
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Service-ID</translation>
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
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Other flags</source>
        <translation>Sonstige Merkmale</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Menüfarbe</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Audiosprache</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>HF-System</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>HF-Kanal</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Bildformat</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Zeitverschiebung</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Passwortsperre</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Sendersperre</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Installationssperre</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Systemsperre</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>none</source>
        <translation>kein</translation>
    </message>
    <message>
        <source>%1/%2 universal</source>
        <translation>%1/%2 Universal</translation>
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
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>FAV%1</source>
        <translation>Favoritenliste %1</translation>
    </message>
    <message>
        <source>FAV%1 Group Name</source>
        <translation>Name der Favoritenliste %1</translation>
    </message>
    <message>
        <source>Copied %1 satellites, %2 transponders, %3 TV and %4 radio channels</source>
        <translation>Kopiert – Satelliten: %1, Transponder: %2, TV-Sender: %3, Radiosender: %4</translation>
    </message>
    <message>
        <source>%1, fields of %2 records</source>
        <translation>%1, Datensätze mit kopierten Feldern: %2</translation>
    </message>
    <message>
        <source>Select the differences to copy.</source>
        <translation>Wählen Sie die zu kopierenden Unterschiede aus.</translation>
    </message>
    <message>
        <source>Records only here have nothing to copy.</source>
        <translation>Datensätze, die nur in dieser Datenbank vorhanden sind, haben nichts zu kopieren.</translation>
    </message>
    <message>
        <source>An order is copied with Apply Order From.</source>
        <translation>Eine Reihenfolge wird mit „Reihenfolge übernehmen von...“ übernommen.</translation>
    </message>
    <message>
        <source>A record on another satellite or transponder is moved in the main window.</source>
        <translation>Ein Datensatz auf einem anderen Satelliten oder Transponder wird im Hauptfenster verschoben.</translation>
    </message>
    <message>
        <source>Copy the channels of the copied satellites too?</source>
        <translation>Die Sender der kopierten Satelliten ebenfalls kopieren?</translation>
    </message>
    <message>
        <source>A channel&apos;s service number is taken on its transponder here; it was left as it is.</source>
        <translation>Die Service-ID eines Senders ist auf seinem Transponder hier bereits vergeben; sie wurde unverändert gelassen.</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Die Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation>Dies ist keine gültige Datei. Bitte wählen Sie eine andere!</translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation>Die Datei kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation>Die Datei kann nicht gespeichert werden
</translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Die Datei wurde seit dem Öffnen auf dem Datenträger geändert. Trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>SDX-Dateien (*.sdx)|*.sdx|BIN-Dateien (*.bin)|*.bin|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>SDX-Dateien (*.sdx)|*.sdx|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
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
        <translation>Undefiniert</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanisch</translation>
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
        <translation>Belarussisch</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalisch</translation>
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
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanisch</translation>
    </message>
    <message>
        <source>Chechen</source>
        <translation>Tschetschenisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Creoles</source>
        <translation>Kreolisch</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estnisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Isländisch</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Irish</source>
        <translation>Irisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Kabyle</source>
        <translation>Kabylisch</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kasachisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Kurdish</source>
        <translation>Kurdisch</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettisch</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <source>Ltzeburgesch</source>
        <translation>Luxemburgisch</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Mazedonisch</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongolisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Swahili</source>
        <translation>Suaheli</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tatarisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Urdu</source>
        <translation>Urdu</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Usbekisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Philippine</source>
        <translation>Philippinisch</translation>
    </message>
    <message>
        <source>Kongo</source>
        <translation>Kikongo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where a file is refused, then why: &quot;line 3: A quoted field is not closed.&quot;</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>Die erste Zeile muss die Kopfzeile %1 sein.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where a value is refused: &quot;line 3, column tp_id&quot;; %2 is the file&apos;s column name.</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>The line has %1 fields; the header names %2.</source>
        <translation>Felder in der Zeile: %1; in der Kopfzeile: %2.</translation>
    </message>
    <message>
        <source>Please enter tv or radio.</source>
        <translation>Bitte geben Sie tv oder radio ein.</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiosender</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Sender</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, ...), for the HTML page&apos;s lang attribute.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>%1 - channel list</source>
        <extracomment>The HTML page&apos;s title: &quot;channels.sdx - channel list&quot;.</extracomment>
        <translation>%1 – Senderliste</translation>
    </message>
    <message>
        <source>The name is not UTF-8 text; save the file as CSV in UTF-8.</source>
        <translation>Der Name ist kein UTF-8-Text; speichern Sie die Datei als CSV in UTF-8.</translation>
    </message>
    <message>
        <source>Please enter 1 or 0.</source>
        <translation>Bitte geben Sie 1 oder 0 ein.</translation>
    </message>
    <message>
        <source>The video PID of a radio channel cannot be changed.</source>
        <translation>Die Video-PID eines Radiosenders kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>No character of the name fits a channel name (ISO-8859-1): the name would be empty.</source>
        <translation>Kein Zeichen des Namens ist in einem Sendernamen möglich (ISO-8859-1): Der Name wäre leer.</translation>
    </message>
    <message>
        <source>&quot;Check Database...&quot; (Tools menu) mends key collisions; apply the file after it.</source>
        <extracomment>&quot;Check Database...&quot; and &quot;Tools&quot; are the menu&apos;s texts: use their translations.</extracomment>
        <translation>„Datenbank prüfen...“ (Menü „Extras“) behebt Schlüsselkollisionen; übernehmen Sie die Datei danach.</translation>
    </message>
    <message>
        <source>tp_id %1 and service_number %2</source>
        <extracomment>tp_id and service_number are the file&apos;s column names: keep them.</extracomment>
        <translation>tp_id %1 und service_number %2</translation>
    </message>
    <message>
        <source>%1 channels renamed, %2 moved, %3 with other changes</source>
        <translation>Umbenannt: %1 Sender, verschoben: %2, mit sonstigen Änderungen: %3</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet</source>
        <translation>Vermutlich von einer Tabellenkalkulation umgewandelte Namen: %1</translation>
    </message>
    <message>
        <source>No radio channel has %1.</source>
        <translation>Kein Radiosender hat %1.</translation>
    </message>
    <message>
        <source>No TV channel has %1.</source>
        <translation>Kein TV-Sender hat %1.</translation>
    </message>
    <message>
        <source>More than one radio channel has %1, so the row could change either.</source>
        <translation>Mehr als ein Radiosender hat %1, die Zeile könnte also jeden davon ändern.</translation>
    </message>
    <message>
        <source>More than one TV channel has %1, so the row could change either.</source>
        <translation>Mehr als ein TV-Sender hat %1, die Zeile könnte also jeden davon ändern.</translation>
    </message>
    <message>
        <source>The channel with %1 is already on line %2.</source>
        <translation>Der Sender mit %1 steht bereits in Zeile %2.</translation>
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
        <translation>verschoben von %1</translation>
    </message>
    <message>
        <source>PIDs, flags or marks changed</source>
        <translation>PIDs, Merkmale oder Markierungen geändert</translation>
    </message>
    <message>
        <source>%1: a spreadsheet may have changed them on opening the file. They are listed first; check them before you apply.</source>
        <extracomment>%1 is &quot;N names look converted by a spreadsheet&quot;.</extracomment>
        <translation>%1 – eine Tabellenkalkulation hat sie beim Öffnen der Datei womöglich verändert. Sie stehen am Anfang der Liste; prüfen Sie sie vor dem Übernehmen.</translation>
    </message>
    <message>
        <source>A quote is out of place or a quoted field is not closed.</source>
        <translation>Ein Anführungszeichen steht an falscher Stelle oder ein Feld in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Ein Feld in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>The text could not be read.</source>
        <translation>Der Text konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The line has more than %1 fields.</source>
        <translation>Die Zeile hat zu viele Felder (höchstens %1).</translation>
    </message>
    <message>
        <source>A field is longer than %1 bytes.</source>
        <translation>Ein Feld ist länger als %1 Byte.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <source>Export the TV channels as well as the radio channels?
No exports the radio channels only.</source>
        <translation>Sollen neben den Radiosendern auch die TV-Sender exportiert werden?
„Nein“ exportiert nur die Radiosender.</translation>
    </message>
    <message>
        <source>Export the radio channels as well as the TV channels?
No exports the TV channels only.</source>
        <translation>Sollen neben den TV-Sendern auch die Radiosender exportiert werden?
„Nein“ exportiert nur die TV-Sender.</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Sender als CSV exportieren</translation>
    </message>
    <message>
        <source>Export Channels as HTML</source>
        <translation>Sender als HTML exportieren</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV-Änderungen übernehmen</translation>
    </message>
    <message>
        <source>The CSV file changes nothing.</source>
        <translation>Die CSV-Datei ändert nichts.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>CSV-Dateien (*.csv)|*.csv|CSV-Dateien mit Byte-Order-Mark, für Excel (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html)|*.html|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>HTML-Dateien (*.html)|*.html|Alle Dateien (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: &quot;A and B&quot;, &quot;A, B and C&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>radio channel &quot;%1&quot; (No. %2)</source>
        <translation>Radiosender „%1“ (Nr. %2)</translation>
    </message>
    <message>
        <source>TV channel &quot;%1&quot; (No. %2)</source>
        <translation>TV-Sender „%1“ (Nr. %2)</translation>
    </message>
    <message>
        <source>satellite index %1</source>
        <translation>Satellitenindex %1</translation>
    </message>
    <message>
        <source>%1 share the channel key of service %2 on transponder id %3, so their favourite marks are ambiguous.</source>
        <translation>%1 haben denselben Senderschlüssel (Service %2 auf Transponder-ID %3), daher sind ihre Favoritenmarkierungen nicht eindeutig.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>%1 is repeated as %2: same transponder, name, video, PCR and first audio PID.</source>
        <translation>%1 ist als %2 doppelt vorhanden: gleicher Transponder, Name, Video-, PCR- und erste Audio-PID.</translation>
    </message>
    <message>
        <source>%1 is on transponder id %2, which no transponder has.</source>
        <translation>%1 liegt auf Transponder-ID %2, die kein Transponder hat.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) of %3 is repeated with id %4.</source>
        <translation>Transponder %1 (ID %2) von %3 ist mit ID %4 doppelt vorhanden.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) names satellite index %3, but there are only %4 satellites.</source>
        <translation>Transponder %1 (ID %2) verweist auf Satellitenindex %3, die Anzahl der Satelliten beträgt aber nur %4.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Transponders %1 share the id %2; the channels on that id belong to the first.</source>
        <translation>Die Transponder %1 haben dieselbe ID %2; die Sender mit dieser ID gehören zum ersten.</translation>
    </message>
    <message>
        <source>video PID %1</source>
        <translation>Video-PID %1</translation>
    </message>
    <message>
        <source>PCR PID %1</source>
        <translation>PCR-PID %1</translation>
    </message>
    <message>
        <source>teletext PID %1</source>
        <translation>Videotext-PID %1</translation>
    </message>
    <message>
        <source>audio PID %1 %2</source>
        <extracomment>%1 is the audio track&apos;s number, %2 the PID.</extracomment>
        <translation>Audio-PID %1 %2</translation>
    </message>
    <message>
        <source>%1 has a PID above 8191: %2.</source>
        <translation>%1 hat eine PID über 8191: %2.</translation>
    </message>
    <message>
        <source>%1 has PIDs above 8191: %2.</source>
        <translation>%1 hat PIDs über 8191: %2.</translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>Radiosender %1 „%2“ hat seine Markierung für Favoritenliste %3 verloren: Unter seinem neuen Schlüssel war die Liste bereits voll.</translation>
    </message>
    <message>
        <source>TV channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>TV-Sender %1 „%2“ hat seine Markierung für Favoritenliste %3 verloren: Unter seinem neuen Schlüssel war die Liste bereits voll.</translation>
    </message>
    <message>
        <source>Nothing was fixed.</source>
        <translation>Es wurde nichts behoben.</translation>
    </message>
    <message>
        <source>Fixed %1 finding</source>
        <translation>Behobene Befunde: %1</translation>
    </message>
    <message>
        <source>Fixed %1 findings</source>
        <translation>Behobene Befunde: %1</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>No satellite was created: the file name does not name one. Save the page under the satellite&apos;s name, &quot; at&quot; and its position, e.g. &quot;%1&quot;.</source>
        <translation>Es wurde kein Satellit angelegt: Der Dateiname nennt keinen. Speichern Sie die Seite unter dem Namen des Satelliten, „ at“ und seiner Position, z. B. „%1“.</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Die Satellitenliste ist voll, es können keine weiteren Satelliten hinzugefügt werden</translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation>Die Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Select saved html file from %1 </source>
        <translation>Gespeicherte HTML-Datei von %1 auswählen </translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>HTM-Dateien (*.htm)|*.htm|Alle Dateien (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>Index</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Gesperrt</translation>
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
        <translation>SEITE %1</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>satellites</name>
    <message>
        <source>%1--Transponder List</source>
        <translation>%1--Transponderliste</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>Weast</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation>Satellit (%1) wirklich löschen?</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Die Satellitenliste ist voll, es können keine weiteren Satelliten hinzugefügt werden</translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation>Außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?
%1</source>
        <translation>Diesen Transponder wirklich löschen?
%1</translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation>Die Transponderliste ist voll</translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation>Der Transponder ist bereits vorhanden</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>All Services</source>
        <translation>Alle Sender</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>Parental Control</source>
        <translation>Jugendschutz</translation>
    </message>
    <message>
        <source>Other Setting</source>
        <translation>Sonstige Einstellungen</translation>
    </message>
</context>
<context>
    <name>satxml</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Satelliten aus satellites.xml laden</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Transponder aus satellites.xml aktualisieren</translation>
    </message>
    <message>
        <source>Export Satellites as satellites.xml</source>
        <translation>Satelliten als satellites.xml exportieren</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>XML-Dateien (*.xml)|*.xml|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Nothing to update: the transponders of the satellites at the file&apos;s positions are as the file gives them.</source>
        <translation>Nichts zu aktualisieren: Die Transponder der Satelliten an den Positionen der Datei entsprechen bereits der Datei.</translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 Satellit</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 Satelliten</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>adds %1 / %2 of %3/%4 free</source>
        <extracomment>&quot;adds 2 satellites / 3 transponders of 61/1997 free&quot;</extracomment>
        <translation>Neu: %1 / %2 (frei: %3/%4)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>was %1</source>
        <translation>vorher %1</translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation>Entfallen</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <source>adds %1, changes %2, vanished %3 (%4 without channels)</source>
        <translation>Neu: %1, geändert: %2, entfallen: %3 (%4 ohne Sender)</translation>
    </message>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Die Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>This file is not XML: line %1: %2.</source>
        <extracomment>%2 is the XML parser&apos;s own English description of the fault.</extracomment>
        <translation>Diese Datei ist kein XML: Zeile %1: %2.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: its root element is not &lt;satellites&gt;.</source>
        <translation>Diese Datei ist keine satellites.xml: Ihr Wurzelelement ist nicht &lt;satellites&gt;.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: line %1 nests elements deeper than %2 levels.</source>
        <translation>Diese Datei ist keine satellites.xml: Zeile %1 verschachtelt Elemente tiefer als %2 Ebenen.</translation>
    </message>
    <message>
        <source>This file is not a correct satellites.xml: line %1: &lt;%2&gt; has no whole number as %3.</source>
        <extracomment>%2 and %3 are the file&apos;s element and attribute names.</extracomment>
        <translation>Diese Datei ist keine gültige satellites.xml: Zeile %1: &lt;%2&gt; hat keine ganze Zahl als %3.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
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
        <translation>Persisch</translation>
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
        <translation>Farbe 1</translation>
    </message>
    <message>
        <source>Color2</source>
        <translation>Farbe 2</translation>
    </message>
    <message>
        <source>Color3</source>
        <translation>Farbe 3</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The confirm password is wrong !</source>
        <translation>Die Passwortbestätigung stimmt nicht überein!</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Velmora(FTA)</source>
        <translation>Über Velmora (FTA)</translation>
    </message>
    <message>
        <source>Copyright (C) The Velmora developers</source>
        <translation>Copyright (C) Die Velmora-Entwickler</translation>
    </message>
    <message>
        <source>Data: 23/12/2005</source>
        <translation>Datum: 23.12.2005</translation>
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
        <translation>Audioparameter</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
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
        <translation>Audiosprache</translation>
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
        <translation>Senderparameter</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Empfang</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
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
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Zugriff</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschlüsselt</translation>
    </message>
</context>
<context>
    <name>velmora::CCsvEditsPreviewDlg</name>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV-Änderungen übernehmen</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>Sender: %1 von %2</translation>
    </message>
</context>
<context>
    <name>velmora::CModifyTPDlg</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmora::CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
</context>
<context>
    <name>velmora::COtherSettingDlg</name>
    <message>
        <source>Other Setting</source>
        <translation>Sonstige Einstellungen</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Menüfarbe</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Audiosprache</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>HF-System</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>HF-Kanal</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Bildformat</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Zeitverschiebung</translation>
    </message>
</context>
<context>
    <name>velmora::CParentalDlg</name>
    <message>
        <source>Parental Control</source>
        <translation>Jugendschutz</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Passwortsperre</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Sendersperre</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Installationssperre</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Systemsperre</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Passwort bestätigen</translation>
    </message>
</context>
<context>
    <name>velmora::CRenameFavDlg</name>
    <message>
        <source>Rename FAV group name</source>
        <translation>Favoritenliste umbenennen</translation>
    </message>
    <message>
        <source>FAV Group Name</source>
        <translation>Name der Favoritenliste</translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteDlg</name>
    <message>
        <source>Satellite Parameters</source>
        <translation>Satellitenparameter</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Orbitposition</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-Typ</translation>
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
        <translation>Senderinformationen anzeigen</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderDlg</name>
    <message>
        <source>Transponder Parameters</source>
        <translation>Transponderparameter</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
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
        <translation>Velmora: Editor für Senderdatenbanken von Satellitenreceivern (.sdx)</translation>
    </message>
    <message>
        <source>The .sdx file to open.</source>
        <translation>Die zu öffnende .sdx-Datei.</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelFindPane</name>
    <message>
        <source>Find channel (Ctrl+F)</source>
        <translation>Sender suchen (Strg+F)</translation>
    </message>
</context>
<context>
    <name>velmora::CheckWindow</name>
    <message>
        <source>Channels sharing a channel key</source>
        <translation>Sender mit demselben Senderschlüssel</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <translation>Doppelte Sender</translation>
    </message>
    <message>
        <source>Channels without a transponder</source>
        <translation>Sender ohne Transponder</translation>
    </message>
    <message>
        <source>Duplicate transponders</source>
        <translation>Doppelte Transponder</translation>
    </message>
    <message>
        <source>Transponders without a satellite</source>
        <translation>Transponder ohne Satelliten</translation>
    </message>
    <message>
        <source>Transponders sharing an id</source>
        <translation>Transponder mit derselben ID</translation>
    </message>
    <message>
        <source>PIDs above 8191</source>
        <translation>PIDs über 8191</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kind of finding and its count. Keep &quot; (&quot; before the count: the window finds a kind&apos;s row by the title before it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), not fixed</source>
        <translation>%1 (%2), wird nicht behoben</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Keine Datenbank geöffnet.</translation>
    </message>
    <message>
        <source>No findings: the database is clean.</source>
        <translation>Keine Befunde: Die Datenbank ist in Ordnung.</translation>
    </message>
    <message>
        <source>%1 finding(s), %2 of them can be fixed.</source>
        <translation>Befunde: %1, davon behebbar: %2.</translation>
    </message>
</context>
<context>
    <name>velmora::CompareController</name>
    <message>
        <source>Copy only %1</source>
        <translation>Nur %1 kopieren</translation>
    </message>
</context>
<context>
    <name>velmora::CompareTableModel</name>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Diese Datenbank</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Andere Datenbank</translation>
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
        <translation>Feld</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Diese Datenbank</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Andere Datenbank</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>All sections</source>
        <translation>Alle Abschnitte</translation>
    </message>
    <message>
        <source>All differences</source>
        <translation>Alle Unterschiede</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Comparing this database with %1</source>
        <translation>Vergleich dieser Datenbank mit %1</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Vergleichen mit %1</translation>
    </message>
    <message>
        <source>The databases hold the same records.</source>
        <translation>Die Datenbanken enthalten dieselben Datensätze.</translation>
    </message>
    <message>
        <source>%1 of %2 differences shown</source>
        <translation>Angezeigte Unterschiede: %1 von %2</translation>
    </message>
    <message>
        <source>Copy what the selected rows differ in from the other database</source>
        <translation>Die Unterschiede der ausgewählten Zeilen aus der anderen Datenbank kopieren</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmora::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>The language changes when Velmora is started the next time.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Velmora.</translation>
    </message>
</context>
<context>
    <name>velmora::NameField</name>
    <message>
        <source>A name cannot hold &quot;%1&quot;; left out.</source>
        <translation>Ein Name darf „%1“ nicht enthalten; weggelassen.</translation>
    </message>
</context>
<context>
    <name>velmora::PaneLook</name>
    <message>
        <source>Print preview of the channel list (the active pane)</source>
        <translation>Druckvorschau der Senderliste (aktiver Bereich)</translation>
    </message>
    <message>
        <source>Printing the channel list (the active pane)</source>
        <translation>Drucken der Senderliste (aktiver Bereich)</translation>
    </message>
    <message>
        <source>Print preview of the tree (the active pane)</source>
        <translation>Druckvorschau der Baumansicht (aktiver Bereich)</translation>
    </message>
    <message>
        <source>Printing the tree (the active pane)</source>
        <translation>Drucken der Baumansicht (aktiver Bereich)</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlLoadDialog</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Satelliten aus satellites.xml laden</translation>
    </message>
    <message>
        <source>Filter by position or name</source>
        <translation>Nach Position oder Name filtern</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name in the database</source>
        <translation>Name in der Datenbank</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlUpdateDialog</name>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Transponder aus satellites.xml aktualisieren</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
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
        <translation>Entfallene Transponder löschen, die kein Sender nutzt</translation>
    </message>
</context>
</TS>
