<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>With more than 10 audio entries, every audio PID must be the first PID plus the entry&apos;s position, except for at most 3 entries. Please change or delete audio entries.</source>
        <translation>Avec plus de 10 pistes audio, chaque PID audio doit être égal au premier PID plus la position de la piste, sauf pour 3 pistes au plus. Modifiez ou supprimez des pistes audio.</translation>
    </message>
    <message>
        <source>Only the first 20 audio entries can have a language. Please set the later entries to Undefined or delete them.</source>
        <translation>Seules les 20 premières pistes audio peuvent avoir une langue. Réglez les pistes suivantes sur Non définie ou supprimez-les.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation>Nombre maximal de langues audio atteint</translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation>Veuillez d&apos;abord sélectionner un élément</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation>Voulez-vous vraiment supprimer la chaîne&#xa0;?</translation>
    </message>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation>La liste des chaînes est pleine&#xa0;: impossible d&apos;en ajouter.</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation>Les favoris sont pleins&#xa0;: impossible d&apos;en ajouter d&apos;autres.</translation>
    </message>
    <message>
        <source>Video PID 8191: the channel was stored as a radio channel.</source>
        <translation>PID vidéo 8191&#xa0;: la chaîne a été enregistrée comme chaîne radio.</translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation>Transpondeur introuvable</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>Non verrouillé</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Tele PID</source>
        <translation>PID télétexte</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Sort Channel</source>
        <translation>Trier les chaînes</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Enregistrer le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Channels as &amp;CSV...</source>
        <translation>Chaînes en &amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list to a CSV file for a spreadsheet</source>
        <translation>Écrire la liste des chaînes dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>Channels as &amp;HTML...</source>
        <translation>Chaînes en &amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list to an HTML page</source>
        <translation>Écrire la liste des chaînes dans une page HTML</translation>
    </message>
    <message>
        <source>&amp;Satellites as satellites.xml...</source>
        <translation>&amp;Satellites en satellites.xml...</translation>
    </message>
    <message>
        <source>Write the satellites and transponders as a satellites.xml file</source>
        <translation>Écrire les satellites et les transpondeurs dans un fichier satellites.xml</translation>
    </message>
    <message>
        <source>App&amp;ly CSV Edits...</source>
        <translation>&amp;Appliquer les modifications CSV...</translation>
    </message>
    <message>
        <source>Apply names, PIDs, flags, marks and order edited in a CSV file</source>
        <translation>Appliquer les noms, PID, indicateurs, marques et l&apos;ordre modifiés dans un fichier CSV</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Appliquer les modifications CSV</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>Compare this database with another one</source>
        <translation>Comparer cette base de données avec une autre</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimer le document actif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>A&amp;perçu avant impression</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Afficher des pages entières</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;ration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Changer l&apos;imprimante et les options d&apos;impression</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l&apos;application&#xa0;; propose d&apos;enregistrer les documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Rétablir l&apos;action annulée précédemment</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Ajouter une chaîne</translation>
    </message>
    <message>
        <source>Add a new Channel</source>
        <translation>Ajouter une nouvelle chaîne</translation>
    </message>
    <message>
        <source>Add CH</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>Edit a channel</source>
        <translation>Modifier une chaîne</translation>
    </message>
    <message>
        <source>Edit CH</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Supprimer la chaîne</translation>
    </message>
    <message>
        <source>Detelte a channel</source>
        <translation>Supprimer une chaîne</translation>
    </message>
    <message>
        <source>Del CH</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Swap Channel</source>
        <translation>Permuter les chaînes</translation>
    </message>
    <message>
        <source>Swap channel</source>
        <translation>Permuter deux chaînes</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Permuter</translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Déplacer la chaîne</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Déplacer une chaîne</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move the selected channels up by one row</source>
        <translation>Monter les chaînes sélectionnées d&apos;une ligne</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the selected channels down by one row</source>
        <translation>Descendre les chaînes sélectionnées d&apos;une ligne</translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation>A---&gt;Z</translation>
    </message>
    <message>
        <source>Sort Channels from A to Z</source>
        <translation>Trier les chaînes de A à Z</translation>
    </message>
    <message>
        <source>AZ</source>
        <translation>AZ</translation>
    </message>
    <message>
        <source>Sort A---&gt;Z</source>
        <translation>Tri A---&gt;Z</translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation>Z---&gt;A</translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ</source>
        <translation>Trier les chaînes de Z à A</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>Sort Z---&gt;A</source>
        <translation>Tri Z---&gt;A</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Sort Channels by Transponer</source>
        <translation>Trier les chaînes par transpondeur</translation>
    </message>
    <message>
        <source>Transponder Sort</source>
        <translation>Tri par transpondeur</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Trier par transpondeur</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Sort Channels by Satellite</source>
        <translation>Trier les chaînes par satellite</translation>
    </message>
    <message>
        <source>Satellite Sort</source>
        <translation>Tri par satellite</translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation>Trier par satellite</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Appliquer l&apos;ordre de...</translation>
    </message>
    <message>
        <source>Order the channels as another database or list orders them</source>
        <translation>Classer les chaînes dans l&apos;ordre d&apos;une autre base de données ou liste</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Appliquer l&apos;ordre</translation>
    </message>
    <message>
        <source>Show Channel info...</source>
        <translation>Afficher les infos des chaînes...</translation>
    </message>
    <message>
        <source>Select the information of channel to show</source>
        <translation>Choisir les informations des chaînes à afficher</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find channels by name</source>
        <translation>Rechercher des chaînes par leur nom</translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation>Chaînes &amp;TV</translation>
    </message>
    <message>
        <source>Show the TV channels</source>
        <translation>Afficher les chaînes TV</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation>Chaînes &amp;radio</translation>
    </message>
    <message>
        <source>Show the Radio channels</source>
        <translation>Afficher les chaînes radio</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>&amp;Vérifier la base de données...</translation>
    </message>
    <message>
        <source>Find duplicates, key collisions and orphans</source>
        <translation>Rechercher les doublons, les conflits de clés et les éléments orphelins</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <translation>À &amp;propos de Velmora...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>Add Antenna</source>
        <translation>Ajouter une antenne</translation>
    </message>
    <message>
        <source>Load Satellite from html file of %1...</source>
        <translation>Charger un satellite depuis une page HTML de %1...</translation>
    </message>
    <message>
        <source>Load Satellite</source>
        <translation>Charger un satellite</translation>
    </message>
    <message>
        <source>Load Satellites from satellites.xml...</source>
        <translation>Charger des satellites depuis satellites.xml...</translation>
    </message>
    <message>
        <source>Load Satellites</source>
        <translation>Charger des satellites</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml...</source>
        <translation>Mettre à jour les transpondeurs depuis satellites.xml...</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Mettre à jour les transpondeurs</translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation>Modifier l&apos;antenne</translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation>Déplacer l&apos;antenne</translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation>Permuter les antennes</translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation>Supprimer l&apos;antenne</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Ajouter un transpondeur</translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation>Modifier les transpondeurs</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation>Renommer le groupe de favoris</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Copier dans cette base de données</translation>
    </message>
    <message>
        <source>Copy the selected differences from the other database</source>
        <translation>Copier les différences sélectionnées depuis l&apos;autre base de données</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Corriger</translation>
    </message>
    <message>
        <source>Mend the selected findings</source>
        <translation>Corriger les anomalies sélectionnées</translation>
    </message>
    <message>
        <source>Fix All</source>
        <translation>Tout corriger</translation>
    </message>
    <message>
        <source>Mend every finding that can be</source>
        <translation>Corriger toutes les anomalies corrigeables</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>Ordered %1 of %2 TV channels and %3 of %4 radio channels</source>
        <translation>Chaînes TV classées&#xa0;: %1 sur %2&#xa0;; chaînes radio&#xa0;: %3 sur %4</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Copier dans cette base de données</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Appliquer l&apos;ordre de</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <translation>Fichiers SDX (*.sdx)|*.sdx|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Channel Lists (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Files (*.sdx)|*.sdx|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Listes de chaînes (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|Fichiers SDX (*.sdx)|*.sdx|Fichiers CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>order</source>
        <translation>ordre</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
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
        <translation>Réglages</translation>
    </message>
    <message>
        <source>only here</source>
        <translation>uniquement ici</translation>
    </message>
    <message>
        <source>only there</source>
        <translation>uniquement dans l&apos;autre</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark.</source>
        <translation>La liste n&apos;est pas du texte&#xa0;: enregistrez-la en UTF-8, ou en UTF-16 avec BOM.</translation>
    </message>
    <message>
        <source>line %1: expected %2 columns or more</source>
        <translation>ligne %1&#xa0;: au moins %2 colonnes attendues</translation>
    </message>
    <message>
        <source>line %1: the table must be tv or radio</source>
        <translation>ligne %1&#xa0;: la table doit être tv ou radio</translation>
    </message>
    <message>
        <source>line %1: more than %2 channels</source>
        <translation>ligne %1&#xa0;: plus de %2 chaînes</translation>
    </message>
    <message>
        <source>This file is not a channel list exported as CSV.</source>
        <translation>Ce fichier n&apos;est pas une liste de chaînes exportée en CSV.</translation>
    </message>
    <message>
        <source>The list holds no channel names.</source>
        <translation>La liste ne contient aucun nom de chaîne.</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nom du satellite</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Position orbitale</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Direction du satellite</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Type de LNB</translation>
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
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Débit symbole</translation>
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
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>Numéro de service</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Mode audio</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Crypté</translation>
    </message>
    <message>
        <source>Other flags</source>
        <translation>Autres indicateurs</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Langue des menus</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Couleur des menus</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Langue audio</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>Système RF</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>Canal RF</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>Système TV</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Format d&apos;écran TV</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Aide à l&apos;écran</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Verrouillage par mot de passe</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Verrouillage des chaînes</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Verrouillage de l&apos;installation</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Verrouillage du système</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1/%2 universal</source>
        <translation>%1/%2 universel</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>FAV%1</source>
        <translation>Favoris %1</translation>
    </message>
    <message>
        <source>FAV%1 Group Name</source>
        <translation>Nom du groupe de favoris %1</translation>
    </message>
    <message>
        <source>Copied %1 satellites, %2 transponders, %3 TV and %4 radio channels</source>
        <translation>Satellites copiés&#xa0;: %1, transpondeurs&#xa0;: %2, chaînes TV&#xa0;: %3, chaînes radio&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1, fields of %2 records</source>
        <translation>%1&#xa0;; enregistrements dont des champs ont été copiés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Select the differences to copy.</source>
        <translation>Sélectionnez les différences à copier.</translation>
    </message>
    <message>
        <source>Records only here have nothing to copy.</source>
        <translation>Les enregistrements présents uniquement ici n&apos;ont rien à copier.</translation>
    </message>
    <message>
        <source>An order is copied with Apply Order From.</source>
        <translation>Un ordre se copie avec «&#xa0;Appliquer l&apos;ordre de&#xa0;».</translation>
    </message>
    <message>
        <source>A record on another satellite or transponder is moved in the main window.</source>
        <translation>Un enregistrement situé sur un autre satellite ou transpondeur se déplace dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Copy the channels of the copied satellites too?</source>
        <translation>Copier aussi les chaînes des satellites copiés&#xa0;?</translation>
    </message>
    <message>
        <source>A channel&apos;s service number is taken on its transponder here; it was left as it is.</source>
        <translation>Le numéro de service d&apos;une chaîne est déjà pris sur son transpondeur dans cette base&#xa0;; la chaîne a été laissée telle quelle.</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation>Ce fichier n&apos;est pas valide&#xa0;; veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation>Impossible d&apos;enregistrer le fichier
</translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation>Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Le fichier a été modifié sur le disque depuis son ouverture. L&apos;écraser&#xa0;?</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nouveau fichier</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Fichiers SDX (*.sdx)|*.sdx|Fichiers BIN (*.bin)|*.bin|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Fichiers SDX (*.sdx)|*.sdx|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir %1 caractères au maximum.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>Non définie</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanais</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Basque</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Biélorusse</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengali</translation>
    </message>
    <message>
        <source>Bosnian</source>
        <translation>Bosnien</translation>
    </message>
    <message>
        <source>Bislama</source>
        <translation>Bichelamar</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalan</translation>
    </message>
    <message>
        <source>Chechen</source>
        <translation>Tchétchène</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Creoles</source>
        <translation>Créoles</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croate</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonien</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Géorgien</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandais</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Irish</source>
        <translation>Irlandais</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Kabyle</source>
        <translation>Kabyle</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kazakh</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Kurdish</source>
        <translation>Kurde</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letton</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituanien</translation>
    </message>
    <message>
        <source>Ltzeburgesch</source>
        <translation>Luxembourgeois</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Macédonien</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongol</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persan</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbe</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <source>Swahili</source>
        <translation>Swahili</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tatar</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibétain</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Urdu</source>
        <translation>Ourdou</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Ouzbek</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Philippine</source>
        <translation>Philippin</translation>
    </message>
    <message>
        <source>Kongo</source>
        <translation>Kikongo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where a file is refused, then why: &quot;line 3: A quoted field is not closed.&quot;</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>La première ligne doit être l&apos;en-tête %1.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where a value is refused: &quot;line 3, column tp_id&quot;; %2 is the file&apos;s column name.</extracomment>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>The line has %1 fields; the header names %2.</source>
        <translation>Nombre de champs de la ligne&#xa0;: %1&#xa0;; dans l&apos;en-tête&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Please enter tv or radio.</source>
        <translation>Veuillez saisir tv ou radio.</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Chaînes radio</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Chaînes TV</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, ...), for the HTML page&apos;s lang attribute.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>%1 - channel list</source>
        <extracomment>The HTML page&apos;s title: &quot;channels.sdx - channel list&quot;.</extracomment>
        <translation>%1 - liste des chaînes</translation>
    </message>
    <message>
        <source>The name is not UTF-8 text; save the file as CSV in UTF-8.</source>
        <translation>Le nom n&apos;est pas du texte UTF-8&#xa0;; enregistrez le fichier au format CSV en UTF-8.</translation>
    </message>
    <message>
        <source>Please enter 1 or 0.</source>
        <translation>Veuillez saisir 1 ou 0.</translation>
    </message>
    <message>
        <source>The video PID of a radio channel cannot be changed.</source>
        <translation>Le PID vidéo d&apos;une chaîne radio ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>No character of the name fits a channel name (ISO-8859-1): the name would be empty.</source>
        <translation>Aucun caractère du nom n&apos;est admis dans un nom de chaîne (ISO-8859-1)&#xa0;: le nom serait vide.</translation>
    </message>
    <message>
        <source>&quot;Check Database...&quot; (Tools menu) mends key collisions; apply the file after it.</source>
        <extracomment>&quot;Check Database...&quot; and &quot;Tools&quot; are the menu&apos;s texts: use their translations.</extracomment>
        <translation>«&#xa0;Vérifier la base de données...&#xa0;» (menu Outils) résout les conflits de clés&#xa0;; appliquez ensuite le fichier.</translation>
    </message>
    <message>
        <source>tp_id %1 and service_number %2</source>
        <extracomment>tp_id and service_number are the file&apos;s column names: keep them.</extracomment>
        <translation>tp_id %1 et service_number %2</translation>
    </message>
    <message>
        <source>%1 channels renamed, %2 moved, %3 with other changes</source>
        <translation>Chaînes renommées&#xa0;: %1, déplacées&#xa0;: %2, autres modifications&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet</source>
        <translation>Noms apparemment convertis par un tableur&#xa0;: %1</translation>
    </message>
    <message>
        <source>No radio channel has %1.</source>
        <translation>Aucune chaîne radio ne correspond à %1.</translation>
    </message>
    <message>
        <source>No TV channel has %1.</source>
        <translation>Aucune chaîne TV ne correspond à %1.</translation>
    </message>
    <message>
        <source>More than one radio channel has %1, so the row could change either.</source>
        <translation>Plusieurs chaînes radio correspondent à %1&#xa0;: la ligne pourrait modifier l&apos;une ou l&apos;autre.</translation>
    </message>
    <message>
        <source>More than one TV channel has %1, so the row could change either.</source>
        <translation>Plusieurs chaînes TV correspondent à %1&#xa0;: la ligne pourrait modifier l&apos;une ou l&apos;autre.</translation>
    </message>
    <message>
        <source>The channel with %1 is already on line %2.</source>
        <translation>La chaîne avec %1 figure déjà à la ligne %2.</translation>
    </message>
    <message>
        <source>Radio %1: %2</source>
        <extracomment>A changed channel: &quot;TV 3: Das Erste&quot;, &quot;Radio 2: old name → new name&quot;.</extracomment>
        <translation>Radio %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>TV %1: %2</source>
        <translation>TV %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>moved from %1</source>
        <translation>déplacée depuis le n°&#xa0;%1</translation>
    </message>
    <message>
        <source>PIDs, flags or marks changed</source>
        <translation>PID, indicateurs ou marques modifiés</translation>
    </message>
    <message>
        <source>%1: a spreadsheet may have changed them on opening the file. They are listed first; check them before you apply.</source>
        <extracomment>%1 is &quot;N names look converted by a spreadsheet&quot;.</extracomment>
        <translation>%1. Un tableur a pu les modifier à l&apos;ouverture du fichier. Ils sont listés en premier&#xa0;; vérifiez-les avant d&apos;appliquer.</translation>
    </message>
    <message>
        <source>A quote is out of place or a quoted field is not closed.</source>
        <translation>Un guillemet est mal placé ou un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>The text could not be read.</source>
        <translation>Le texte n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The line has more than %1 fields.</source>
        <translation>La ligne dépasse %1 champs.</translation>
    </message>
    <message>
        <source>A field is longer than %1 bytes.</source>
        <translation>Un champ dépasse %1 octets.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>Export the TV channels as well as the radio channels?
