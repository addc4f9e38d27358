<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>Sonraki sayfa</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Önceki sayfa</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>With more than 10 audio entries, every audio PID must be the first PID plus the entry&apos;s position, except for at most 3 entries. Please change or delete audio entries.</source>
        <translation>10&apos;dan fazla ses kaydında, en fazla 3 kayıt dışında her ses PID&apos;i ilk PID artı kaydın sırası olmalıdır. Lütfen ses kayıtlarını değiştirin veya silin.</translation>
    </message>
    <message>
        <source>Only the first 20 audio entries can have a language. Please set the later entries to Undefined or delete them.</source>
        <translation>Yalnızca ilk 20 ses kaydına dil atanabilir. Lütfen sonraki kayıtları Tanımsız yapın veya silin.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation>Ses dilleri dolu</translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation>Lütfen önce bir öğe seçin</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Aralık dışında</translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation>Kanalı silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation>Kanal listesi dolu, kanal eklenemiyor</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation>Favoriler dolu, daha fazla favori kaydedilemiyor</translation>
    </message>
    <message>
        <source>Video PID 8191: the channel was stored as a radio channel.</source>
        <translation>Video PID 8191: kanal radyo kanalı olarak kaydedildi.</translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation>Transponder bulunamadı</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT PID</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Kilitsiz</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>KİLİTLİ</translation>
    </message>
    <message>
        <source>Tele PID</source>
        <translation>Teletekst PID</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Sort Channel</source>
        <translation>Kanalları Sırala</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Yeni bir belge oluştur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Aç...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Mevcut bir belgeyi aç</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ka&amp;pat</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Etkin belgeyi kaydet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Farklı Kaydet...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Etkin belgeyi yeni bir adla kaydet</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Channels as &amp;CSV...</source>
        <translation>Kanalları &amp;CSV Olarak...</translation>
    </message>
    <message>
        <source>Write the channel list to a CSV file for a spreadsheet</source>
        <translation>Kanal listesini hesap tablosu için bir CSV dosyasına yaz</translation>
    </message>
    <message>
        <source>Channels as &amp;HTML...</source>
        <translation>Kanalları &amp;HTML Olarak...</translation>
    </message>
    <message>
        <source>Write the channel list to an HTML page</source>
        <translation>Kanal listesini bir HTML sayfasına yaz</translation>
    </message>
    <message>
        <source>&amp;Satellites as satellites.xml...</source>
        <translation>&amp;Uyduları satellites.xml Olarak...</translation>
    </message>
    <message>
        <source>Write the satellites and transponders as a satellites.xml file</source>
        <translation>Uyduları ve transponderleri bir satellites.xml dosyasına yaz</translation>
    </message>
    <message>
        <source>App&amp;ly CSV Edits...</source>
        <translation>CSV Düzenlemelerini &amp;Uygula...</translation>
    </message>
    <message>
        <source>Apply names, PIDs, flags, marks and order edited in a CSV file</source>
        <translation>Bir CSV dosyasında düzenlenen adları, PID&apos;leri, bayrakları, işaretleri ve sırayı uygula</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV Düzenlemelerini Uygula</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Karşılaş&amp;tır...</translation>
    </message>
    <message>
        <source>Compare this database with another one</source>
        <translation>Bu veritabanını başka bir veritabanıyla karşılaştır</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Ya&amp;zdır...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Etkin belgeyi yazdır</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Baskı Ö&amp;nizleme</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Tam sayfaları göster</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Baskı Önizleme</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Yazıcı Ayarla&amp;rı...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Yazıcıyı ve yazdırma seçeneklerini değiştir</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Yazıcı Ayarları</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Son Dosya</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Bu belgeyi aç</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Programdan çık; belgelerin kaydedilmesini sorar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Son işlemi geri al</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Geri alınan işlemi yinele</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal Ekle</translation>
    </message>
    <message>
        <source>Add a new Channel</source>
        <translation>Yeni bir kanal ekle</translation>
    </message>
    <message>
        <source>Add CH</source>
        <translation>Kanal Ekle</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanalı Düzenle</translation>
    </message>
    <message>
        <source>Edit a channel</source>
        <translation>Bir kanalı düzenle</translation>
    </message>
    <message>
        <source>Edit CH</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanalı Sil</translation>
    </message>
    <message>
        <source>Detelte a channel</source>
        <translation>Bir kanalı sil</translation>
    </message>
    <message>
        <source>Del CH</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Swap Channel</source>
        <translation>Kanalların Yerini Değiştir</translation>
    </message>
    <message>
        <source>Swap channel</source>
        <translation>İki kanalın yerini değiştir</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Yer Değiştir</translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Kanalı Taşı</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Kanalı taşı</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Yukarı Taşı</translation>
    </message>
    <message>
        <source>Move the selected channels up by one row</source>
        <translation>Seçili kanalları bir satır yukarı taşı</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move the selected channels down by one row</source>
        <translation>Seçili kanalları bir satır aşağı taşı</translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation>A---&gt;Z</translation>
    </message>
    <message>
        <source>Sort Channels from A to Z</source>
        <translation>Kanalları A&apos;dan Z&apos;ye sırala</translation>
    </message>
    <message>
        <source>AZ</source>
        <translation>AZ</translation>
    </message>
    <message>
        <source>Sort A---&gt;Z</source>
        <translation>A---&gt;Z Sırala</translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation>Z---&gt;A</translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ</source>
        <translation>Kanalları Z&apos;den A&apos;ya sırala</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>Sort Z---&gt;A</source>
        <translation>Z---&gt;A Sırala</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Sort Channels by Transponer</source>
        <translation>Kanalları transpondere göre sırala</translation>
    </message>
    <message>
        <source>Transponder Sort</source>
        <translation>Transponder Sırası</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Transpondere Göre Sırala</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Sort Channels by Satellite</source>
        <translation>Kanalları uyduya göre sırala</translation>
    </message>
    <message>
        <source>Satellite Sort</source>
        <translation>Uydu Sırası</translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation>Uyduya Göre Sırala</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Sıralamayı Başka Listeden Al...</translation>
    </message>
    <message>
        <source>Order the channels as another database or list orders them</source>
        <translation>Kanalları başka bir veritabanındaki veya listedeki sıraya göre diz</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Sıralamayı Uygula</translation>
    </message>
    <message>
        <source>Show Channel info...</source>
        <translation>Kanal Bilgisini Göster...</translation>
    </message>
    <message>
        <source>Select the information of channel to show</source>
        <translation>Gösterilecek kanal bilgilerini seç</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Find channels by name</source>
        <translation>Kanalları ada göre bul</translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation>&amp;TV Kanalları</translation>
    </message>
    <message>
        <source>Show the TV channels</source>
        <translation>TV kanallarını göster</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation>&amp;Radyo Kanalları</translation>
    </message>
    <message>
        <source>Show the Radio channels</source>
        <translation>Radyo kanallarını göster</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>&amp;Veritabanını Denetle...</translation>
    </message>
    <message>
        <source>Find duplicates, key collisions and orphans</source>
        <translation>Çift kayıtları, anahtar çakışmalarını ve sahipsiz kayıtları bul</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Denetle</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <translation>Velmora &amp;Hakkında...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Program bilgisini, sürüm numarasını ve telif hakkını göster</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Sonraki Bölme</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Önceki Bölme</translation>
    </message>
    <message>
        <source>Add Antenna</source>
        <translation>Uydu Ekle</translation>
    </message>
    <message>
        <source>Load Satellite from html file of %1...</source>
        <translation>%1 HTML Dosyasından Uydu Yükle...</translation>
    </message>
    <message>
        <source>Load Satellite</source>
        <translation>Uydu Yükle</translation>
    </message>
    <message>
        <source>Load Satellites from satellites.xml...</source>
        <translation>satellites.xml Dosyasından Uydu Yükle...</translation>
    </message>
    <message>
        <source>Load Satellites</source>
        <translation>Uyduları Yükle</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml...</source>
        <translation>Transponderleri satellites.xml ile Güncelle...</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Transponderleri Güncelle</translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation>Uyduyu Düzenle</translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation>Uyduyu Taşı</translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation>Uyduların Yerini Değiştir</translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation>Uyduyu Sil</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder Ekle</translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation>Transponderleri Düzenle</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponderi Düzenle</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponderi Sil</translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation>Favori Grubunu Yeniden Adlandır</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Dışa Aktar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Araçlar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Bu Veritabanına Kopyala</translation>
    </message>
    <message>
        <source>Copy the selected differences from the other database</source>
        <translation>Seçili farkları diğer veritabanından kopyala</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Düzelt</translation>
    </message>
    <message>
        <source>Mend the selected findings</source>
        <translation>Seçili bulguları düzelt</translation>
    </message>
    <message>
        <source>Fix All</source>
        <translation>Tümünü Düzelt</translation>
    </message>
    <message>
        <source>Mend every finding that can be</source>
        <translation>Düzeltilebilen tüm bulguları düzelt</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>Ordered %1 of %2 TV channels and %3 of %4 radio channels</source>
        <translation>Sıralanan: %2 TV kanalından %1, %4 radyo kanalından %3</translation>
    </message>
    <message>
        <source>Copy to this database</source>
        <translation>Bu Veritabanına Kopyala</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Karşılaştırılacak Veritabanı</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Sıralamayı Başka Listeden Al</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <translation>SDX Dosyaları (*.sdx)|*.sdx|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Channel Lists (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Files (*.sdx)|*.sdx|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Kanal Listeleri (*.sdx;*.csv;*.txt)|*.sdx;*.csv;*.txt|SDX Dosyaları (*.sdx)|*.sdx|CSV Dosyaları (*.csv)|*.csv|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>order</source>
        <translation>sıralama</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>only here</source>
        <translation>yalnızca burada</translation>
    </message>
    <message>
        <source>only there</source>
        <translation>yalnızca orada</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>değişti</translation>
    </message>
    <message>
        <source>The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark.</source>
        <translation>Liste metin değil: UTF-8 olarak ya da bayt sıra işaretli UTF-16 olarak kaydedin.</translation>
    </message>
    <message>
        <source>line %1: expected %2 columns or more</source>
        <translation>satır %1: en az %2 sütun bekleniyordu</translation>
    </message>
    <message>
        <source>line %1: the table must be tv or radio</source>
        <translation>satır %1: tablo tv veya radio olmalı</translation>
    </message>
    <message>
        <source>line %1: more than %2 channels</source>
        <translation>satır %1: %2 kanaldan fazla</translation>
    </message>
    <message>
        <source>This file is not a channel list exported as CSV.</source>
        <translation>Bu dosya CSV olarak dışa aktarılmış bir kanal listesi değil.</translation>
    </message>
    <message>
        <source>The list holds no channel names.</source>
        <translation>Listede kanal adı yok.</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Uydu Adı</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Uydu Konumu</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Uydu Yönü</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB Tipi</translation>
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
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT PID</translation>
    </message>
    <message>
        <source>Service number</source>
        <translation>Servis Numarası</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Ses Modu</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Other flags</source>
        <translation>Diğer Bayraklar</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menü Dili</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Menü Rengi</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Saydamlık</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Ses Dili</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>RF Sistemi</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>RF Kanalı</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>TV Sistemi</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>TV Ekran Formatı</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Saat Farkı</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Yardım Gösterimi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Şifre</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Şifre Kilidi</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Kanal Kilidi</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Kurulum Kilidi</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Sistem Kilidi</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>evet</translation>
    </message>
    <message>
        <source>no</source>
        <translation>hayır</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
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
        <translation>Sol</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1, %2 uydusunda</translation>
    </message>
    <message>
        <source>FAV%1</source>
        <translation>FAV%1</translation>
    </message>
    <message>
        <source>FAV%1 Group Name</source>
        <translation>FAV%1 Grubu Adı</translation>
    </message>
    <message>
        <source>Copied %1 satellites, %2 transponders, %3 TV and %4 radio channels</source>
        <translation>Kopyalanan: %1 uydu, %2 transponder, %3 TV ve %4 radyo kanalı</translation>
    </message>
    <message>
        <source>%1, fields of %2 records</source>
        <translation>%1; ayrıca %2 kaydın alanları</translation>
    </message>
    <message>
        <source>Select the differences to copy.</source>
        <translation>Kopyalanacak farkları seçin.</translation>
    </message>
    <message>
        <source>Records only here have nothing to copy.</source>
        <translation>Yalnızca burada olan kayıtlarda kopyalanacak bir şey yok.</translation>
    </message>
    <message>
        <source>An order is copied with Apply Order From.</source>
        <translation>Sıralama, &quot;Sıralamayı Başka Listeden Al&quot; komutuyla kopyalanır.</translation>
    </message>
    <message>
        <source>A record on another satellite or transponder is moved in the main window.</source>
        <translation>Uydusu veya transponderi farklı olan bir kayıt ana pencerede taşınır.</translation>
    </message>
    <message>
        <source>Copy the channels of the copied satellites too?</source>
        <translation>Kopyalanan uyduların kanalları da kopyalansın mı?</translation>
    </message>
    <message>
        <source>A channel&apos;s service number is taken on its transponder here; it was left as it is.</source>
        <translation>Bir kanalın servis numarası buradaki transponderinde zaten kullanılıyor; kanal değiştirilmeden bırakıldı.</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Dosya açılamadı!</translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation>Bu dosya geçerli bir dosya değil, lütfen başka bir dosya seçin!</translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation>Dosya kaydedilemedi!</translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation>Dosya kaydedilemedi
</translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation>Değişiklikleri kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Dosya açıldığından beri diskte değişti. Üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Yeni Dosya</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Dosya Seç</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>SDX Dosyaları (*.sdx)|*.sdx|Bin Dosyaları (*.bin)|*.bin|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>SDX Dosyaları (*.sdx)|*.sdx|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Lütfen en fazla %1 karakter girin.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Lütfen bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Lütfen bir sayı girin.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
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
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Tanımsız</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaanca</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Arnavutça</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapça</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Baskça</translation>
    </message>
    <message>
        <source>Belarusian</source>
        <translation>Belarusça</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalce</translation>
    </message>
    <message>
        <source>Bosnian</source>
        <translation>Boşnakça</translation>
    </message>
    <message>
        <source>Bislama</source>
        <translation>Bislama</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarca</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanca</translation>
    </message>
    <message>
        <source>Chechen</source>
        <translation>Çeçence</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Çince</translation>
    </message>
    <message>
        <source>Creoles</source>
        <translation>Kreol dilleri</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Hırvatça</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Çekçe</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danca</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Felemenkçe</translation>
    </message>
    <message>
        <source>English</source>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonca</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fince</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransızca</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Gürcüce</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Almanca</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Yunanca</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>İbranice</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Macarca</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>İzlandaca</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Endonezce</translation>
    </message>
    <message>
        <source>Irish</source>
        <translation>İrlandaca</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>İtalyanca</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonca</translation>
    </message>
    <message>
        <source>Kabyle</source>
        <translation>Kabilce</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kazakça</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korece</translation>
    </message>
    <message>
        <source>Kurdish</source>
        <translation>Kürtçe</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letonca</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litvanca</translation>
    </message>
    <message>
        <source>Ltzeburgesch</source>
        <translation>Lüksemburgca</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Makedonca</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Moğolca</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveççe</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Farsça</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lehçe</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portekizce</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumence</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Sırpça</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>İspanyolca</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Slovence</translation>
    </message>
    <message>
        <source>Swahili</source>
        <translation>Svahili</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>İsveççe</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tatarca</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tayca</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetçe</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukraynaca</translation>
    </message>
    <message>
        <source>Urdu</source>
        <translation>Urduca</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Özbekçe</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamca</translation>
    </message>
    <message>
        <source>Philippine</source>
        <translation>Filipince</translation>
    </message>
    <message>
        <source>Kongo</source>
        <translation>Kongoca</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where a file is refused, then why: &quot;line 3: A quoted field is not closed.&quot;</extracomment>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>İlk satır %1 başlığı olmalıdır.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where a value is refused: &quot;line 3, column tp_id&quot;; %2 is the file&apos;s column name.</extracomment>
        <translation>satır %1, sütun %2</translation>
    </message>
    <message>
        <source>The line has %1 fields; the header names %2.</source>
        <translation>Satırda %1 alan var; başlıkta %2 alan var.</translation>
    </message>
    <message>
        <source>Please enter tv or radio.</source>
        <translation>Lütfen tv veya radio girin.</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radyo kanalları</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV kanalları</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, ...), for the HTML page&apos;s lang attribute.</extracomment>
        <translation>tr</translation>
    </message>
    <message>
        <source>%1 - channel list</source>
        <extracomment>The HTML page&apos;s title: &quot;channels.sdx - channel list&quot;.</extracomment>
        <translation>%1 - kanal listesi</translation>
    </message>
    <message>
        <source>The name is not UTF-8 text; save the file as CSV in UTF-8.</source>
        <translation>Ad UTF-8 metni değil; dosyayı UTF-8 kodlamalı CSV olarak kaydedin.</translation>
    </message>
    <message>
        <source>Please enter 1 or 0.</source>
        <translation>Lütfen 1 veya 0 girin.</translation>
    </message>
    <message>
        <source>The video PID of a radio channel cannot be changed.</source>
        <translation>Bir radyo kanalının video PID&apos;i değiştirilemez.</translation>
    </message>
    <message>
        <source>No character of the name fits a channel name (ISO-8859-1): the name would be empty.</source>
        <translation>Adın hiçbir karakteri kanal adına uymuyor (ISO-8859-1): ad boş kalır.</translation>
    </message>
    <message>
        <source>&quot;Check Database...&quot; (Tools menu) mends key collisions; apply the file after it.</source>
        <extracomment>&quot;Check Database...&quot; and &quot;Tools&quot; are the menu&apos;s texts: use their translations.</extracomment>
        <translation>&quot;Veritabanını Denetle...&quot; (Araçlar menüsü) anahtar çakışmalarını giderir; dosyayı ondan sonra uygulayın.</translation>
    </message>
    <message>
        <source>tp_id %1 and service_number %2</source>
        <extracomment>tp_id and service_number are the file&apos;s column names: keep them.</extracomment>
        <translation>tp_id %1 ve service_number %2</translation>
    </message>
    <message>
        <source>%1 channels renamed, %2 moved, %3 with other changes</source>
        <translation>Yeniden adlandırılan kanal: %1, taşınan: %2, başka değişiklik: %3</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet</source>
        <translation>%1 ad bir hesap tablosu tarafından dönüştürülmüş görünüyor</translation>
    </message>
    <message>
        <source>No radio channel has %1.</source>
        <translation>%1 değerine sahip radyo kanalı yok.</translation>
    </message>
    <message>
        <source>No TV channel has %1.</source>
        <translation>%1 değerine sahip TV kanalı yok.</translation>
    </message>
    <message>
        <source>More than one radio channel has %1, so the row could change either.</source>
        <translation>%1 değerine sahip birden fazla radyo kanalı var; satır bunlardan herhangi birini değiştirebilir.</translation>
    </message>
    <message>
        <source>More than one TV channel has %1, so the row could change either.</source>
        <translation>%1 değerine sahip birden fazla TV kanalı var; satır bunlardan herhangi birini değiştirebilir.</translation>
    </message>
    <message>
        <source>The channel with %1 is already on line %2.</source>
        <translation>%1 değerine sahip kanal zaten %2. satırda.</translation>
    </message>
    <message>
        <source>Radio %1: %2</source>
        <extracomment>A changed channel: &quot;TV 3: Das Erste&quot;, &quot;Radio 2: old name → new name&quot;.</extracomment>
        <translation>Radyo %1: %2</translation>
    </message>
    <message>
        <source>TV %1: %2</source>
        <translation>TV %1: %2</translation>
    </message>
    <message>
        <source>moved from %1</source>
        <translation>%1. sıradan taşındı</translation>
    </message>
    <message>
        <source>PIDs, flags or marks changed</source>
        <translation>PID&apos;ler, bayraklar veya işaretler değişti</translation>
    </message>
    <message>
        <source>%1: a spreadsheet may have changed them on opening the file. They are listed first; check them before you apply.</source>
        <extracomment>%1 is &quot;N names look converted by a spreadsheet&quot;.</extracomment>
        <translation>%1: dosya açılırken bir hesap tablosu bunları değiştirmiş olabilir. Bunlar başta listelenir; uygulamadan önce kontrol edin.</translation>
    </message>
    <message>
        <source>A quote is out of place or a quoted field is not closed.</source>
        <translation>Tırnak işareti yanlış yerde ya da tırnaklı bir alan kapatılmamış.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Tırnaklı bir alan kapatılmamış.</translation>
    </message>
    <message>
        <source>The text could not be read.</source>
        <translation>Metin okunamadı.</translation>
    </message>
    <message>
        <source>The line has more than %1 fields.</source>
        <translation>Satırda %1 alandan fazlası var.</translation>
    </message>
    <message>
        <source>A field is longer than %1 bytes.</source>
        <translation>Bir alan %1 bayttan uzun.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Dışa aktarıldı: %1</translation>
    </message>
    <message>
        <source>Export the TV channels as well as the radio channels?
