<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Mapp</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer på webben</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF-&amp;fil</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>Äm&amp;ne</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>Nyc&amp;kelord</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>Förf&amp;attare</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Kryptering</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Använd 128-bitars &amp;kryptering</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Använd 256-bitars &amp;kryptering</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>&amp;Användarlösenord för begränsad åtkomst</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>&amp;Huvudlösenord för full kontroll</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Tillåt &amp;utskrift</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Tillåt ”k&amp;opiera och klistra in”</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Efter att PDF-filen skapats</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Öppna den skapade filen</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Gör ingenting</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>Sök automatiskt efter &amp;uppdateringar</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Du kan justera många fler inställningar i Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Senaste kontroll: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Skapar PDF-filen…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>&amp;Dokument</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Lägg till &amp;dokument som skrivs ut medan fönstret är öppet</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Upp</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>N&amp;ed</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ta &amp;bort</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sidor</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Dokument i denna PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Flytta upp dokumentet</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Flytta ned dokumentet</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Ta bort dokumentet från denna PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>oläsbart</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Filen ”%1” finns redan i den här mappen.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Vill du skriva över filen?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Skriv över</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Det går inte att skapa PDF-filen.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Mappen finns inte.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>En del av mappens sökväg är inte en mapp.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Det finns redan en mapp med det namnet.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disken är full.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Alla numrerade namn för den här filen är upptagna.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Filen är för stor.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Åtkomst nekad.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Disken är skrivskyddad.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Mappens filsystem kan inte byta namn på filer.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Mappens filsystem tillåter inte det här filnamnet.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Det finns inget dokument att konvertera.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Dokumentet som ska konverteras saknas eller går inte att läsa.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Ange först ett huvudlösenord.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Användarlösenordet måste skilja sig från huvudlösenordet: den som har det skulle få full kontroll, och begränsningarna för utskrift och kopiering skulle inte gälla.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128-bitars kryptering använder bara de första 32 tecknen i ett lösenord, och användarlösenordet och huvudlösenordet börjar med samma 32: den som har användarlösenordet skulle få full kontroll, och begränsningarna för utskrift och kopiering skulle inte gälla.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Ett lösenord får vara högst 127 byte i UTF-8: 127 bokstäver A–Z, färre med accenter eller från andra skriftsystem.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Med 128-bitars kryptering får ett lösenord ha högst 32 tecken. 256-bitars kryptering (EncryptionKeyLength = 256 i Zirn.ini) godtar längre.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Med 128-bitars kryptering får lösenorden bara innehålla bokstäver från västeuropeiska språk, siffror och vanliga skiljetecken. 256-bitars kryptering (EncryptionKeyLength = 256 i Zirn.ini) godtar bokstäver från alla skriftsystem.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Ett lösenord får inte innehålla styrtecken, tecken för privat bruk eller andra tecken som PDF-lösenord utesluter.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Ett lösenord med bokstäver från ett skriftsystem som skrivs från höger till vänster, till exempel arabiska eller hebreiska, måste börja och sluta med en sådan bokstav och får inte innehålla bokstäver från ett skriftsystem som skrivs från vänster till höger.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Lösenordet består bara av tecken som lösenord ignorerar, till exempel mjuka bindestreck: det skulle bli tomt.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Det här tecknet kan inte användas: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Dokumentet är ingen giltig PDF: dess sidor är nästlade i mer än %1 nivåer.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Dokumentet var skadat och har reparerats.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>PDF-filen skapades av det som gick att läsa; kontrollera att inget saknas.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Dokumentet ”%1” är inte en giltig PDF: dess sidor är kapslade djupare än %2 nivåer.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Dokumentet ”%1” saknas eller är oläsbart.</translation>
    </message>
</context>
</TS>
