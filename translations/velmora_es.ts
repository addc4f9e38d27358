<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>With more than 10 audio entries, every audio PID must be the first PID plus the entry&apos;s position, except for at most 3 entries. Please change or delete audio entries.</source>
        <translation>Con más de 10 entradas de audio, el PID de audio de cada entrada debe ser el primer PID más la posición de la entrada, salvo en 3 entradas como máximo. Cambie o elimine entradas de audio.</translation>
    </message>
    <message>
        <source>Only the first 20 audio entries can have a language. Please set the later entries to Undefined or delete them.</source>
        <translation>Solo las 20 primeras entradas de audio pueden tener idioma. Ponga las entradas siguientes en &quot;Sin definir&quot; o elimínelas.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>(predeterminado)</translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation>No caben más idiomas de audio</translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation>Seleccione antes un elemento</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation>¿Seguro que desea eliminar el canal?</translation>
    </message>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation>La lista de canales está llena; no se pueden añadir más</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation>Los favoritos están llenos; no caben más</translation>
    </message>
    <message>
        <source>Video PID 8191: the channel was stored as a radio channel.</source>
        <translation>PID de vídeo 8191: el canal se ha guardado como canal de radio.</translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation>No se encuentra el transpondedor</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
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
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOQUEO</translation>
    </message>
    <message>
        <source>Tele PID</source>
        <translation>PID teletexto</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Sort Channel</source>
        <translation>Ordenar canales</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Guardar el documento activo con otro nombre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Channels as &amp;CSV...</source>
        <translation>Canales como &amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list to a CSV file for a spreadsheet</source>
        <translation>Escribir la lista de canales en un archivo CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Channels as &amp;HTML...</source>
        <translation>Canales como &amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list to an HTML page</source>
        <translation>Escribir la lista de canales en una página HTML</translation>
    </message>
    <message>
        <source>&amp;Satellites as satellites.xml...</source>
        <translation>&amp;Satélites como satellites.xml...</translation>
    </message>
    <message>
        <source>Write the satellites and transponders as a satellites.xml file</source>
        <translation>Escribir los satélites y transpondedores en un archivo satellites.xml</translation>
    </message>
    <message>
        <source>App&amp;ly CSV Edits...</source>
        <translation>Ap&amp;licar cambios del CSV...</translation>
    </message>
    <message>
        <source>Apply names, PIDs, flags, marks and order edited in a CSV file</source>
        <translation>Aplicar nombres, PID, indicadores, marcas y orden editados en un archivo CSV</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Aplicar cambios del CSV</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Co&amp;mparar con...</translation>
    </message>
    <message>
        <source>Compare this database with another one</source>
        <translation>Comparar esta base de datos con otra</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimir el documento activo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostrar páginas completas</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;rar impresión...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambiar la impresora y las opciones de impresión</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Salir de la aplicación; ofrece guardar los documentos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Rehacer la última acción deshecha</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>Add a new Channel</source>
        <translation>Añadir un canal nuevo</translation>
    </message>
    <message>
        <source>Add CH</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Edit a channel</source>
        <translation>Editar un canal</translation>
    </message>
    <message>
        <source>Edit CH</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Eliminar canal</translation>
    </message>
    <message>
        <source>Detelte a channel</source>
        <translation>Eliminar un canal</translation>
    </message>
    <message>
        <source>Del CH</source>
        <translation>Eliminar canal</translation>
    </message>
    <message>
        <source>Swap Channel</source>
        <translation>Intercambiar canal</translation>
    </message>
    <message>
        <source>Swap channel</source>
        <translation>Intercambiar canales</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Mover canal</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Mover canal</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move the selected channels up by one row</source>
        <translation>Subir una fila los canales seleccionados</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move the selected channels down by one row</source>
        <translation>Bajar una fila los canales seleccionados</translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation>A---&gt;Z</translation>
    </message>
    <message>
        <source>Sort Channels from A to Z</source>
        <translation>Ordenar los canales de la A a la Z</translation>
    </message>
    <message>
        <source>AZ</source>
        <translation>AZ</translation>
    </message>
    <message>
        <source>Sort A---&gt;Z</source>
        <translation>Ordenar A---&gt;Z</translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation>Z---&gt;A</translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ</source>
        <translation>Ordenar los canales de la Z a la A</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>Sort Z---&gt;A</source>
        <translation>Ordenar Z---&gt;A</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Sort Channels by Transponer</source>
        <translation>Ordenar los canales por transpondedor</translation>
    </message>
    <message>
        <source>Transponder Sort</source>
        <translation>Por TP</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Ordenar por transpondedor</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Sort Channels by Satellite</source>
        <translation>Ordenar los canales por satélite</translation>
    </message>
    <message>
        <source>Satellite Sort</source>
        <translation>Por satélite</translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation>Ordenar por satélite</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Aplicar orden de...</translation>
    </message>
    <message>
        <source>Order the channels as another database or list orders them</source>
        <translation>Ordenar los canales como los ordena otra base de datos o lista</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Aplicar orden</translation>
    </message>
    <message>
        <source>Show Channel info...</source>
        <translation>Mostrar información del canal...</translation>
    </message>
    <message>
        <source>Select the information of channel to show</source>
        <translation>Elegir qué información de los canales se muestra</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find channels by name</source>
        <translation>Buscar canales por nombre</translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation>Canales de &amp;TV</translation>
    </message>
    <message>
        <source>Show the TV channels</source>
        <translation>Mostrar los canales de TV</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation>Canales de &amp;radio</translation>
    </message>
    <message>
        <source>Show the Radio channels</source>
        <translation>Mostrar los canales de radio</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>&amp;Comprobar base de datos...</translation>
    </message>
    <message>
        <source>Find duplicates, key collisions and orphans</source>
        <translation>Buscar duplicados, colisiones de claves y huérfanos</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <translation>&amp;Acerca de Velmora...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Panel anterior</translation>
    </message>
    <message>
        <source>Add Antenna</source>
        <translation>Añadir antena</translation>
    </message>
    <message>
        <source>Load Satellite from html file of %1...</source>
        <translation>Cargar satélite desde archivo HTML de %1...</translation>
    </message>
    <message>
        <source>Load Satellite</source>
        <translation>Cargar satélite</translation>
    </message>
    <message>
        <source>Load Satellites from satellites.xml...</source>
        <translation>Cargar satélites desde satellites.xml...</translation>
    </message>
    <message>
        <source>Load Satellites</source>
        <translation>Cargar satélites</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml...</source>
        <translation>Actualizar transpondedores desde satellites.xml...</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Actualizar transpondedores</translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation>Editar antena</translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation>Mover antena</translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation>Intercambiar antena</translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation>Eliminar antena</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Añadir transpondedor</translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation>Modificar transpondedores</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Editar transpondedor</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Eliminar transpondedor</translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation>Renombrar grupo FAV</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Copiar a esta base de datos</translation>
    </message>
    <message>
        <source>Copy the selected differences from the other database</source>
        <translation>Copiar las diferencias seleccionadas desde la otra base de datos</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Corregir</translation>
    </message>
    <message>
        <source>Mend the selected findings</source>
        <translation>Corregir los problemas seleccionados</translation>
    </message>
    <message>
        <source>Fix All</source>
        <translation>Corregir todo</translation>
    </message>
    <message>
        <source>Mend every finding that can be</source>
        <translation>Corregir todos los problemas que se puedan corregir</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>Ordered %1 of %2 TV channels and %3 of %4 radio channels</source>
        <translation>Canales ordenados: TV %1 de %2; radio %3 de %4</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Copiar a esta base de datos</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Aplicar orden de</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <translation>Archivos SDX (*.sdx)|*.sdx|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Channel Lists (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Files (*.sdx)|*.sdx|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Listas de canales (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|Archivos SDX (*.sdx)|*.sdx|Archivos CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>order</source>
        <translation>orden</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
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
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>only here</source>
        <translation>solo en esta</translation>
    </message>
    <message>
        <source>only there</source>
        <translation>solo en la otra</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark.</source>
        <translation>La lista no es texto: guárdela como UTF-8 o como UTF-16 con marca de orden de bytes (BOM).</translation>
    </message>
    <message>
        <source>line %1: expected %2 columns or more</source>
        <translation>línea %1: se esperaban al menos %2 columnas</translation>
    </message>
    <message>
        <source>line %1: the table must be tv or radio</source>
        <translation>línea %1: la tabla debe ser &quot;tv&quot; o &quot;radio&quot;</translation>
    </message>
    <message>
        <source>line %1: more than %2 channels</source>
        <translation>línea %1: más de %2 canales</translation>
    </message>
    <message>
        <source>This file is not a channel list exported as CSV.</source>
        <translation>Este archivo no es una lista de canales exportada como CSV.</translation>
    </message>
    <message>
        <source>The list holds no channel names.</source>
        <translation>La lista no contiene nombres de canales.</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nombre del satélite</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Posición orbital</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Tipo de LNB</translation>
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
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
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
        <translation>Número de servicio</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Modo de audio</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Other flags</source>
        <translation>Otros indicadores</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Idioma del menú</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Color del menú</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Idioma de audio</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>Sistema RF</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>Canal RF</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>Sistema de TV</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Formato de pantalla</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Diferencia horaria</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Mostrar ayuda</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Bloqueo con contraseña</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Bloqueo de canales</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Bloqueo de instalación</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Bloqueo del sistema</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1/%2 universal</source>
        <translation>%1/%2 universal</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>FAV%1</source>
        <translation>FAV%1</translation>
    </message>
    <message>
        <source>FAV%1 Group Name</source>
        <translation>Nombre del grupo FAV%1</translation>
    </message>
    <message>
        <source>Copied %1 satellites, %2 transponders, %3 TV and %4 radio channels</source>
        <translation>Copiados: satélites %1; transpondedores %2; canales de TV %3; canales de radio %4</translation>
    </message>
    <message>
        <source>%1, fields of %2 records</source>
        <translation>%1; registros con campos copiados: %2</translation>
    </message>
    <message>
        <source>Select the differences to copy.</source>
        <translation>Seleccione las diferencias que desea copiar.</translation>
    </message>
    <message>
        <source>Records only here have nothing to copy.</source>
        <translation>Los registros que solo están en esta base de datos no tienen nada que copiar.</translation>
    </message>
    <message>
        <source>An order is copied with Apply Order From.</source>
        <translation>El orden se copia con &quot;Aplicar orden de&quot;.</translation>
    </message>
    <message>
        <source>A record on another satellite or transponder is moved in the main window.</source>
        <translation>Un registro que está en otro satélite o transpondedor se mueve en la ventana principal.</translation>
    </message>
    <message>
        <source>Copy the channels of the copied satellites too?</source>
        <translation>¿Copiar también los canales de los satélites copiados?</translation>
    </message>
    <message>
        <source>A channel&apos;s service number is taken on its transponder here; it was left as it is.</source>
        <translation>El número de servicio de un canal ya está ocupado en su transpondedor en esta base de datos; se ha dejado como estaba.</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation>Este archivo no es válido; seleccione otro.</translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation>No se puede guardar el archivo.</translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation>No se puede guardar el archivo
</translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>El archivo ha cambiado en el disco desde que se abrió. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Archivo nuevo</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Archivos SDX (*.sdx)|*.sdx|Archivos BIN (*.bin)|*.bin|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Archivos SDX (*.sdx)|*.sdx|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Introduzca un número entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Introduzca %1 caracteres como máximo.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
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
        <translation>Sin definir</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikáans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanés</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Euskera</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Bielorruso</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalí</translation>
    </message>
    <message>
        <source>Bosnian</source>
        <translation>Bosnio</translation>
    </message>
    <message>
        <source>Bislama</source>
        <translation>Bislama</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalán</translation>
    </message>
    <message>
        <source>Chechen</source>
        <translation>Checheno</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Creoles</source>
        <translation>Criollo</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croata</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonio</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgiano</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandés</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesio</translation>
    </message>
    <message>
        <source>Irish</source>
        <translation>Irlandés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Kabyle</source>
        <translation>Cabilio</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kazajo</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Kurdish</source>
        <translation>Kurdo</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letón</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Ltzeburgesch</source>
        <translation>Luxemburgués</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Macedonio</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongol</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persa</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbio</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Esloveno</translation>
    </message>
    <message>
        <source>Swahili</source>
        <translation>Suajili</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tártaro</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
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
        <translation>Ucraniano</translation>
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
        <translation>Filipino</translation>
    </message>
    <message>
        <source>Kongo</source>
        <translation>Kikongo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where a file is refused, then why: &quot;line 3: A quoted field is not closed.&quot;</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>La primera línea debe ser la cabecera %1.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where a value is refused: &quot;line 3, column tp_id&quot;; %2 is the file&apos;s column name.</extracomment>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>The line has %1 fields; the header names %2.</source>
        <translation>Campos en la línea: %1; en la cabecera: %2.</translation>
    </message>
    <message>
        <source>Please enter tv or radio.</source>
        <translation>Introduzca tv o radio.</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canales de radio</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canales de TV</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, ...), for the HTML page&apos;s lang attribute.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>%1 - channel list</source>
        <extracomment>The HTML page&apos;s title: &quot;channels.sdx - channel list&quot;.</extracomment>
        <translation>%1 - lista de canales</translation>
    </message>
    <message>
        <source>The name is not UTF-8 text; save the file as CSV in UTF-8.</source>
        <translation>El nombre no es texto UTF-8; guarde el archivo como CSV en UTF-8.</translation>
    </message>
    <message>
        <source>Please enter 1 or 0.</source>
        <translation>Introduzca 1 o 0.</translation>
    </message>
    <message>
        <source>The video PID of a radio channel cannot be changed.</source>
        <translation>El PID de vídeo de un canal de radio no se puede cambiar.</translation>
    </message>
    <message>
        <source>No character of the name fits a channel name (ISO-8859-1): the name would be empty.</source>
        <translation>Ningún carácter del nombre es válido en un nombre de canal (ISO-8859-1): el nombre quedaría vacío.</translation>
    </message>
    <message>
        <source>&quot;Check Database...&quot; (Tools menu) mends key collisions; apply the file after it.</source>
        <extracomment>&quot;Check Database...&quot; and &quot;Tools&quot; are the menu&apos;s texts: use their translations.</extracomment>
        <translation>&quot;Comprobar base de datos...&quot; (menú Herramientas) corrige las colisiones de claves; aplique el archivo después.</translation>
    </message>
    <message>
        <source>tp_id %1 and service_number %2</source>
        <extracomment>tp_id and service_number are the file&apos;s column names: keep them.</extracomment>
        <translation>tp_id %1 y service_number %2</translation>
    </message>
    <message>
        <source>%1 channels renamed, %2 moved, %3 with other changes</source>
        <translation>Canales renombrados: %1; movidos: %2; con otros cambios: %3</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet</source>
        <translation>Nombres que parecen convertidos por una hoja de cálculo: %1</translation>
    </message>
    <message>
        <source>No radio channel has %1.</source>
        <translation>Ningún canal de radio tiene %1.</translation>
    </message>
    <message>
        <source>No TV channel has %1.</source>
        <translation>Ningún canal de TV tiene %1.</translation>
    </message>
    <message>
        <source>More than one radio channel has %1, so the row could change either.</source>
        <translation>Hay más de un canal de radio con %1, así que la fila podría cambiar cualquiera de ellos.</translation>
    </message>
    <message>
        <source>More than one TV channel has %1, so the row could change either.</source>
        <translation>Hay más de un canal de TV con %1, así que la fila podría cambiar cualquiera de ellos.</translation>
    </message>
    <message>
        <source>The channel with %1 is already on line %2.</source>
        <translation>El canal con %1 ya está en la línea %2.</translation>
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
        <translation>movido desde %1</translation>
    </message>
    <message>
        <source>PIDs, flags or marks changed</source>
        <translation>PID, indicadores o marcas cambiados</translation>
    </message>
    <message>
        <source>%1: a spreadsheet may have changed them on opening the file. They are listed first; check them before you apply.</source>
        <extracomment>%1 is &quot;N names look converted by a spreadsheet&quot;.</extracomment>
        <translation>%1. Puede que una hoja de cálculo los haya cambiado al abrir el archivo. Aparecen primero; revíselos antes de aplicar.</translation>
    </message>
    <message>
        <source>A quote is out of place or a quoted field is not closed.</source>
        <translation>Hay comillas fuera de lugar o un campo entre comillas sin cerrar.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Hay un campo entre comillas sin cerrar.</translation>
    </message>
    <message>
        <source>The text could not be read.</source>
        <translation>No se pudo leer el texto.</translation>
    </message>
    <message>
        <source>The line has more than %1 fields.</source>
        <translation>La línea tiene más de %1 campos.</translation>
    </message>
    <message>
        <source>A field is longer than %1 bytes.</source>
        <translation>Un campo supera los %1 bytes.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>Export the TV channels as well as the radio channels?
No exports the radio channels only.</source>
        <translation>¿Exportar los canales de TV además de los de radio?
&quot;No&quot; exporta solo los canales de radio.</translation>
    </message>
    <message>
        <source>Export the radio channels as well as the TV channels?
No exports the TV channels only.</source>
        <translation>¿Exportar los canales de radio además de los de TV?
&quot;No&quot; exporta solo los canales de TV.</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Exportar canales como CSV</translation>
    </message>
    <message>
        <source>Export Channels as HTML</source>
        <translation>Exportar canales como HTML</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Aplicar cambios del CSV</translation>
    </message>
    <message>
        <source>The CSV file changes nothing.</source>
        <translation>El archivo CSV no cambia nada.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Archivos CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Archivos CSV (*.csv)|*.csv|Archivos CSV con marca de orden de bytes, para Excel (*.csv)|*.csv|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html)|*.html|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Archivos HTML (*.html)|*.html|Todos los archivos (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: &quot;A and B&quot;, &quot;A, B and C&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>radio channel &quot;%1&quot; (No. %2)</source>
        <translation>canal de radio &quot;%1&quot; (n.º %2)</translation>
    </message>
    <message>
        <source>TV channel &quot;%1&quot; (No. %2)</source>
        <translation>canal de TV &quot;%1&quot; (n.º %2)</translation>
    </message>
    <message>
        <source>satellite index %1</source>
        <translation>índice de satélite %1</translation>
    </message>
    <message>
        <source>%1 share the channel key of service %2 on transponder id %3, so their favourite marks are ambiguous.</source>
        <translation>%1 comparten la clave de canal del servicio %2 en el transpondedor con id %3, por lo que sus marcas de favorito son ambiguas.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N.º %1</translation>
    </message>
    <message>
        <source>%1 is repeated as %2: same transponder, name, video, PCR and first audio PID.</source>
        <translation>%1 está repetido como %2: mismo transpondedor, nombre y PID de vídeo, PCR y primer audio.</translation>
    </message>
    <message>
        <source>%1 is on transponder id %2, which no transponder has.</source>
        <translation>%1 está en el transpondedor con id %2, que no existe.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) of %3 is repeated with id %4.</source>
        <translation>El transpondedor %1 (id %2) de %3 está repetido con el id %4.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) names satellite index %3, but there are only %4 satellites.</source>
        <translation>El transpondedor %1 (id %2) indica el índice de satélite %3, pero el número de satélites es %4.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Transponders %1 share the id %2; the channels on that id belong to the first.</source>
        <translation>Los transpondedores %1 comparten el id %2; los canales de ese id pertenecen al primero.</translation>
    </message>
    <message>
        <source>video PID %1</source>
        <translation>PID de vídeo %1</translation>
    </message>
    <message>
        <source>PCR PID %1</source>
        <translation>PID PCR %1</translation>
    </message>
    <message>
        <source>teletext PID %1</source>
        <translation>PID de teletexto %1</translation>
    </message>
    <message>
        <source>audio PID %1 %2</source>
        <extracomment>%1 is the audio track&apos;s number, %2 the PID.</extracomment>
        <translation>PID de audio %1 %2</translation>
    </message>
    <message>
        <source>%1 has a PID above 8191: %2.</source>
        <translation>%1 tiene un PID mayor que 8191: %2.</translation>
    </message>
    <message>
        <source>%1 has PIDs above 8191: %2.</source>
        <translation>%1 tiene PID mayores que 8191: %2.</translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>El canal de radio %1 &quot;%2&quot; ha perdido su marca del grupo de favoritos %3: al cambiar su clave, el grupo ya estaba lleno.</translation>
    </message>
    <message>
        <source>TV channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>El canal de TV %1 &quot;%2&quot; ha perdido su marca del grupo de favoritos %3: al cambiar su clave, el grupo ya estaba lleno.</translation>
    </message>
    <message>
        <source>Nothing was fixed.</source>
        <translation>No se ha corregido nada.</translation>
    </message>
    <message>
        <source>Fixed %1 finding</source>
        <translation>%1 problema corregido</translation>
    </message>
    <message>
        <source>Fixed %1 findings</source>
        <translation>%1 problemas corregidos</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>No satellite was created: the file name does not name one. Save the page under the satellite&apos;s name, &quot; at&quot; and its position, e.g. &quot;%1&quot;.</source>
        <translation>No se ha creado ningún satélite: el nombre del archivo no indica ninguno. Guarde la página con el nombre del satélite, &quot; at&quot; y su posición, p. ej. &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>No caben más satélites; no se puede añadir el satélite</translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Select saved html file from %1 </source>
        <translation>Seleccione el archivo HTML guardado de %1 </translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Archivos HTM (*.htm)|*.htm|Todos los archivos (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
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
        <translation>PÁGINA %1</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>No se pudo iniciar la impresión.</translation>
    </message>
</context>
<context>
    <name>satellites</name>
    <message>
        <source>%1--Transponder List</source>
        <translation>%1--Lista de transpondedores</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Weast</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation>¿Seguro que desea eliminar el satélite (%1)?</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>No caben más satélites; no se puede añadir el satélite</translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?
%1</source>
        <translation>¿Seguro que desea eliminar este transpondedor?
%1</translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation>No caben más transpondedores</translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation>El transpondedor ya existe</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Añadir transpondedor</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Editar transpondedor</translation>
    </message>
    <message>
        <source>All Services</source>
        <translation>Todos los servicios</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation>Lista FAV</translation>
    </message>
    <message>
        <source>Parental Control</source>
        <translation>Control parental</translation>
    </message>
    <message>
        <source>Other Setting</source>
        <translation>Otros ajustes</translation>
    </message>
</context>
<context>
    <name>satxml</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Cargar satélites desde satellites.xml</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Actualizar transpondedores desde satellites.xml</translation>
    </message>
    <message>
        <source>Export Satellites as satellites.xml</source>
        <translation>Exportar satélites como satellites.xml</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Archivos XML (*.xml)|*.xml|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Nothing to update: the transponders of the satellites at the file&apos;s positions are as the file gives them.</source>
        <translation>Nada que actualizar: los transpondedores de los satélites en las posiciones del archivo ya son como los indica el archivo.</translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satélite</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satélites</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transpondedor</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transpondedores</translation>
    </message>
    <message>
        <source>adds %1 / %2 of %3/%4 free</source>
        <extracomment>&quot;adds 2 satellites / 3 transponders of 61/1997 free&quot;</extracomment>
        <translation>añade %1 / %2 de %3/%4 libres</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiado</translation>
    </message>
    <message>
        <source>was %1</source>
        <translation>antes %1</translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation>Desaparecido</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>adds %1, changes %2, vanished %3 (%4 without channels)</source>
        <translation>añade %1, cambia %2, desaparecen %3 (%4 sin canales)</translation>
    </message>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>This file is not XML: line %1: %2.</source>
        <extracomment>%2 is the XML parser&apos;s own English description of the fault.</extracomment>
        <translation>Este archivo no es XML: línea %1: %2.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: its root element is not &lt;satellites&gt;.</source>
        <translation>Este archivo no es un satellites.xml: su elemento raíz no es &lt;satellites&gt;.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: line %1 nests elements deeper than %2 levels.</source>
        <translation>Este archivo no es un satellites.xml: la línea %1 anida elementos a más de %2 niveles.</translation>
    </message>
    <message>
        <source>This file is not a correct satellites.xml: line %1: &lt;%2&gt; has no whole number as %3.</source>
        <extracomment>%2 and %3 are the file&apos;s element and attribute names.</extracomment>
        <translation>Este archivo no es un satellites.xml válido: línea %1: &lt;%2&gt; no tiene un número entero como %3.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
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
        <translation>Alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Persa</translation>
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
        <translation>Color 1</translation>
    </message>
    <message>
        <source>Color2</source>
        <translation>Color 2</translation>
    </message>
    <message>
        <source>Color3</source>
        <translation>Color 3</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The confirm password is wrong !</source>
        <translation>La contraseña de confirmación no coincide.</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Velmora(FTA)</source>
        <translation>Acerca de Velmora (FTA)</translation>
    </message>
    <message>
        <source>Copyright (C) The Velmora developers</source>
        <translation>Copyright (C) Los desarrolladores de Velmora</translation>
    </message>
    <message>
        <source>Data: 23/12/2005</source>
        <translation>Fecha: 23/12/2005</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>velmora::CAudioDlg</name>
    <message>
        <source>Audio Parameters</source>
        <translation>Parámetros de audio</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Idioma de audio</translation>
    </message>
</context>
<context>
    <name>velmora::CChannelDlg</name>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Channel Parameters</source>
        <translation>Parámetros del canal</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
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
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Codificado</translation>
    </message>
</context>
<context>
    <name>velmora::CCsvEditsPreviewDlg</name>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Aplicar cambios del CSV</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>Canales: %1 de %2</translation>
    </message>
</context>
<context>
    <name>velmora::CModifyTPDlg</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmora::CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
</context>
<context>
    <name>velmora::COtherSettingDlg</name>
    <message>
        <source>Other Setting</source>
        <translation>Otros ajustes</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Idioma del menú</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Color del menú</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Mostrar ayuda</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Idioma de audio</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>Sistema RF</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>Canal RF</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>Sistema de TV</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Formato de pantalla</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Diferencia horaria</translation>
    </message>
</context>
<context>
    <name>velmora::CParentalDlg</name>
    <message>
        <source>Parental Control</source>
        <translation>Control parental</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Bloqueo con contraseña</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Bloqueo de canales</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Bloqueo de instalación</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Bloqueo del sistema</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmar contraseña</translation>
    </message>
</context>
<context>
    <name>velmora::CRenameFavDlg</name>
    <message>
        <source>Rename FAV group name</source>
        <translation>Renombrar grupo FAV</translation>
    </message>
    <message>
        <source>FAV Group Name</source>
        <translation>Nombre del grupo FAV</translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteDlg</name>
    <message>
        <source>Satellite Parameters</source>
        <translation>Parámetros del satélite</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nombre del satélite</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Posición orbital</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Tipo de LNB</translation>
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
        <translation>Transpondedor</translation>
    </message>
</context>
<context>
    <name>velmora::CShowInfoDlg</name>
    <message>
        <source>Show Channel information</source>
        <translation>Mostrar información del canal</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderDlg</name>
    <message>
        <source>Transponder Parameters</source>
        <translation>Parámetros del transpondedor</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarización</translation>
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
        <translation>Velmora: editor de bases de datos de canales de receptores de satélite (.sdx)</translation>
    </message>
    <message>
        <source>The .sdx file to open.</source>
        <translation>El archivo .sdx que se va a abrir.</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelFindPane</name>
    <message>
        <source>Find channel (Ctrl+F)</source>
        <translation>Buscar canal (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>velmora::CheckWindow</name>
    <message>
        <source>Channels sharing a channel key</source>
        <translation>Canales que comparten clave de canal</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <translation>Canales duplicados</translation>
    </message>
    <message>
        <source>Channels without a transponder</source>
        <translation>Canales sin transpondedor</translation>
    </message>
    <message>
        <source>Duplicate transponders</source>
        <translation>Transpondedores duplicados</translation>
    </message>
    <message>
        <source>Transponders without a satellite</source>
        <translation>Transpondedores sin satélite</translation>
    </message>
    <message>
        <source>Transponders sharing an id</source>
        <translation>Transpondedores que comparten id</translation>
    </message>
    <message>
        <source>PIDs above 8191</source>
        <translation>PID mayores que 8191</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Comprobar base de datos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kind of finding and its count. Keep &quot; (&quot; before the count: the window finds a kind&apos;s row by the title before it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), not fixed</source>
        <translation>%1 (%2), sin corrección automática</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>No hay ninguna base de datos abierta.</translation>
    </message>
    <message>
        <source>No findings: the database is clean.</source>
        <translation>Sin problemas: la base de datos está correcta.</translation>
    </message>
    <message>
        <source>%1 finding(s), %2 of them can be fixed.</source>
        <translation>Problemas: %1; se pueden corregir: %2.</translation>
    </message>
</context>
<context>
    <name>velmora::CompareController</name>
    <message>
        <source>Copy only %1</source>
        <translation>Copiar solo %1</translation>
    </message>
</context>
<context>
    <name>velmora::CompareTableModel</name>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Esta base de datos</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Otra base de datos</translation>
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
        <translation>Esta base de datos</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Otra base de datos</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>All sections</source>
        <translation>Todas las secciones</translation>
    </message>
    <message>
        <source>All differences</source>
        <translation>Todas las diferencias</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Comparing this database with %1</source>
        <translation>Comparando esta base de datos con %1</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Comparar con %1</translation>
    </message>
    <message>
        <source>The databases hold the same records.</source>
        <translation>Las bases de datos contienen los mismos registros.</translation>
    </message>
    <message>
        <source>%1 of %2 differences shown</source>
        <translation>Diferencias mostradas: %1 de %2</translation>
    </message>
    <message>
        <source>Copy what the selected rows differ in from the other database</source>
        <translation>Copiar desde la otra base de datos lo que difiere en las filas seleccionadas</translation>
    </message>
</context>
<context>
    <name>velmora::DialogControls</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmora::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>The language changes when Velmora is started the next time.</source>
        <translation>El idioma cambiará la próxima vez que se inicie Velmora.</translation>
    </message>
</context>
<context>
    <name>velmora::NameField</name>
    <message>
        <source>A name cannot hold &quot;%1&quot;; left out.</source>
        <translation>Un nombre no puede contener &quot;%1&quot;; se ha omitido.</translation>
    </message>
</context>
<context>
    <name>velmora::PaneLook</name>
    <message>
        <source>Print preview of the channel list (the active pane)</source>
        <translation>Vista previa de impresión de la lista de canales (panel activo)</translation>
    </message>
    <message>
        <source>Printing the channel list (the active pane)</source>
        <translation>Impresión de la lista de canales (panel activo)</translation>
    </message>
    <message>
        <source>Print preview of the tree (the active pane)</source>
        <translation>Vista previa de impresión del árbol (panel activo)</translation>
    </message>
    <message>
        <source>Printing the tree (the active pane)</source>
        <translation>Impresión del árbol (panel activo)</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlLoadDialog</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Cargar satélites desde satellites.xml</translation>
    </message>
    <message>
        <source>Filter by position or name</source>
        <translation>Filtrar por posición o nombre</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name in the database</source>
        <translation>Nombre en la base de datos</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlUpdateDialog</name>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Actualizar transpondedores desde satellites.xml</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Delete vanished transponders that no channel uses</source>
        <translation>Eliminar los transpondedores desaparecidos que no usa ningún canal</translation>
    </message>
</context>
</TS>