No exports the radio channels only.</source>
        <translation>TV kanalları da radyo kanallarıyla birlikte dışa aktarılsın mı?
Hayır derseniz yalnızca radyo kanalları dışa aktarılır.</translation>
    </message>
    <message>
        <source>Export the radio channels as well as the TV channels?
No exports the TV channels only.</source>
        <translation>Radyo kanalları da TV kanallarıyla birlikte dışa aktarılsın mı?
Hayır derseniz yalnızca TV kanalları dışa aktarılır.</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Kanalları CSV Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Export Channels as HTML</source>
        <translation>Kanalları HTML Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV Düzenlemelerini Uygula</translation>
    </message>
    <message>
        <source>The CSV file changes nothing.</source>
        <translation>CSV dosyası hiçbir şeyi değiştirmiyor.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>CSV Dosyaları (*.csv)|*.csv|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>CSV Dosyaları (*.csv)|*.csv|Bayt sıra işaretli CSV Dosyaları, Excel için (*.csv)|*.csv|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html)|*.html|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>HTML Dosyaları (*.html)|*.html|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: &quot;A and B&quot;, &quot;A, B and C&quot;.</extracomment>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>radio channel &quot;%1&quot; (No. %2)</source>
        <translation>radyo kanalı &quot;%1&quot; (No. %2)</translation>
    </message>
    <message>
        <source>TV channel &quot;%1&quot; (No. %2)</source>
        <translation>TV kanalı &quot;%1&quot; (No. %2)</translation>
    </message>
    <message>
        <source>satellite index %1</source>
        <translation>uydu sıra no. %1</translation>
    </message>
    <message>
        <source>%1 share the channel key of service %2 on transponder id %3, so their favourite marks are ambiguous.</source>
        <translation>%1 aynı kanal anahtarını paylaşıyor (servis %2, transponder id %3); bu yüzden favori işaretleri belirsiz.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>%1 is repeated as %2: same transponder, name, video, PCR and first audio PID.</source>
        <translation>%1, %2 olarak tekrarlanmış: aynı transponder, ad, video, PCR ve ilk ses PID&apos;i.</translation>
    </message>
    <message>
        <source>%1 is on transponder id %2, which no transponder has.</source>
        <translation>%1: transponder id %2 hiçbir transponderde yok.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) of %3 is repeated with id %4.</source>
        <translation>%3 üzerindeki transponder %1 (id %2), id %4 ile tekrarlanmış.</translation>
    </message>
    <message>
        <source>Transponder %1 (id %2) names satellite index %3, but there are only %4 satellites.</source>
        <translation>Transponder %1 (id %2) uydu sıra no. %3 gösteriyor, ancak yalnızca %4 uydu var.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Transponders %1 share the id %2; the channels on that id belong to the first.</source>
        <translation>Şu transponderler aynı id&apos;yi (%2) paylaşıyor: %1. Bu id&apos;deki kanallar ilk transpondere aittir.</translation>
    </message>
    <message>
        <source>video PID %1</source>
        <translation>video PID %1</translation>
    </message>
    <message>
        <source>PCR PID %1</source>
        <translation>PCR PID %1</translation>
    </message>
    <message>
        <source>teletext PID %1</source>
        <translation>teletekst PID %1</translation>
    </message>
    <message>
        <source>audio PID %1 %2</source>
        <extracomment>%1 is the audio track&apos;s number, %2 the PID.</extracomment>
        <translation>ses PID %1 %2</translation>
    </message>
    <message>
        <source>%1 has a PID above 8191: %2.</source>
        <translation>%1: 8191&apos;den büyük PID: %2.</translation>
    </message>
    <message>
        <source>%1 has PIDs above 8191: %2.</source>
        <translation>%1: 8191&apos;den büyük PID&apos;ler: %2.</translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>Radyo kanalı %1 &quot;%2&quot;, favori grubu %3 işaretini kaybetti: yeni anahtarıyla eklenirken grup doluydu.</translation>
    </message>
    <message>
        <source>TV channel %1 &quot;%2&quot; lost its mark for favourite group %3: its new key found the group full.</source>
        <translation>TV kanalı %1 &quot;%2&quot;, favori grubu %3 işaretini kaybetti: yeni anahtarıyla eklenirken grup doluydu.</translation>
    </message>
    <message>
        <source>Nothing was fixed.</source>
        <translation>Hiçbir şey düzeltilmedi.</translation>
    </message>
    <message>
        <source>Fixed %1 finding</source>
        <translation>%1 bulgu düzeltildi</translation>
    </message>
    <message>
        <source>Fixed %1 findings</source>
        <translation>%1 bulgu düzeltildi</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>No satellite was created: the file name does not name one. Save the page under the satellite&apos;s name, &quot; at&quot; and its position, e.g. &quot;%1&quot;.</source>
        <translation>Uydu oluşturulmadı: dosya adında bir uydu adı yok. Sayfayı uydunun adı, &quot; at&quot; ve konumuyla kaydedin, ör. &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Uydu listesi dolu, uydu eklenemiyor</translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation>Dosya açılamıyor!</translation>
    </message>
    <message>
        <source>Select saved html file from %1 </source>
        <translation>%1 sitesinden kaydedilmiş HTML dosyasını seçin </translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <extracomment>File types as label|patterns pairs: translate the labels, keep every | and pattern.</extracomment>
        <translation>HTM Dosyaları (*.htm)|*.htm|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>Index</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT PID</translation>
    </message>
    <message>
        <source>PAGE %1</source>
        <translation>SAYFA %1</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Yazdırma işi başlatılamadı.</translation>
    </message>
