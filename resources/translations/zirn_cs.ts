<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>S&amp;ložka</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer na webu</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;Soubor PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Název</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Předmět</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Klíčová slova</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Šifrování</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>&amp;Použít 128bitové šifrování</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>&amp;Použít 256bitové šifrování</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>&amp;Uživatelské heslo pro omezený přístup</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>&amp;Hlavní heslo pro plnou kontrolu</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Povolit &amp;tisk</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Povolit „&amp;kopírovat a vložit“</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Po vytvoření PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Otevřít vytvořený soubor</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nedělat nic</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>&amp;Automaticky kontrolovat aktualizace</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Mnohem více nastavení lze upravit v souboru Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Poslední kontrola: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Vytváří se soubor PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>Dok&amp;umenty</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Přidávat &amp;dokumenty vytištěné při otevřeném okně</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nah&amp;oru</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Dolů</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Odeb&amp;rat</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stránky</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Dokumenty v tomto PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Posunout dokument nahoru</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Posunout dokument dolů</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Odebrat dokument z tohoto PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nečitelný</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Soubor „%1“ v této složce již existuje.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Chcete tento soubor přepsat?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Přepsat</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Soubor PDF nelze vytvořit.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Složka neexistuje.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Část cesty ke složce není složka.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Již existuje složka s tímto názvem.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk je plný.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Všechny očíslované názvy pro tento soubor jsou již obsazené.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Soubor je příliš velký.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Přístup odepřen.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Disk je jen pro čtení.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Souborový systém složky neumí přejmenovávat soubory.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Souborový systém složky tento název souboru nepovoluje.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Není žádný dokument k převodu.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Dokument k převodu chybí nebo jej nelze přečíst.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Nejprve zadejte hlavní heslo.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Uživatelské heslo se musí lišit od hlavního hesla: kdo by ho znal, měl by plnou kontrolu a omezení tisku a kopírování by neplatila.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128bitové šifrování používá jen prvních 32 znaků hesla a uživatelské i hlavní heslo začínají stejnými 32 znaky: kdo by znal uživatelské heslo, měl by plnou kontrolu a omezení tisku a kopírování by neplatila.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Heslo může mít v UTF-8 nejvýše 127 bajtů: 127 písmen A až Z, méně s diakritikou nebo z jiných písem.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Při 128bitovém šifrování může mít heslo nejvýše 32 znaků. 256bitové šifrování (EncryptionKeyLength = 256 v Zirn.ini) přijímá i delší.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Při 128bitovém šifrování mohou hesla obsahovat jen písmena západoevropských jazyků, číslice a běžnou interpunkci. 256bitové šifrování (EncryptionKeyLength = 256 v Zirn.ini) přijímá písmena všech písem.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Heslo nesmí obsahovat řídicí znaky, znaky pro soukromé použití ani jiné znaky, které hesla PDF vylučují.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Heslo s písmeny písma psaného zprava doleva, například arabského nebo hebrejského, musí takovým písmenem začínat i končit a nesmí obsahovat písmena písma psaného zleva doprava.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Heslo se skládá jen ze znaků, které hesla ignorují, například z měkkých spojovníků: bylo by prázdné.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Tento znak nelze použít: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Dokument není platný soubor PDF: jeho stránky jsou vnořené do více než %1 úrovní.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Dokument byl poškozený a byl opraven.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Soubor PDF byl vytvořen z toho, co se podařilo přečíst; zkontrolujte, zda nic nechybí.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Dokument „%1“ není platné PDF: jeho stránky jsou vnořeny hlouběji než %2 úrovní.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Dokument „%1“ chybí nebo je nečitelný.</translation>
    </message>
</context>
</TS>
