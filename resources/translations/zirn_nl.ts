<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer op het web</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF-&amp;bestand</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Onderwerp</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>T&amp;refwoorden</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Auteur</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Versleuteling</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>128-bits-&amp;versleuteling gebruiken</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>256-bits-&amp;versleuteling gebruiken</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>&amp;Gebruikerswachtwoord voor beperkte toegang</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>&amp;Hoofdwachtwoord voor volledige controle</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>&amp;Afdrukken toestaan</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>‘&amp;Kopiëren en plakken’ toestaan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Na het maken van de PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Gemaakt bestand openen</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Niets doen</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>Automatisch op &amp;updates controleren</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Veel meer instellingen kunt u aanpassen in Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Laatste controle: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>PDF-bestand wordt gemaakt…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>&amp;Documenten</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>&amp;Documenten toevoegen die worden afgedrukt terwijl het venster open is</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina's</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Documenten in deze PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Het document omhoog verplaatsen</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Het document omlaag verplaatsen</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Het document uit deze PDF verwijderen</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>onleesbaar</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Het bestand ‘%1’ bestaat al in deze map.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Wilt u dit bestand overschrijven?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overschrijven</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Kan het PDF-bestand niet maken.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>De map bestaat niet.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Een deel van het pad van de map is geen map.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Er bestaat al een map met die naam.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>De schijf is vol.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Alle genummerde namen voor dit bestand zijn al in gebruik.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Het bestand is te groot.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Toegang geweigerd.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>De schijf is alleen-lezen.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Het bestandssysteem van de map kan geen bestanden hernoemen.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Het bestandssysteem van de map staat deze bestandsnaam niet toe.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Er is geen document om te converteren.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Het te converteren document ontbreekt of is onleesbaar.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Voer eerst een hoofdwachtwoord in.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Het gebruikerswachtwoord moet verschillen van het hoofdwachtwoord: wie het kent, zou volledige controle hebben, en de beperkingen voor afdrukken en kopiëren zouden niet gelden.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128-bits-versleuteling gebruikt alleen de eerste 32 tekens van een wachtwoord, en het gebruikerswachtwoord en het hoofdwachtwoord beginnen met dezelfde 32: wie het gebruikerswachtwoord kent, zou volledige controle hebben, en de beperkingen voor afdrukken en kopiëren zouden niet gelden.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Een wachtwoord mag in UTF-8 hoogstens 127 bytes lang zijn: 127 letters A tot en met Z, minder met accenten of uit andere schriften.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Met 128-bits-versleuteling mag een wachtwoord hoogstens 32 tekens hebben. 256-bits-versleuteling (EncryptionKeyLength = 256 in Zirn.ini) accepteert langere.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Met 128-bits-versleuteling mogen de wachtwoorden alleen letters uit West-Europese talen, cijfers en gangbare leestekens bevatten. 256-bits-versleuteling (EncryptionKeyLength = 256 in Zirn.ini) accepteert letters uit elk schrift.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Een wachtwoord mag geen stuurtekens, tekens voor privégebruik of andere tekens bevatten die PDF-wachtwoorden uitsluiten.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Een wachtwoord met letters uit een schrift dat van rechts naar links loopt, zoals Arabisch of Hebreeuws, moet met zo’n letter beginnen en eindigen en mag geen letters bevatten uit een schrift dat van links naar rechts loopt.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Het wachtwoord bestaat alleen uit tekens die wachtwoorden negeren, zoals zachte afbreekstreepjes: het zou leeg zijn.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Dit teken kan niet worden gebruikt: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Het document is geen geldige PDF: de pagina’s zijn meer dan %1 niveaus diep genest.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Het document was beschadigd en is hersteld.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Het PDF-bestand is gemaakt van wat gelezen kon worden; controleer of er niets ontbreekt.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Het document ‘%1’ is geen geldige PDF: de pagina's zijn meer dan %2 niveaus diep genest.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Het document ‘%1’ ontbreekt of is onleesbaar.</translation>
    </message>
</context>
</TS>