</context>
<context>
    <name>satellites</name>
    <message>
        <source>%1--Transponder List</source>
        <translation>%1--Transponder Listesi</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Doğu</translation>
    </message>
    <message>
        <source>Weast</source>
        <translation>Batı</translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation>Uydu (%1) silinecek. Emin misiniz?</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Uydu listesi dolu, uydu eklenemiyor</translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation>Aralık dışında</translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?
%1</source>
        <translation>Bu transponder silinecek. Emin misiniz?
%1</translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation>Transponder listesi dolu</translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation>Bu TP zaten var</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder Ekle</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponderi Düzenle</translation>
    </message>
    <message>
        <source>All Services</source>
        <translation>Tüm Kanallar</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Anten</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Kanal Listesi</translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation>Favori Listeleri</translation>
    </message>
    <message>
        <source>Parental Control</source>
        <translation>Ebeveyn Kontrolü</translation>
    </message>
    <message>
        <source>Other Setting</source>
        <translation>Diğer Ayarlar</translation>
    </message>
</context>
<context>
    <name>satxml</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>satellites.xml Dosyasından Uydu Yükle</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Transponderleri satellites.xml ile Güncelle</translation>
    </message>
    <message>
        <source>Export Satellites as satellites.xml</source>
        <translation>Uyduları satellites.xml Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog&apos;s filter: the labels only; the patterns and the | stay.</extracomment>
        <translation>XML Dosyaları (*.xml)|*.xml|Tüm Dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Nothing to update: the transponders of the satellites at the file&apos;s positions are as the file gives them.</source>
        <translation>Güncellenecek bir şey yok: dosyadaki konumlardaki uyduların transponderleri zaten dosyadaki gibi.</translation>
    </message>
    <message>
        <source>%1 satellite</source>
        <translation>%1 uydu</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 uydu</translation>
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
        <translation>%1 / %2 eklenir (boş yer: %3/%4)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>was %1</source>
        <translation>önceki: %1</translation>
    </message>
    <message>
        <source>Vanished</source>
        <translation>Dosyada yok</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>adds %1, changes %2, vanished %3 (%4 without channels)</source>
        <translation>eklenen: %1, değişen: %2, dosyada olmayan: %3 (%4 tanesi kanalsız)</translation>
    </message>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Dosya açılamadı!</translation>
    </message>
    <message>
        <source>This file is not XML: line %1: %2.</source>
        <extracomment>%2 is the XML parser&apos;s own English description of the fault.</extracomment>
        <translation>Bu dosya XML değil: satır %1: %2.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: its root element is not &lt;satellites&gt;.</source>
        <translation>Bu dosya bir satellites.xml değil: kök öğesi &lt;satellites&gt; değil.</translation>
    </message>
    <message>
        <source>This file is not a satellites.xml: line %1 nests elements deeper than %2 levels.</source>
        <translation>Bu dosya bir satellites.xml değil: %1. satırdaki öğeler %2 düzeyden daha derin iç içe.</translation>
    </message>
    <message>
        <source>This file is not a correct satellites.xml: line %1: &lt;%2&gt; has no whole number as %3.</source>
        <extracomment>%2 and %3 are the file&apos;s element and attribute names.</extracomment>
        <translation>Bu dosya geçerli bir satellites.xml değil: satır %1: &lt;%2&gt; öğesinin %3 değeri bir tam sayı değil.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>English</source>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>İtalyanca</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Almanca</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransızca</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>İspanyolca</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapça</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Farsça</translation>
    </message>
    <message>
        <source>4:3 Letter Box</source>
        <translation>4:3 Letter Box</translation>
    </message>
    <message>
        <source>4:3 Pan &amp; Scan</source>
        <translation>4:3 Pan &amp; Scan</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Color1</source>
        <translation>Renk1</translation>
    </message>
    <message>
        <source>Color2</source>
        <translation>Renk2</translation>
    </message>
    <message>
        <source>Color3</source>
        <translation>Renk3</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>The confirm password is wrong !</source>
        <translation>Onay şifresi yanlış!</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Velmora(FTA)</source>
        <translation>Velmora (FTA) Hakkında</translation>
    </message>
    <message>
        <source>Copyright (C) The Velmora developers</source>
        <translation>Telif hakkı (C) Velmora geliştiricileri</translation>
    </message>
    <message>
        <source>Data: 23/12/2005</source>
        <translation>Tarih: 23/12/2005</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>velmora::CAudioDlg</name>
    <message>
        <source>Audio Parameters</source>
        <translation>Ses Parametreleri</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Ses Dili</translation>
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
        <translation>Kanal Parametreleri</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT PID</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Alım</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Erişim</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Şifreli</translation>
    </message>