No exports the radio channels only.</source>
        <translation>Exporter les chaînes TV en plus des chaînes radio&#xa0;?
«&#xa0;Non&#xa0;» n&apos;exporte que les chaînes radio.</translation>
    </message>
    <message>
        <source>Export the radio channels as well as the TV channels?
No exports the TV channels only.</source>
        <translation>Exporter les chaînes radio en plus des chaînes TV&#xa0;?
«&#xa0;Non&#xa0;» n&apos;exporte que les chaînes TV.</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Exporter les chaînes en CSV</translation>
    </message>
    <message>
        <source>Export Channels as HTML</source>
        <translation>Exporter les chaînes en HTML</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Appliquer les modifications CSV</translation>
    </message>
    <message>
        <source>The CSV file changes nothing.</source>
        <translation>Le fichier CSV ne modifie rien.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Fichiers CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Fichiers CSV (*.csv)|*.csv|Fichiers CSV avec BOM, pour Excel (*.csv)|*.csv|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html)|*.html|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Fichiers HTML (*.html)|*.html|Tous les fichiers (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: &quot;A and B&quot;, &quot;A, B and C&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>radio channel &quot;%1&quot; (No. %2)</source>
        <translation>chaîne radio «&#xa0;%1&#xa0;» (n°&#xa0;%2)</translation>
    </message>
    <message>
        <source>TV channel &quot;%1&quot; (No. %2)</source>
        <translation>chaîne TV «&#xa0;%1&#xa0;» (n°&#xa0;%2)</translation>
    </message>
    <message>
        <source>satellite index %1</source>
        <translation>satellite d&apos;indice %1</translation>
    </message>
    <message>
        <source>%1 share the channel key of service %2 on transponder id %3, so their favourite marks are ambiguous.</source>
        <translation>%1 partagent la clé de chaîne du service %2 sur l&apos;ID de transpondeur %3&#xa0;: leurs marques de favoris sont donc ambiguës.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N°&#xa0;%1</translation>
    </message>
    <message>
        <source>%1 is repeated as %2: same transponder, name, video, PCR and first audio PID.</source>
        <translation>%1 est un doublon de %2&#xa0;: même transpondeur, même nom, mêmes PID vidéo, PCR et premier PID audio.</translation>
    </message>
    <message>
        <source>%1 is on transponder id %2, which no transponder has.</source>
        <translation>%1 est sur l&apos;ID de transpondeur %2, qu&apos;aucun transpondeur ne porte.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) of %3 is repeated with id %4.</source>
        <translation>Le transpondeur %1 (ID %2) de %3 est en double avec l&apos;ID %4.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) names satellite index %3, but there are only %4 satellites.</source>
        <translation>Le transpondeur %1 (ID %2) désigne le satellite d&apos;indice %3, mais le nombre de satellites n&apos;est que de %4.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Transponders %1 share the id %2; the channels on that id belong to the first.</source>
        <translation>Les transpondeurs %1 partagent l&apos;ID %2&#xa0;; les chaînes de cet ID appartiennent au premier.</translation>
    </message>
    <message>
        <source>video PID %1</source>
        <translation>PID vidéo %1</translation>
    </message>
    <message>
        <source>PCR PID %1</source>
        <translation>PID PCR %1</translation>
    </message>
    <message>
        <source>teletext PID %1</source>
        <translation>PID télétexte %1</translation>
    </message>
    <message>
        <source>audio PID %1 %2</source>
        <extracomment>%1 is the audio track&apos;s number, %2 the PID.</extracomment>
        <translation>PID audio %1 %2</translation>
    </message>
    <message>
        <source>%1 has a PID above 8191: %2.</source>
        <translation>%1 a un PID supérieur à 8191&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 has PIDs above 8191: %2.</source>
        <translation>%1 a des PID supérieurs à 8191&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>La chaîne radio %1 «&#xa0;%2&#xa0;» a perdu sa marque du groupe de favoris %3&#xa0;: avec sa nouvelle clé, le groupe était plein.</translation>
    </message>
    <message>
        <source>TV channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>La chaîne TV %1 «&#xa0;%2&#xa0;» a perdu sa marque du groupe de favoris %3&#xa0;: avec sa nouvelle clé, le groupe était plein.</translation>
    </message>
    <message>
        <source>Nothing was fixed.</source>
        <translation>Rien n&apos;a été corrigé.</translation>
    </message>
    <message>
        <source>Fixed %1 finding</source>
        <translation>%1 anomalie corrigée</translation>
    </message>
    <message>
        <source>Fixed %1 findings</source>
        <translation>%1 anomalies corrigées</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>No satellite was created: the file name does not name one. Save the page under the satellite&apos;s name, &quot; at&quot; and its position, e.g. &quot;%1&quot;.</source>
        <translation>Aucun satellite n&apos;a été créé&#xa0;: le nom du fichier n&apos;en désigne aucun. Enregistrez la page sous le nom du satellite suivi de &quot; at&quot; et de sa position, par ex. «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>La liste des satellites est pleine&#xa0;: impossible d&apos;ajouter le satellite.</translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Select saved html file from %1 </source>
        <translation>Choisir la page HTML enregistrée depuis %1 </translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>Fichiers HTM (*.htm)|*.htm|Tous les fichiers (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>Index</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>PAGE %1</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l&apos;impression.</translation>
    </message>
</context>
<context>
    <name>satellites</name>
    <message>
        <source>%1--Transponder List</source>
        <translation>%1--Liste des transpondeurs</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universel</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Weast</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation>Voulez-vous vraiment supprimer le satellite (%1)&#xa0;?</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>La liste des satellites est pleine&#xa0;: impossible d&apos;ajouter le satellite.</translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?
%1</source>
        <translation>Voulez-vous vraiment supprimer ce transpondeur&#xa0;?
%1</translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation>La liste des transpondeurs est pleine</translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation>Ce transpondeur existe déjà</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Ajouter un transpondeur</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>All Services</source>
        <translation>Toutes les chaînes</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Liste des chaînes</translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Parental Control</source>
        <translation>Contrôle parental</translation>
    </message>
    <message>
        <source>Other Setting</source>
        <translation>Autres réglages</translation>
    </message>
</context>
<context>
    <name>satxml</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Charger des satellites depuis satellites.xml</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Mettre à jour les transpondeurs depuis satellites.xml</translation>
    </message>
    <message>
        <source>Export Satellites as satellites.xml</source>
        <translation>Exporter les satellites en satellites.xml</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>Fichiers XML (*.xml)|*.xml|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Nothing to update: the transponders of the satellites at the file&apos;s positions are as the file gives them.</source>
        <translation>Rien à mettre à jour&#xa0;: les transpondeurs des satellites aux positions du fichier sont déjà tels que le fichier les donne.</translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 satellite</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 satellites</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 transpondeur</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 transpondeurs</translation>
    </message>
    <message>
        <source>adds %1 / %2 of %3/%4 free</source>
        <extracomment>&quot;adds 2 satellites / 3 transponders of 61/1997 free&quot;</extracomment>
        <translation>ajoute %1 / %2 sur %3/%4 libres</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>was %1</source>
        <translation>avant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation>Disparu</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 chaîne</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
    <message>
        <source>adds %1, changes %2, vanished %3 (%4 without channels)</source>
        <translation>ajoute %1, modifie %2, disparus&#xa0;: %3 (sans chaîne&#xa0;: %4)</translation>
    </message>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>This file is not XML: line %1: %2.</source>
        <extracomment>%2 is the XML parser&apos;s own English description of the fault.</extracomment>
        <translation>Ce fichier n&apos;est pas du XML&#xa0;: ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: its root element is not &lt;satellites&gt;.</source>
        <translation>Ce fichier n&apos;est pas un satellites.xml&#xa0;: son élément racine n&apos;est pas &lt;satellites&gt;.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: line %1 nests elements deeper than %2 levels.</source>
        <translation>Ce fichier n&apos;est pas un satellites.xml&#xa0;: la ligne %1 imbrique des éléments sur plus de %2 niveaux.</translation>
    </message>
    <message>
        <source>This file is not a correct satellites.xml: line %1: &lt;%2&gt; has no whole number as %3.</source>
        <extracomment>%2 and %3 are the file&apos;s element and attribute names.</extracomment>
        <translation>Ce fichier n&apos;est pas un satellites.xml valide&#xa0;: ligne %1&#xa0;: l&apos;attribut %3 de &lt;%2&gt; n&apos;est pas un nombre entier.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
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
        <translation>Couleur 1</translation>
    </message>
    <message>
        <source>Color2</source>
        <translation>Couleur 2</translation>
    </message>
    <message>
        <source>Color3</source>
        <translation>Couleur 3</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The confirm password is wrong !</source>
        <translation>La confirmation du mot de passe est incorrecte.</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Velmora(FTA)</source>
        <translation>À propos de Velmora (FTA)</translation>
    </message>
    <message>
        <source>Copyright (C) The Velmora developers</source>
        <translation>Copyright (C) Les développeurs de Velmora</translation>
    </message>
    <message>
        <source>Data: 23/12/2005</source>
        <translation>Date&#xa0;: 23/12/2005</translation>
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
        <translation>Paramètres audio</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
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
        <translation>Langue audio</translation>
    </message>
</context>
<context>
    <name>velmora::CChannelDlg</name>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Channel Parameters</source>
        <translation>Paramètres de la chaîne</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>Réception</translation>
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
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Accès</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Crypté</translation>
    </message>
</context>
<context>
    <name>velmora::CCsvEditsPreviewDlg</name>
    <message>
        <source>Apply CSV Edits</source>
        <translation>Appliquer les modifications CSV</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉFIL</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>Chaînes&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>velmora::CModifyTPDlg</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmora::CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Vers</translation>
    </message>
</context>
<context>
    <name>velmora::COtherSettingDlg</name>
    <message>
        <source>Other Setting</source>
        <translation>Autres réglages</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Langue des menus</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Couleur des menus</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Aide à l&apos;écran</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Langue audio</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>Système RF</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>Canal RF</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>Système TV</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>Format d&apos;écran TV</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Décalage horaire</translation>
    </message>
</context>
<context>
    <name>velmora::CParentalDlg</name>
    <message>
        <source>Parental Control</source>
        <translation>Contrôle parental</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Verrouillage par mot de passe</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Verrouillage des chaînes</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Verrouillage de l&apos;installation</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Verrouillage du système</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
</context>
<context>
    <name>velmora::CRenameFavDlg</name>
    <message>
        <source>Rename FAV group name</source>
        <translation>Renommer le groupe de favoris</translation>
    </message>
    <message>
        <source>FAV Group Name</source>
        <translation>Nom du groupe de favoris</translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteDlg</name>
    <message>
        <source>Satellite Parameters</source>
        <translation>Paramètres du satellite</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nom du satellite</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Position orbitale</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Direction du satellite</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Type de LNB</translation>
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
        <translation>Transpondeur</translation>
    </message>
</context>
<context>
    <name>velmora::CShowInfoDlg</name>
    <message>
        <source>Show Channel information</source>
        <translation>Afficher les informations des chaînes</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderDlg</name>
    <message>
        <source>Transponder Parameters</source>
        <translation>Paramètres du transpondeur</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Débit symbole</translation>
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
        <translation>Velmora&#xa0;: éditeur des listes de chaînes des récepteurs satellite (.sdx)</translation>
    </message>
    <message>
        <source>The .sdx file to open.</source>
        <translation>Le fichier .sdx à ouvrir.</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelFindPane</name>
    <message>
        <source>Find channel (Ctrl+F)</source>
        <translation>Rechercher une chaîne (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>velmora::CheckWindow</name>
    <message>
        <source>Channels sharing a channel key</source>
        <translation>Chaînes partageant une clé de chaîne</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <translation>Chaînes en double</translation>
    </message>
    <message>
        <source>Channels without a transponder</source>
        <translation>Chaînes sans transpondeur</translation>
    </message>
    <message>
        <source>Duplicate transponders</source>
        <translation>Transpondeurs en double</translation>
    </message>
    <message>
        <source>Transponders without a satellite</source>
        <translation>Transpondeurs sans satellite</translation>
    </message>
    <message>
        <source>Transponders sharing an id</source>
        <translation>Transpondeurs partageant un ID</translation>
    </message>
    <message>
        <source>PIDs above 8191</source>
        <translation>PID supérieurs à 8191</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Vérifier la base de données</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kind of finding and its count. Keep &quot; (&quot; before the count: the window finds a kind&apos;s row by the title before it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), not fixed</source>
        <translation>%1 (%2), sans correction automatique</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Aucune base de données n&apos;est ouverte.</translation>
    </message>
    <message>
        <source>No findings: the database is clean.</source>
        <translation>Aucune anomalie&#xa0;: la base de données est saine.</translation>
    </message>
    <message>
        <source>%1 finding(s), %2 of them can be fixed.</source>
        <translation>Anomalies&#xa0;: %1, dont %2 corrigeables.</translation>
    </message>
</context>
<context>
    <name>velmora::CompareController</name>
    <message>
        <source>Copy only %1</source>
        <translation>Copier uniquement «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>velmora::CompareTableModel</name>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Cette base de données</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Autre base de données</translation>
    </message>
</context>
<context>
    <name>velmora::CompareWindow</name>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1&#xa0;: %2 → %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Cette base de données</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Autre base de données</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>All sections</source>
        <translation>Toutes les sections</translation>
    </message>
    <message>
        <source>All differences</source>
        <translation>Toutes les différences</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Comparing this database with %1</source>
        <translation>Comparaison de cette base de données avec %1</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <source>The databases hold the same records.</source>
        <translation>Les bases de données contiennent les mêmes enregistrements.</translation>
    </message>
    <message>
        <source>%1 of %2 differences shown</source>
        <translation>Différences affichées&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Copy what the selected rows differ in from the other database</source>
        <translation>Copier depuis l&apos;autre base de données les différences des lignes sélectionnées</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmora::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language changes when Velmora is started the next time.</source>
        <translation>La langue changera au prochain démarrage de Velmora.</translation>
    </message>
</context>
<context>
    <name>velmora::NameField</name>
    <message>
        <source>A name cannot hold &quot;%1&quot;; left out.</source>
        <translation>Un nom ne peut pas contenir «&#xa0;%1&#xa0;»&#xa0;: caractère omis.</translation>
    </message>
</context>
<context>
    <name>velmora::PaneLook</name>
    <message>
        <source>Print preview of the channel list (the active pane)</source>
        <translation>Aperçu avant impression de la liste des chaînes (volet actif)</translation>
    </message>
    <message>
        <source>Printing the channel list (the active pane)</source>
        <translation>Impression de la liste des chaînes (volet actif)</translation>
    </message>
    <message>
        <source>Print preview of the tree (the active pane)</source>
        <translation>Aperçu avant impression de l&apos;arborescence (volet actif)</translation>
    </message>
    <message>
        <source>Printing the tree (the active pane)</source>
        <translation>Impression de l&apos;arborescence (volet actif)</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlLoadDialog</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>Charger des satellites depuis satellites.xml</translation>
    </message>
    <message>
        <source>Filter by position or name</source>
        <translation>Filtrer par position ou par nom</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name in the database</source>
        <translation>Nom dans la base de données</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlUpdateDialog</name>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Mettre à jour les transpondeurs depuis satellites.xml</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Delete vanished transponders that no channel uses</source>
        <translation>Supprimer les transpondeurs disparus qu&apos;aucune chaîne n&apos;utilise</translation>
    </message>
</context>
</TS>
