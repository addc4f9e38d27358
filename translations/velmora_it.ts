<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>With more than 10 audio entries, every audio PID must be the first PID plus the entry&apos;s position, except for at most 3 entries. Please change or delete audio entries.</source>
        <translation>Con più di 10 voci audio, ogni PID audio deve essere uguale al primo PID più la posizione della voce, con al massimo 3 eccezioni. Modifica o elimina alcune voci audio.</translation>
    </message>
    <message>
        <source>Only the first 20 audio entries can have a language. Please set the later entries to Undefined or delete them.</source>
        <translation>Solo le prime 20 voci audio possono avere una lingua. Imposta le voci successive su &quot;Non definita&quot; o eliminale.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation>Numero massimo di lingue audio raggiunto</translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation>Seleziona prima un elemento</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fuori intervallo</translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation>Eliminare il canale?</translation>
    </message>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation>Numero massimo di canali raggiunto: impossibile aggiungerne altri</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation>Gruppo preferiti pieno: impossibile aggiungere altri preferiti</translation>
    </message>
    <message>
        <source>Video PID 8191: the channel was stored as a radio channel.</source>
        <translation>PID video 8191: il canale è stato memorizzato come canale radio.</translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation>Transponder non trovato</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
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
        <translation>Sblocco</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Tele PID</source>
        <translation>PID Televideo</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Sort Channel</source>
        <translation>Ordina canali</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crea un nuovo documento</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Apre un documento esistente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salva il documento attivo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva con no&amp;me...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Salva il documento attivo con un nuovo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Channels as &amp;CSV...</source>
        <translation>Canali come &amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list to a CSV file for a spreadsheet</source>
        <translation>Scrive la lista canali in un file CSV per un foglio di calcolo</translation>
    </message>
    <message>
        <source>Channels as &amp;HTML...</source>
        <translation>Canali come &amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list to an HTML page</source>
        <translation>Scrive la lista canali in una pagina HTML</translation>
    </message>
    <message>
        <source>&amp;Satellites as satellites.xml...</source>
        <translation>&amp;Satelliti come satellites.xml...</translation>
    </message>
    <message>
        <source>Write the satellites and transponders as a satellites.xml file</source>
        <translation>Scrive i satelliti e i transponder in un file satellites.xml</translation>
    </message>
    <message>
        <source>App&amp;ly CSV Edits...</source>
        <translation>Applica modifiche &amp;da CSV...</translation>
    </message>
    <message>
        <source>Apply names, PIDs, flags, marks and order edited in a CSV file</source>
        <translation>Applica nomi, PID, attributi, preferiti e ordine modificati in un file CSV</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Applica modifiche CSV</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Con&amp;fronta con...</translation>
    </message>
    <message>
        <source>Compare this database with another one</source>
        <translation>Confronta questo database con un altro</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Stampa il documento attivo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Ante&amp;prima di stampa</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostra le pagine intere</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Imposta stampante...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambia la stampante e le opzioni di stampa</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Imposta stampante</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>File recente</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Apre questo documento</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Chiude l&apos;applicazione; chiede se salvare i documenti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annulla l&apos;ultima azione</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Ripete l&apos;ultima azione annullata</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>Add a new Channel</source>
        <translation>Aggiunge un nuovo canale</translation>
    </message>
    <message>
        <source>Add CH</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Edit a channel</source>
        <translation>Modifica un canale</translation>
    </message>
    <message>
        <source>Edit CH</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Elimina canale</translation>
    </message>
    <message>
        <source>Detelte a channel</source>
        <translation>Elimina un canale</translation>
    </message>
    <message>
        <source>Del CH</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Swap Channel</source>
        <translation>Scambia canale</translation>
    </message>
    <message>
        <source>Swap channel</source>
        <translation>Scambia la posizione di due canali</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Scambia</translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Sposta canale</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Sposta i canali in un&apos;altra posizione</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move the selected channels up by one row</source>
        <translation>Sposta i canali selezionati in su di una riga</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Move the selected channels down by one row</source>
        <translation>Sposta i canali selezionati in giù di una riga</translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation>A---&gt;Z</translation>
    </message>
    <message>
        <source>Sort Channels from A to Z</source>
        <translation>Ordina i canali dalla A alla Z</translation>
    </message>
    <message>
        <source>AZ</source>
        <translation>AZ</translation>
    </message>
    <message>
        <source>Sort A---&gt;Z</source>
        <translation>Ordina A---&gt;Z</translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation>Z---&gt;A</translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ</source>
        <translation>Ordina i canali dalla Z alla A</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>Sort Z---&gt;A</source>
        <translation>Ordina Z---&gt;A</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Per transponder</translation>
    </message>
    <message>
        <source>Sort Channels by Transponer</source>
        <translation>Ordina i canali per transponder</translation>
    </message>
    <message>
        <source>Transponder Sort</source>
        <translation>Ordina per transponder</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Ordina per transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Per satellite</translation>
    </message>
    <message>
        <source>Sort Channels by Satellite</source>
        <translation>Ordina i canali per satellite</translation>
    </message>
    <message>
        <source>Satellite Sort</source>
        <translation>Ordina per satellite</translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation>Ordina per satellite</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Applica ordine da...</translation>
    </message>
    <message>
        <source>Order the channels as another database or list orders them</source>
        <translation>Ordina i canali come in un altro database o elenco</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Applica ordine</translation>
    </message>
    <message>
        <source>Show Channel info...</source>
        <translation>Mostra informazioni canale...</translation>
    </message>
    <message>
        <source>Select the information of channel to show</source>
        <translation>Sceglie le informazioni dei canali da mostrare</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Find channels by name</source>
        <translation>Cerca i canali per nome</translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation>Canali &amp;TV</translation>
    </message>
    <message>
        <source>Show the TV channels</source>
        <translation>Mostra i canali TV</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation>Canali &amp;radio</translation>
    </message>
    <message>
        <source>Show the Radio channels</source>
        <translation>Mostra i canali radio</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>&amp;Verifica database...</translation>
    </message>
    <message>
        <source>Find duplicates, key collisions and orphans</source>
        <translation>Cerca duplicati, conflitti di chiave ed elementi orfani</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <translation>&amp;Informazioni su Velmora...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Riquadro successivo</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Riquadro precedente</translation>
    </message>
    <message>
        <source>Add Antenna</source>
        <translation>Aggiungi satellite</translation>
    </message>
    <message>
        <source>Load Satellite from html file of %1...</source>
        <translation>Carica satellite da file HTML di %1...</translation>
    </message>
    <message>
        <source>Load Satellite</source>
        <translation>Carica satellite</translation>
    </message>
    <message>
        <source>Load Satellites from satellites.xml...</source>
        <translation>Carica satelliti da satellites.xml...</translation>
    </message>
    <message>
        <source>Load Satellites</source>
        <translation>Carica satelliti</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml...</source>
        <translation>Aggiorna transponder da satellites.xml...</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Aggiorna transponder</translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation>Sposta satellite</translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation>Scambia satellite</translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation>Elimina satellite</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Aggiungi transponder</translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation>Gestisci transponder</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation>Rinomina gruppo preferiti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Esp&amp;orta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Copia in questo database</translation>
    </message>
    <message>
        <source>Copy the selected differences from the other database</source>
        <translation>Copia le differenze selezionate dall&apos;altro database</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Correggi</translation>
    </message>
    <message>
        <source>Mend the selected findings</source>
        <translation>Corregge i problemi selezionati</translation>
    </message>
    <message>
        <source>Fix All</source>
        <translation>Correggi tutto</translation>
    </message>
    <message>
        <source>Mend every finding that can be</source>
        <translation>Corregge tutti i problemi correggibili</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>Ordered %1 of %2 TV channels and %3 of %4 radio channels</source>
        <translation>Canali TV ordinati: %1 di %2; canali radio ordinati: %3 di %4</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Copia in questo database</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Applica ordine da</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <translation>File SDX (*.sdx)|*.sdx|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Channel Lists (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Files (*.sdx)|*.sdx|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Liste canali (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|File SDX (*.sdx)|*.sdx|File CSV (*.csv)|*.csv|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>order</source>
        <translation>ordine</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>only here</source>
        <translation>solo in questo</translation>
    </message>
    <message>
        <source>only there</source>
        <translation>solo nell&apos;altro</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark.</source>
        <translation>L&apos;elenco non è un file di testo: salvalo in UTF-8 o in UTF-16 con BOM.</translation>
    </message>
    <message>
        <source>line %1: expected %2 columns or more</source>
        <translation>riga %1: previste almeno %2 colonne</translation>
    </message>
    <message>
        <source>line %1: the table must be tv or radio</source>
        <translation>riga %1: la tabella deve essere tv o radio</translation>
    </message>
    <message>
        <source>line %1: more than %2 channels</source>
        <translation>riga %1: più di %2 canali</translation>
    </message>
    <message>
        <source>This file is not a channel list exported as CSV.</source>
        <translation>Questo file non è un elenco canali esportato in CSV.</translation>
    </message>
    <message>
        <source>The list holds no channel names.</source>
        <translation>L&apos;elenco non contiene nomi di canali.</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nome satellite</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Posizione orbitale</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Direzione satellite</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Tipo LNB</translation>
    </message>
    <message>
        <source>22KHz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12V</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
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
        <source>Service number</source>
        <translation>Numero servizio</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Modalità audio</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Criptato</translation>
    </message>
    <message>
        <source>Other flags</source>
        <translation>Altri attributi</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Lingua menu</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Colore menu</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Lingua audio</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>Sistema RF</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>Canale RF</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>Sistema TV</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Formato schermo TV</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Mostra aiuto</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Blocco con password</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Blocco canali</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Blocco installazione</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Blocco sistema</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1/%2 universal</source>
        <translation>%1/%2 universale</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>FAV%1</source>
        <translation>FAV%1</translation>
    </message>
    <message>
        <source>FAV%1 Group Name</source>
        <translation>Nome gruppo preferiti FAV%1</translation>
    </message>
    <message>
        <source>Copied %1 satellites, %2 transponders, %3 TV and %4 radio channels</source>
        <translation>Copiati satelliti: %1, transponder: %2, canali TV: %3, canali radio: %4</translation>
    </message>
    <message>
        <source>%1, fields of %2 records</source>
        <translation>%1, elementi con campi copiati: %2</translation>
    </message>
    <message>
        <source>Select the differences to copy.</source>
        <translation>Seleziona le differenze da copiare.</translation>
    </message>
    <message>
        <source>Records only here have nothing to copy.</source>
        <translation>Gli elementi presenti solo in questo database non hanno nulla da copiare.</translation>
    </message>
    <message>
        <source>An order is copied with Apply Order From.</source>
        <translation>L&apos;ordine si copia con &quot;Applica ordine da&quot;.</translation>
    </message>
    <message>
        <source>A record on another satellite or transponder is moved in the main window.</source>
        <translation>Per spostare un elemento su un altro satellite o transponder usa la finestra principale.</translation>
    </message>
    <message>
        <source>Copy the channels of the copied satellites too?</source>
        <translation>Copiare anche i canali dei satelliti copiati?</translation>
    </message>
    <message>
        <source>A channel&apos;s service number is taken on its transponder here; it was left as it is.</source>
        <translation>Il numero servizio di un canale è già usato sul suo transponder in questo database: è stato lasciato invariato.</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation>Il file non è valido: selezionane un altro.</translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation>Impossibile salvare il file
</translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Il file è stato modificato sul disco dopo l&apos;apertura. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nuovo file</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>File SDX (*.sdx)|*.sdx|File BIN (*.bin)|*.bin|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>File SDX (*.sdx)|*.sdx|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserisci un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Inserisci un numero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Inserisci al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Inserisci un numero.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
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
        <translation>Non definita</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanese</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Basco</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Bielorusso</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalese</translation>
    </message>
    <message>
        <source>Bosnian</source>
        <translation>Bosniaco</translation>
    </message>
    <message>
        <source>Bislama</source>
        <translation>Bislama</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgaro</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalano</translation>
    </message>
    <message>
        <source>Chechen</source>
        <translation>Ceceno</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Creoles</source>
        <translation>Creolo</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croato</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estone</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgiano</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraico</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungherese</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandese</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesiano</translation>
    </message>
    <message>
        <source>Irish</source>
        <translation>Irlandese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Kabyle</source>
        <translation>Cabilo</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kazako</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Kurdish</source>
        <translation>Curdo</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettone</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Ltzeburgesch</source>
        <translation>Lussemburghese</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Macedone</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongolo</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegese</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persiano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumeno</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbo</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Sloveno</translation>
    </message>
    <message>
        <source>Swahili</source>
        <translation>Swahili</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tataro</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailandese</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetano</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraino</translation>
    </message>
    <message>
        <source>Urdu</source>
        <translation>Urdu</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Uzbeko</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Philippine</source>
        <translation>Filippino</translation>
    </message>
    <message>
        <source>Kongo</source>
        <translation>Kongo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where a file is refused, then why: &quot;line 3: A quoted field is not closed.&quot;</extracomment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>La prima riga deve essere l&apos;intestazione %1.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where a value is refused: &quot;line 3, column tp_id&quot;; %2 is the file&apos;s column name.</extracomment>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>The line has %1 fields; the header names %2.</source>
        <translation>La riga ha %1 campi; l&apos;intestazione ne prevede %2.</translation>
    </message>
    <message>
        <source>Please enter tv or radio.</source>
        <translation>Inserisci tv o radio.</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canali radio</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canali TV</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, ...), for the HTML page&apos;s lang attribute.</extracomment>
        <translation>it</translation>
    </message>
    <message>
        <source>%1 - channel list</source>
        <extracomment>The HTML page&apos;s title: &quot;channels.sdx - channel list&quot;.</extracomment>
        <translation>%1 - elenco canali</translation>
    </message>
    <message>
        <source>The name is not UTF-8 text; save the file as CSV in UTF-8.</source>
        <translation>Il nome non è testo UTF-8; salva il file come CSV in UTF-8.</translation>
    </message>
    <message>
        <source>Please enter 1 or 0.</source>
        <translation>Inserisci 1 o 0.</translation>
    </message>
    <message>
        <source>The video PID of a radio channel cannot be changed.</source>
        <translation>Il PID video di un canale radio non può essere modificato.</translation>
    </message>
    <message>
        <source>No character of the name fits a channel name (ISO-8859-1): the name would be empty.</source>
        <translation>Nessun carattere del nome è ammesso in un nome di canale (ISO-8859-1): il nome risulterebbe vuoto.</translation>
    </message>
    <message>
        <source>&quot;Check Database...&quot; (Tools menu) mends key collisions; apply the file after it.</source>
        <extracomment>&quot;Check Database...&quot; and &quot;Tools&quot; are the menu&apos;s texts: use their translations.</extracomment>
        <translation>&quot;Verifica database...&quot; (menu Strumenti) risolve i conflitti di chiave; applica il file dopo averlo usato.</translation>
    </message>
    <message>
        <source>tp_id %1 and service_number %2</source>
        <extracomment>tp_id and service_number are the file&apos;s column names: keep them.</extracomment>
        <translation>tp_id %1 e service_number %2</translation>
    </message>
    <message>
        <source>%1 channels renamed, %2 moved, %3 with other changes</source>
        <translation>Canali rinominati: %1, spostati: %2, con altre modifiche: %3</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet</source>
        <translation>Nomi apparentemente convertiti da un foglio di calcolo: %1</translation>
    </message>
    <message>
        <source>No radio channel has %1.</source>
        <translation>Nessun canale radio ha %1.</translation>
    </message>
    <message>
        <source>No TV channel has %1.</source>
        <translation>Nessun canale TV ha %1.</translation>
    </message>
    <message>
        <source>More than one radio channel has %1, so the row could change either.</source>
        <translation>Più di un canale radio ha %1, quindi la riga potrebbe modificarne uno qualsiasi.</translation>
    </message>
    <message>
        <source>More than one TV channel has %1, so the row could change either.</source>
        <translation>Più di un canale TV ha %1, quindi la riga potrebbe modificarne uno qualsiasi.</translation>
    </message>
    <message>
        <source>The channel with %1 is already on line %2.</source>
        <translation>Il canale con %1 è già alla riga %2.</translation>
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
        <translation>spostato da %1</translation>
    </message>
    <message>
        <source>PIDs, flags or marks changed</source>
        <translation>PID, attributi o preferiti modificati</translation>
    </message>
    <message>
        <source>%1: a spreadsheet may have changed them on opening the file. They are listed first; check them before you apply.</source>
        <extracomment>%1 is &quot;N names look converted by a spreadsheet&quot;.</extracomment>
        <translation>%1. Un foglio di calcolo potrebbe averli modificati all&apos;apertura del file. Sono elencati per primi: controllali prima di applicare.</translation>
    </message>
    <message>
        <source>A quote is out of place or a quoted field is not closed.</source>
        <translation>Virgolette fuori posto o campo tra virgolette non chiuso.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Campo tra virgolette non chiuso.</translation>
    </message>
    <message>
        <source>The text could not be read.</source>
        <translation>Impossibile leggere il testo.</translation>
    </message>
    <message>
        <source>The line has more than %1 fields.</source>
        <translation>La riga ha più di %1 campi.</translation>
    </message>
    <message>
        <source>A field is longer than %1 bytes.</source>
        <translation>Un campo supera i %1 byte.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Esportato in %1</translation>
    </message>
    <message>
        <source>Export the TV channels as well as the radio channels?
No exports the radio channels only.</source>
        <translation>Esportare i canali TV oltre ai canali radio?
&quot;No&quot; esporta solo i canali radio.</translation>
    </message>
    <message>
        <source>Export the radio channels as well as the TV channels?
No exports the TV channels only.</source>
        <translation>Esportare i canali radio oltre ai canali TV?
&quot;No&quot; esporta solo i canali TV.</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Esporta canali come CSV</translation>
    </message>
    <message>
        <source>Export Channels as HTML</source>
        <translation>Esporta canali come HTML</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Applica modifiche CSV</translation>
    </message>
    <message>
        <source>The CSV file changes nothing.</source>
        <translation>Il file CSV non modifica nulla.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>File CSV (*.csv)|*.csv|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>File CSV (*.csv)|*.csv|File CSV con BOM, per Excel (*.csv)|*.csv|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html)|*.html|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>File HTML (*.html)|*.html|Tutti i file (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: &quot;A and B&quot;, &quot;A, B and C&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>radio channel &quot;%1&quot; (No. %2)</source>
        <translation>canale radio &quot;%1&quot; (N. %2)</translation>
    </message>
    <message>
        <source>TV channel &quot;%1&quot; (No. %2)</source>
        <translation>canale TV &quot;%1&quot; (N. %2)</translation>
    </message>
    <message>
        <source>satellite index %1</source>
        <translation>satellite con indice %1</translation>
    </message>
    <message>
        <source>%1 share the channel key of service %2 on transponder id %3, so their favourite marks are ambiguous.</source>
        <translation>%1 condividono la chiave di canale del servizio %2 sul transponder con id %3, quindi i loro contrassegni preferiti sono ambigui.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N. %1</translation>
    </message>
    <message>
        <source>%1 is repeated as %2: same transponder, name, video, PCR and first audio PID.</source>
        <translation>%1 è ripetuto come %2: stessi transponder, nome, PID video, PID PCR e primo PID audio.</translation>
    </message>
    <message>
        <source>%1 is on transponder id %2, which no transponder has.</source>
        <translation>%1 è sul transponder con id %2, ma nessun transponder ha questo id.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) of %3 is repeated with id %4.</source>
        <translation>Il transponder %1 (id %2) di %3 è ripetuto con id %4.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) names satellite index %3, but there are only %4 satellites.</source>
        <translation>Il transponder %1 (id %2) indica il satellite con indice %3, ma i satelliti sono solo %4.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Transponders %1 share the id %2; the channels on that id belong to the first.</source>
        <translation>I transponder %1 condividono l&apos;id %2; i canali con quell&apos;id appartengono al primo.</translation>
    </message>
    <message>
        <source>video PID %1</source>
        <translation>PID video %1</translation>
    </message>
    <message>
        <source>PCR PID %1</source>
        <translation>PID PCR %1</translation>
    </message>
    <message>
        <source>teletext PID %1</source>
        <translation>PID televideo %1</translation>
    </message>
    <message>
        <source>audio PID %1 %2</source>
        <extracomment>%1 is the audio track&apos;s number, %2 the PID.</extracomment>
        <translation>PID audio %1 %2</translation>
    </message>
    <message>
        <source>%1 has a PID above 8191: %2.</source>
        <translation>%1 ha un PID superiore a 8191: %2.</translation>
    </message>
    <message>
        <source>%1 has PIDs above 8191: %2.</source>
        <translation>%1 ha dei PID superiori a 8191: %2.</translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>Il canale radio %1 &quot;%2&quot; ha perso il contrassegno del gruppo preferiti %3: con la nuova chiave il gruppo è risultato pieno.</translation>
    </message>
    <message>
        <source>TV channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>Il canale TV %1 &quot;%2&quot; ha perso il contrassegno del gruppo preferiti %3: con la nuova chiave il gruppo è risultato pieno.</translation>
    </message>
    <message>
        <source>Nothing was fixed.</source>
        <translation>Nessun problema corretto.</translation>
    </message>
    <message>
        <source>Fixed %1 finding</source>
        <translation>%1 problema corretto</translation>
    </message>
    <message>
        <source>Fixed %1 findings</source>
        <translation>%1 problemi corretti</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>No satellite was created: the file name does not name one. Save the page under the satellite&apos;s name, &quot; at&quot; and its position, e.g. &quot;%1&quot;.</source>
        <translation>Nessun satellite creato: il nome del file non indica un satellite. Salva la pagina con il nome del satellite seguito da &quot; at&quot; e dalla posizione, ad es. &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Numero massimo di satelliti raggiunto: impossibile aggiungere il satellite</translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Select saved html file from %1 </source>
        <translation>Seleziona il file HTML salvato da %1 </translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>File HTM (*.htm)|*.htm|Tutti i file (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>Index</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
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
        <translation>PAGINA %1</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossibile avviare la stampa.</translation>
    </message>
</context>
<context>
    <name>satellites</name>
    <message>
        <source>%1--Transponder List</source>
        <translation>%1 - Lista transponder</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universale</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Weast</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation>Eliminare il satellite (%1)?</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Numero massimo di satelliti raggiunto: impossibile aggiungere il satellite</translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation>Fuori intervallo</translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?
%1</source>
        <translation>Eliminare questo transponder?
%1</translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation>Numero massimo di transponder raggiunto</translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation>Il transponder esiste già</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Aggiungi transponder</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>All Services</source>
        <translation>Tutti i servizi</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenna</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista canali</translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation>Lista preferiti</translation>
    </message>
    <message>
        <source>Parental Control</source>
        <translation>Controllo parentale</translation>
    </message>
    <message>
        <source>Other Setting</source>
        <translation>Altre impostazioni</translation>
    </message>
</context>
<context>
    <name>satxml</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Carica satelliti da satellites.xml</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Aggiorna transponder da satellites.xml</translation>
    </message>
    <message>
        <source>Export Satellites as satellites.xml</source>
        <translation>Esporta satelliti come satellites.xml</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>File XML (*.xml)|*.xml|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Nothing to update: the transponders of the satellites at the file&apos;s positions are as the file gives them.</source>
        <translation>Niente da aggiornare: i transponder dei satelliti alle posizioni del file corrispondono già al file.</translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satellite</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satelliti</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transponder</translation>
    </message>
    <message>
        <source>adds %1 / %2 of %3/%4 free</source>
        <extracomment>&quot;adds 2 satellites / 3 transponders of 61/1997 free&quot;</extracomment>
        <translation>aggiunge %1 / %2 (liberi: %3/%4)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiunto</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>was %1</source>
        <translation>prima: %1</translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation>Scomparso</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 canale</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>adds %1, changes %2, vanished %3 (%4 without channels)</source>
        <translation>aggiunti: %1, modificati: %2, scomparsi: %3 (senza canali: %4)</translation>
    </message>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>This file is not XML: line %1: %2.</source>
        <extracomment>%2 is the XML parser&apos;s own English description of the fault.</extracomment>
        <translation>Questo file non è XML: riga %1: %2.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: its root element is not &lt;satellites&gt;.</source>
        <translation>Questo file non è un satellites.xml: il suo elemento radice non è &lt;satellites&gt;.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: line %1 nests elements deeper than %2 levels.</source>
        <translation>Questo file non è un satellites.xml: alla riga %1 gli elementi sono annidati oltre %2 livelli.</translation>
    </message>
    <message>
        <source>This file is not a correct satellites.xml: line %1: &lt;%2&gt; has no whole number as %3.</source>
        <extracomment>%2 and %3 are the file&apos;s element and attribute names.</extracomment>
        <translation>Questo file non è un satellites.xml valido: riga %1: &lt;%2&gt; non ha un numero intero come %3.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
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
        <translation>Colore 1</translation>
    </message>
    <message>
        <source>Color2</source>
        <translation>Colore 2</translation>
    </message>
    <message>
        <source>Color3</source>
        <translation>Colore 3</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The confirm password is wrong !</source>
        <translation>La password di conferma non corrisponde.</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Velmora(FTA)</source>
        <translation>Informazioni su Velmora (FTA)</translation>
    </message>
    <message>
        <source>Copyright (C) The Velmora developers</source>
        <translation>Copyright (C) Gli sviluppatori di Velmora</translation>
    </message>
    <message>
        <source>Data: 23/12/2005</source>
        <translation>Data: 23/12/2005</translation>
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
        <translation>Parametri audio</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
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
        <translation>Lingua audio</translation>
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
        <translation>Parametri canale</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
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
        <source>Reception</source>
        <translation>Ricezione</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Criptato</translation>
    </message>
</context>
<context>
    <name>velmora::CCsvEditsPreviewDlg</name>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Applica modifiche CSV</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>BLOC SCORR</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>Canali: %1 di %2</translation>
    </message>
</context>
<context>
    <name>velmora::CModifyTPDlg</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>velmora::CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
</context>
<context>
    <name>velmora::COtherSettingDlg</name>
    <message>
        <source>Other Setting</source>
        <translation>Altre impostazioni</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Lingua menu</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Colore menu</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Mostra aiuto</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Lingua audio</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>Sistema RF</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>Canale RF</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>Sistema TV</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Formato schermo TV</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Fuso orario</translation>
    </message>
</context>
<context>
    <name>velmora::CParentalDlg</name>
    <message>
        <source>Parental Control</source>
        <translation>Controllo parentale</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Blocco con password</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Blocco canali</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Blocco installazione</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Blocco sistema</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Conferma password</translation>
    </message>
</context>
<context>
    <name>velmora::CRenameFavDlg</name>
    <message>
        <source>Rename FAV group name</source>
        <translation>Rinomina gruppo preferiti</translation>
    </message>
    <message>
        <source>FAV Group Name</source>
        <translation>Nome gruppo preferiti</translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteDlg</name>
    <message>
        <source>Satellite Parameters</source>
        <translation>Parametri satellite</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nome satellite</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Posizione orbitale</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Direzione satellite</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Tipo LNB</translation>
    </message>
    <message>
        <source>22KHz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12V</translation>
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
        <translation>Mostra informazioni canale</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinite</translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderDlg</name>
    <message>
        <source>Transponder Parameters</source>
        <translation>Parametri transponder</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizzazione</translation>
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
        <translation>Velmora: editor per i database dei canali dei ricevitori satellitari (.sdx)</translation>
    </message>
    <message>
        <source>The .sdx file to open.</source>
        <translation>Il file .sdx da aprire.</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelFindPane</name>
    <message>
        <source>Find channel (Ctrl+F)</source>
        <translation>Cerca canale (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>velmora::CheckWindow</name>
    <message>
        <source>Channels sharing a channel key</source>
        <translation>Canali con la stessa chiave di canale</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <translation>Canali duplicati</translation>
    </message>
    <message>
        <source>Channels without a transponder</source>
        <translation>Canali senza transponder</translation>
    </message>
    <message>
        <source>Duplicate transponders</source>
        <translation>Transponder duplicati</translation>
    </message>
    <message>
        <source>Transponders without a satellite</source>
        <translation>Transponder senza satellite</translation>
    </message>
    <message>
        <source>Transponders sharing an id</source>
        <translation>Transponder con lo stesso id</translation>
    </message>
    <message>
        <source>PIDs above 8191</source>
        <translation>PID superiori a 8191</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Verifica database</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kind of finding and its count. Keep &quot; (&quot; before the count: the window finds a kind&apos;s row by the title before it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), not fixed</source>
        <translation>%1 (%2), non correggibili</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Nessun database aperto.</translation>
    </message>
    <message>
        <source>No findings: the database is clean.</source>
        <translation>Nessun problema: il database è in ordine.</translation>
    </message>
    <message>
        <source>%1 finding(s), %2 of them can be fixed.</source>
        <translation>Problemi: %1, correggibili: %2.</translation>
    </message>
</context>
<context>
    <name>velmora::CompareController</name>
    <message>
        <source>Copy only %1</source>
        <translation>Copia solo %1</translation>
    </message>
</context>
<context>
    <name>velmora::CompareTableModel</name>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Questo database</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Altro database</translation>
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
        <translation>Campo</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Questo database</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Altro database</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>All sections</source>
        <translation>Tutte le sezioni</translation>
    </message>
    <message>
        <source>All differences</source>
        <translation>Tutte le differenze</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Comparing this database with %1</source>
        <translation>Confronto di questo database con %1</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Confronta con %1</translation>
    </message>
    <message>
        <source>The databases hold the same records.</source>
        <translation>I due database contengono gli stessi elementi.</translation>
    </message>
    <message>
        <source>%1 of %2 differences shown</source>
        <translation>Differenze mostrate: %1 di %2</translation>
    </message>
    <message>
        <source>Copy what the selected rows differ in from the other database</source>
        <translation>Copia dall&apos;altro database i valori in cui differiscono le righe selezionate</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>velmora::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>The language changes when Velmora is started the next time.</source>
        <translation>La lingua cambierà al prossimo avvio di Velmora.</translation>
    </message>
</context>
<context>
    <name>velmora::NameField</name>
    <message>
        <source>A name cannot hold &quot;%1&quot;; left out.</source>
        <translation>Un nome non può contenere &quot;%1&quot;: carattere omesso.</translation>
    </message>
</context>
<context>
    <name>velmora::PaneLook</name>
    <message>
        <source>Print preview of the channel list (the active pane)</source>
        <translation>Anteprima di stampa della lista canali (riquadro attivo)</translation>
    </message>
    <message>
        <source>Printing the channel list (the active pane)</source>
        <translation>Stampa della lista canali (riquadro attivo)</translation>
    </message>
    <message>
        <source>Print preview of the tree (the active pane)</source>
        <translation>Anteprima di stampa dell&apos;albero (riquadro attivo)</translation>
    </message>
    <message>
        <source>Printing the tree (the active pane)</source>
        <translation>Stampa dell&apos;albero (riquadro attivo)</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlLoadDialog</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Carica satelliti da satellites.xml</translation>
    </message>
    <message>
        <source>Filter by position or name</source>
        <translation>Filtra per posizione o nome</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name in the database</source>
        <translation>Nome nel database</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
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
        <translation>Aggiorna transponder da satellites.xml</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Delete vanished transponders that no channel uses</source>
        <translation>Elimina i transponder scomparsi non usati da alcun canale</translation>
    </message>
</context>
</TS>