</context>
<context>
    <name>velmora::CCsvEditsPreviewDlg</name>
    <message>
        <source>Apply CSV Edits</source>
        <translation>CSV Düzenlemelerini Uygula</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Modified</source>
        <translation>Değiştirildi</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Araç Çubuğu</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>BÜY</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>SAY</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>KAY</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 / %2 kanal</translation>
    </message>
</context>
<context>
    <name>velmora::CModifyTPDlg</name>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>velmora::CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Nereden</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nereye</translation>
    </message>
</context>
<context>
    <name>velmora::COtherSettingDlg</name>
    <message>
        <source>Other Setting</source>
        <translation>Diğer Ayarlar</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menü Dili</translation>
    </message>
    <message>
        <source>Menu Color</source>
        <translation>Menü Rengi</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Saydamlık</translation>
    </message>
    <message>
        <source>Need Help</source>
        <translation>Yardım Gösterimi</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Ses Dili</translation>
    </message>
    <message>
        <source>RF System</source>
        <translation>RF Sistemi</translation>
    </message>
    <message>
        <source>RF Channel</source>
        <translation>RF Kanalı</translation>
    </message>
    <message>
        <source>TV System</source>
        <translation>TV Sistemi</translation>
    </message>
    <message>
        <source>TV Screen Format</source>
        <translation>TV Ekran Formatı</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <translation>Saat Farkı</translation>
    </message>
