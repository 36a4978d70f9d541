<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer im Web</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF-&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>T&amp;hema</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Stichwörter</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>128-Bit-&amp;Verschlüsselung verwenden</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>256-Bit-&amp;Verschlüsselung verwenden</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>&amp;Benutzerkennwort für eingeschränkten Zugriff</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>&amp;Master-Kennwort für vollen Zugriff</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>&amp;Drucken erlauben</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>„&amp;Kopieren und Einfügen“ erlauben</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Nach der PDF-Erstellung</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Erstellte Datei öffnen</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>&amp;Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Viele weitere Einstellungen können Sie in der Zirn.ini vornehmen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Letzte Prüfung: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Die PDF-Datei wird erstellt …</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Die Datei „%1“ ist im selben Ordner bereits vorhanden.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Möchten Sie diese Datei überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Die PDF-Datei kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Ein Teil des Ordnerpfads ist kein Ordner.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ein Ordner mit diesem Namen ist im Weg.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Alle nummerierten Namen für diese Datei sind vergeben.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Das Dateisystem des Ordners kann keine Dateien umbenennen.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Das Dateisystem des Ordners erlaubt diesen Dateinamen nicht.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Es gibt kein Dokument zum Umwandeln.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Das umzuwandelnde Dokument fehlt oder ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Bitte geben Sie zuerst ein Master-Kennwort ein.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Das Benutzerkennwort muss sich vom Master-Kennwort unterscheiden: Wer es kennt, hätte vollen Zugriff, und die Einschränkungen für Drucken und Kopieren würden nicht gelten.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128-Bit-Verschlüsselung verwendet nur die ersten 32 Zeichen eines Kennworts, und Benutzerkennwort und Master-Kennwort beginnen mit denselben 32: Wer das Benutzerkennwort kennt, hätte vollen Zugriff, und die Einschränkungen für Drucken und Kopieren würden nicht gelten.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Ein Kennwort darf in UTF-8 höchstens 127 Bytes lang sein: 127 Buchstaben von A bis Z, weniger mit Akzenten oder aus anderen Schriften.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Bei 128-Bit-Verschlüsselung darf ein Kennwort höchstens 32 Zeichen haben. 256-Bit-Verschlüsselung (EncryptionKeyLength = 256 in Zirn.ini) nimmt auch längere an.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Bei 128-Bit-Verschlüsselung dürfen die Kennwörter nur Buchstaben westeuropäischer Sprachen, Ziffern und gängige Satzzeichen enthalten. 256-Bit-Verschlüsselung (EncryptionKeyLength = 256 in Zirn.ini) nimmt Buchstaben aller Schriften an.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Ein Kennwort darf keine Steuerzeichen, Zeichen für den privaten Gebrauch oder andere Zeichen enthalten, die PDF-Kennwörter ausschließen.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Ein Kennwort mit Buchstaben einer von rechts nach links geschriebenen Schrift wie Arabisch oder Hebräisch muss mit einem solchen Buchstaben beginnen und enden und darf keine Buchstaben einer von links nach rechts geschriebenen Schrift enthalten.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Ein Kennwort besteht nur aus Zeichen, die in Kennwörtern nicht zählen, etwa weichen Trennstrichen: Es wäre leer.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Dieses Zeichen kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Das Dokument ist kein gültiges PDF: Seine Seiten sind mehr als %1 Ebenen tief verschachtelt.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Das Dokument war beschädigt und wurde repariert.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Die PDF-Datei wurde aus dem erstellt, was sich lesen ließ; prüfen Sie, ob etwas fehlt.</translation>
    </message>
</context>
</TS>
