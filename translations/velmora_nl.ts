<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>With more than 10 audio entries, every audio PID must be the first PID plus the entry&apos;s position, except for at most 3 entries. Please change or delete audio entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first 20 audio entries can have a language. Please set the later entries to Undefined or delete them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video PID 8191: the channel was stored as a radio channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tele PID</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Sort Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels as &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the channel list to a CSV file for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels as &amp;HTML...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the channel list to an HTML page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Satellites as satellites.xml...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the satellites and transponders as a satellites.xml file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App&amp;ly CSV Edits...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply names, PIDs, flags, marks and order edited in a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare this database with another one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit a channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detelte a channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected channels up by one row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected channels down by one row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Channels from A to Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort A---&gt;Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Z---&gt;A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Channels by Transponer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Channels by Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order the channels as another database or list orders them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Channel info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the information of channel to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find channels by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the TV channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Radio channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find duplicates, key collisions and orphans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Satellite from html file of %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Satellites from satellites.xml...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bosnian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bislama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creoles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kabyle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kurdish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ltzeburgesch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Persian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swahili</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urdu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Philippine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kongo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where a file is refused, then why: &quot;line 3: A quoted field is not closed.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where a value is refused: &quot;line 3, column tp_id&quot;; %2 is the file&apos;s column name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line has %1 fields; the header names %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter tv or radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, ...), for the HTML page&apos;s lang attribute.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - channel list</source>
        <extracomment>The HTML page&apos;s title: &quot;channels.sdx - channel list&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is not UTF-8 text; save the file as CSV in UTF-8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter 1 or 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video PID of a radio channel cannot be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No character of the name fits a channel name (ISO-8859-1): the name would be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Check Database...&quot; (Tools menu) mends key collisions; apply the file after it.</source>
        <extracomment>&quot;Check Database...&quot; and &quot;Tools&quot; are the menu&apos;s texts: use their translations.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tp_id %1 and service_number %2</source>
        <extracomment>tp_id and service_number are the file&apos;s column names: keep them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels renamed, %2 moved, %3 with other changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No radio channel has %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No TV channel has %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one radio channel has %1, so the row could change either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one TV channel has %1, so the row could change either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel with %1 is already on line %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio %1: %2</source>
        <extracomment>A changed channel: &quot;TV 3: Das Erste&quot;, &quot;Radio 2: old name → new name&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIDs, flags or marks changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a spreadsheet may have changed them on opening the file. They are listed first; check them before you apply.</source>
        <extracomment>%1 is &quot;N names look converted by a spreadsheet&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quote is out of place or a quoted field is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line has more than %1 fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field is longer than %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the TV channels as well as the radio channels?
No exports the radio channels only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the radio channels as well as the TV channels?
No exports the TV channels only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Channels as HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Files (*.html)|*.html|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: &quot;A and B&quot;, &quot;A, B and C&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio channel &quot;%1&quot; (No. %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV channel &quot;%1&quot; (No. %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite index %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 share the channel key of service %2 on transponder id %3, so their favourite marks are ambiguous.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is repeated as %2: same transponder, name, video, PCR and first audio PID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is on transponder id %2, which no transponder has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) of %3 is repeated with id %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) names satellite index %3, but there are only %4 satellites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders %1 share the id %2; the channels on that id belong to the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>video PID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR PID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teletext PID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audio PID %1 %2</source>
        <extracomment>%1 is the audio track&apos;s number, %2 the PID.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a PID above 8191: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has PIDs above 8191: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>No satellite was created: the file name does not name one. Save the page under the satellite&apos;s name, &quot; at&quot; and its position, e.g. &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select saved html file from %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAGE %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>satellites</name>
    <message>
        <source>%1--Transponder List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parental Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>satxml</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Satellites as satellites.xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to update: the transponders of the satellites at the file&apos;s positions are as the file gives them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adds %1 / %2 of %3/%4 free</source>
        <extracomment>&quot;adds 2 satellites / 3 transponders of 61/1997 free&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adds %1, changes %2, vanished %3 (%4 without channels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not XML: line %1: %2.</source>
        <extracomment>%2 is the XML parser&apos;s own English description of the fault.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: its root element is not &lt;satellites&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: line %1 nests elements deeper than %2 levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a correct satellites.xml: line %1: &lt;%2&gt; has no whole number as %3.</source>
        <extracomment>%2 and %3 are the file&apos;s element and attribute names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:3 Letter Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:3 Pan &amp; Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The confirm password is wrong !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Velmora(FTA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) The Velmora developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data: 23/12/2005</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CAudioDlg</name>
    <message>
        <source>Audio Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CChannelDlg</name>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CCsvEditsPreviewDlg</name>
    <message>
        <source>Apply CSV Edits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CModifyTPDlg</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::COtherSettingDlg</name>
    <message>
        <source>Other Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CParentalDlg</name>
    <message>
        <source>Parental Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CRenameFavDlg</name>
    <message>
        <source>Rename FAV group name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAV Group Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteDlg</name>
    <message>
        <source>Satellite Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22KHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CShowInfoDlg</name>
    <message>
        <source>Show Channel information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderDlg</name>
    <message>
        <source>Transponder Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CVelmoraApp</name>
    <message>
        <source>Velmora: editor for satellite receiver channel databases (.sdx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .sdx file to open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ChannelFindPane</name>
    <message>
        <source>Find channel (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CompareTableModel</name>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CompareWindow</name>
    <message>
        <source>%1: %2 → %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::DialogControls</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when Velmora is started the next time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::NameField</name>
    <message>
        <source>A name cannot hold &quot;%1&quot;; left out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::PaneLook</name>
    <message>
        <source>Print preview of the channel list (the active pane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing the channel list (the active pane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print preview of the tree (the active pane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing the tree (the active pane)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlLoadDialog</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by position or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name in the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlUpdateDialog</name>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete vanished transponders that no channel uses</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