</context>
<context>
    <name>velmora::CParentalDlg</name>
    <message>
        <source>Parental Control</source>
        <translation>Ebeveyn Kontrolü</translation>
    </message>
    <message>
        <source>Password Lock</source>
        <translation>Şifre Kilidi</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Kanal Kilidi</translation>
    </message>
    <message>
        <source>Installation Lock</source>
        <translation>Kurulum Kilidi</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Sistem Kilidi</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Şifre Değiştir</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Yeni Şifre</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Şifreyi Onayla</translation>
    </message>
</context>
<context>
    <name>velmora::CRenameFavDlg</name>
    <message>
        <source>Rename FAV group name</source>
        <translation>Favori Grubunu Yeniden Adlandır</translation>
    </message>
    <message>
        <source>FAV Group Name</source>
        <translation>Favori Grubu Adı</translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteDlg</name>
    <message>
        <source>Satellite Parameters</source>
        <translation>Uydu Parametreleri</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Uydu Adı</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Uydu Konumu</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Uydu Yönü</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB Tipi</translation>
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
        <translation>Kanal Bilgisini Göster</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderDlg</name>
    <message>
        <source>Transponder Parameters</source>
        <translation>Transponder Parametreleri</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizasyon</translation>
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
        <translation>Velmora: uydu alıcısı kanal veritabanları (.sdx) için düzenleyici</translation>
    </message>
    <message>
        <source>The .sdx file to open.</source>
        <translation>Açılacak .sdx dosyası.</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelFindPane</name>
    <message>
        <source>Find channel (Ctrl+F)</source>
        <translation>Kanal bul (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>velmora::CheckWindow</name>
    <message>
        <source>Channels sharing a channel key</source>
        <translation>Kanal anahtarını paylaşan kanallar</translation>
    </message>
    <message>
        <source>Duplicate channels</source>
        <translation>Çift kanallar</translation>
    </message>
    <message>
        <source>Channels without a transponder</source>
        <translation>Transponderi olmayan kanallar</translation>
    </message>
    <message>
        <source>Duplicate transponders</source>
        <translation>Çift transponderler</translation>
    </message>
    <message>
        <source>Transponders without a satellite</source>
        <translation>Uydusu olmayan transponderler</translation>
    </message>
    <message>
        <source>Transponders sharing an id</source>
        <translation>Aynı id&apos;yi paylaşan transponderler</translation>
    </message>
    <message>
        <source>PIDs above 8191</source>
        <translation>8191&apos;den büyük PID&apos;ler</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Veritabanını Denetle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kind of finding and its count. Keep &quot; (&quot; before the count: the window finds a kind&apos;s row by the title before it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), not fixed</source>
        <translation>%1 (%2), düzeltilemez</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Açık veritabanı yok.</translation>
    </message>
    <message>
        <source>No findings: the database is clean.</source>
        <translation>Bulgu yok: veritabanı temiz.</translation>
    </message>
    <message>
        <source>%1 finding(s), %2 of them can be fixed.</source>
        <translation>%1 bulgu; bunlardan %2 tanesi düzeltilebilir.</translation>
    </message>
</context>
<context>
    <name>velmora::CompareController</name>
    <message>
        <source>Copy only %1</source>
        <translation>Yalnızca %1 alanını kopyala</translation>
    </message>
</context>
<context>
    <name>velmora::CompareTableModel</name>
    <message>
        <source>Changes</source>
        <translation>Değişiklikler</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Bu veritabanı</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Diğer veritabanı</translation>
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
        <translation>Alan</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Bu veritabanı</translation>
    </message>
    <message>
        <source>Other database</source>
        <translation>Diğer veritabanı</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>All sections</source>
        <translation>Tüm bölümler</translation>
    </message>
    <message>
        <source>All differences</source>
        <translation>Tüm farklar</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Comparing this database with %1</source>
        <translation>Bu veritabanı %1 ile karşılaştırılıyor</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Karşılaştır: %1</translation>
    </message>
    <message>
        <source>The databases hold the same records.</source>
        <translation>Veritabanları aynı kayıtları içeriyor.</translation>
    </message>
    <message>
        <source>%1 of %2 differences shown</source>
        <translation>%2 farktan %1 tanesi gösteriliyor</translation>
    </message>
    <message>
        <source>Copy what the selected rows differ in from the other database</source>
        <translation>Seçili satırlardaki farkları diğer veritabanından kopyala</translation>
    </message>
</context>
<context>
    <name>velmora::DialogControls</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>velmora::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>The language changes when Velmora is started the next time.</source>
        <translation>Dil, Velmora bir sonraki açılışında değişecek.</translation>
    </message>
</context>
<context>
    <name>velmora::NameField</name>
    <message>
        <source>A name cannot hold &quot;%1&quot;; left out.</source>
        <translation>Ad &quot;%1&quot; içeremez; çıkarıldı.</translation>
    </message>
</context>
<context>
    <name>velmora::PaneLook</name>
    <message>
        <source>Print preview of the channel list (the active pane)</source>
        <translation>Kanal listesinin baskı önizlemesi (etkin bölme)</translation>
    </message>
    <message>
        <source>Printing the channel list (the active pane)</source>
        <translation>Kanal listesi yazdırılıyor (etkin bölme)</translation>
    </message>
    <message>
        <source>Print preview of the tree (the active pane)</source>
        <translation>Ağaç görünümünün baskı önizlemesi (etkin bölme)</translation>
    </message>
    <message>
        <source>Printing the tree (the active pane)</source>
        <translation>Ağaç görünümü yazdırılıyor (etkin bölme)</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlLoadDialog</name>
    <message>
        <source>Load Satellites from satellites.xml</source>
        <translation>satellites.xml Dosyasından Uydu Yükle</translation>
    </message>
    <message>
        <source>Filter by position or name</source>
        <translation>Konuma veya ada göre süz</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Name in the database</source>
        <translation>Veritabanındaki ad</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bant</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
</context>
<context>
    <name>velmora::SatXmlUpdateDialog</name>
    <message>
        <source>Update Transponders from satellites.xml</source>
        <translation>Transponderleri satellites.xml ile Güncelle</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değişiklik</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Delete vanished transponders that no channel uses</source>
        <translation>Dosyada olmayan ve hiçbir kanalın kullanmadığı transponderleri sil</translation>
    </message>
</context>
</TS>
