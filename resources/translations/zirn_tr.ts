<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Klasör</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer web sitesi</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF &amp;dosyası</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Başlık</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>K&amp;onu</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Anahtar sözcükler</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Yazar</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Şifreleme</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>128 bit &amp;şifreleme kullan</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>256 bit &amp;şifreleme kullan</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Sınırlı erişim için &amp;kullanıcı parolası</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>Tam denetim için &amp;ana parola</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>&amp;Yazdırmaya izin ver</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>“K&amp;opyala ve yapıştır”a izin ver</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>PDF oluşturulduktan &amp;sonra</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Oluşturulan dosyayı aç</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Hiçbir şey yapma</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>&amp;Güncellemeleri otomatik olarak denetle</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Zirn.ini dosyasında çok daha fazla ayar yapabilirsiniz.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Son denetim: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>PDF dosyası oluşturuluyor…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>Bel&amp;geler</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Pencere açıkken yazdırılan &amp;belgeleri ekle</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Y&amp;ukarı</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>A&amp;şağı</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ka&amp;ldır</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Belge</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sayfalar</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Bu PDF’teki belgeler</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Belgeyi yukarı taşı</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Belgeyi aşağı taşı</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Belgeyi bu PDF’ten kaldır</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>okunamıyor</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Zirn</name>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>“%1” dosyası bu klasörde zaten var.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Bu dosyanın üzerine yazmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Üzerine yaz</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>PDF dosyası oluşturulamıyor.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Klasör yok.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Klasör yolunun bir parçası klasör değil.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Bu adda bir klasör zaten var.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk dolu.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Bu dosya için tüm numaralı adlar kullanımda.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Dosya çok büyük.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>İzin verilmedi.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Disk salt okunur.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Klasörün dosya sistemi dosyaları yeniden adlandıramıyor.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Klasörün dosya sistemi bu dosya adına izin vermiyor.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Dönüştürülecek belge yok.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Dönüştürülecek belge eksik ya da okunamıyor.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Lütfen önce bir ana parola girin.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Kullanıcı parolası ana paroladan farklı olmalıdır: onu bilen herkes tam denetim elde eder ve yazdırma ile kopyalama kısıtlamaları uygulanmaz.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128 bit şifreleme bir parolanın yalnızca ilk 32 karakterini kullanır ve kullanıcı parolası ile ana parola aynı 32 karakterle başlıyor: kullanıcı parolasını bilen herkes tam denetim elde eder ve yazdırma ile kopyalama kısıtlamaları uygulanmaz.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Bir parola UTF-8’de en fazla 127 bayt olabilir: A’dan Z’ye 127 harf; aksanlı harflerle ya da başka yazı sistemlerinin harfleriyle daha az.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>128 bit şifrelemede bir parola en fazla 32 karakter olabilir. 256 bit şifreleme (Zirn.ini’de EncryptionKeyLength = 256) daha uzun parolaları kabul eder.</translation>
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
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>128 bit şifrelemede parolalar yalnızca Batı Avrupa dillerinin harflerini, rakamları ve yaygın noktalama işaretlerini içerebilir. 256 bit şifreleme (Zirn.ini’de EncryptionKeyLength = 256) tüm yazı sistemlerinin harflerini kabul eder.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Bir parola denetim karakterleri, özel kullanım karakterleri ya da PDF parolalarının dışladığı başka karakterler içeremez.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Arapça ya da İbranice gibi sağdan sola yazılan bir yazı sisteminin harflerini içeren bir parola böyle bir harfle başlayıp bitmeli ve soldan sağa yazılan bir yazı sisteminin harflerini içermemelidir.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Parola yalnızca parolalarda yok sayılan karakterlerden, örneğin yumuşak tirelerden oluşuyor: boş olurdu.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Bu karakter kullanılamaz: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Belge geçerli bir PDF değil: sayfaları %1 düzeyden daha derine iç içe geçmiş.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Belge hasarlıydı ve onarıldı.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>PDF dosyası okunabilen kısımlardan oluşturuldu; eksik bir şey olmadığını denetleyin.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>“%1” belgesi geçerli bir PDF değil: sayfaları %2 düzeyden daha derin iç içe.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>“%1” belgesi eksik veya okunamıyor.</translation>
    </message>
</context>
</TS>
