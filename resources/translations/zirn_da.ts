<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Mappe</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer på nettet</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
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
        <translation>&amp;Emne</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Nøgleord</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>F&amp;orfatter</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Kryptering</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Brug 128-bit-&amp;kryptering</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Brug 256-bit-&amp;kryptering</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>&amp;Brugeradgangskode til begrænset adgang</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>&amp;Hovedadgangskode til fuld kontrol</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Tillad &amp;udskrivning</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Tillad »k&amp;opiér og indsæt«</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Efter oprettelse af PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Åbn den oprettede fil</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Gør ingenting</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>Søg automatisk efter &amp;opdateringer</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Du kan justere mange flere indstillinger i Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ryd</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Seneste kontrol: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Opretter PDF-filen…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>Do&amp;kumenter</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Tilføj &amp;dokumenter, der udskrives, mens vinduet er åbent</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>O&amp;p</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Ne&amp;d</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Fje&amp;rn</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sider</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Dokumenter i denne PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Flyt dokumentet op</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Flyt dokumentet ned</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Fjern dokumentet fra denne PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ulæseligt</translation>
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
        <translation>Annullér</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Filen »%1« findes allerede i denne mappe.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Vil du overskrive filen?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overskriv</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>PDF-filen kan ikke oprettes.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Mappen findes ikke.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>En del af mappens sti er ikke en mappe.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Der findes allerede en mappe med det navn.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disken er fuld.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Alle nummererede navne til denne fil er optaget.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Filen er for stor.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Adgang nægtet.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Disken er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Mappens filsystem kan ikke omdøbe filer.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Mappens filsystem tillader ikke dette filnavn.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Der er intet dokument at konvertere.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Dokumentet, der skal konverteres, mangler eller kan ikke læses.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Angiv først en hovedadgangskode.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Brugeradgangskoden skal være forskellig fra hovedadgangskoden: den, der kender den, ville have fuld kontrol, og begrænsningerne for udskrivning og kopiering ville ikke gælde.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128-bit-kryptering bruger kun de første 32 tegn i en adgangskode, og brugeradgangskoden og hovedadgangskoden begynder med de samme 32: den, der kender brugeradgangskoden, ville have fuld kontrol, og begrænsningerne for udskrivning og kopiering ville ikke gælde.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>En adgangskode må højst fylde 127 byte i UTF-8: 127 bogstaver fra A til Z, færre med accenter eller fra andre skriftsystemer.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Med 128-bit-kryptering må en adgangskode højst have 32 tegn. 256-bit-kryptering (EncryptionKeyLength = 256 i Zirn.ini) accepterer længere.</translation>
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
        <translation>Med 128-bit-kryptering må adgangskoderne kun indeholde bogstaver fra vesteuropæiske sprog, cifre og almindelige tegnsætningstegn. 256-bit-kryptering (EncryptionKeyLength = 256 i Zirn.ini) accepterer bogstaver fra alle skriftsystemer.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>En adgangskode må ikke indeholde kontroltegn, tegn til privat brug eller andre tegn, som PDF-adgangskoder udelukker.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>En adgangskode med bogstaver fra et skriftsystem, der skrives fra højre mod venstre, som arabisk eller hebraisk, skal begynde og slutte med et sådant bogstav og må ikke indeholde bogstaver fra et skriftsystem, der skrives fra venstre mod højre.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Adgangskoden består kun af tegn, som adgangskoder ignorerer, såsom bløde bindestreger: den ville være tom.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Dette tegn kan ikke bruges: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Dokumentet er ikke en gyldig PDF: dets sider er indlejret i mere end %1 niveauer.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Dokumentet var beskadiget og er blevet repareret.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>PDF-filen blev oprettet ud fra det, der kunne læses; kontrollér, at intet mangler.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Dokumentet »%1« er ikke en gyldig PDF: dets sider er indlejret mere end %2 niveauer dybt.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Dokumentet »%1« mangler eller er ulæseligt.</translation>
    </message>
</context>
</TS>
