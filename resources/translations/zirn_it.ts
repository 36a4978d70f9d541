<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Cartella</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer sul web</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;File PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titolo</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Oggetto</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Parole chiave</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autore</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Cifratura</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Usa la &amp;cifratura a 128 bit</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Usa la &amp;cifratura a 256 bit</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Password &amp;utente per l’accesso limitato</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>Password &amp;principale per il controllo completo</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Consenti la &amp;stampa</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Consenti «c&amp;opia e incolla»</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Dopo la creazione del PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Apri il file creato</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>Controlla &amp;automaticamente gli aggiornamenti</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Molte altre impostazioni si possono modificare in Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Ultimo controllo: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Creazione del file PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>&amp;Documenti</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Aggiungi i documenti &amp;stampati mentre la finestra è aperta</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Su</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Documenti in questo PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Sposta su il documento</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Sposta giù il documento</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Rimuovi il documento da questo PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Il file «%1» esiste già in questa cartella.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Vuoi sovrascrivere questo file?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Impossibile creare il file PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La cartella non esiste.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Una parte del percorso della cartella non è una cartella.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Esiste già una cartella con quel nome.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Tutti i nomi numerati per questo file sono già in uso.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Il file è troppo grande.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permesso negato.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Il disco è di sola lettura.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Il file system della cartella non può rinominare i file.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Il file system della cartella non consente questo nome di file.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Non c’è alcun documento da convertire.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Il documento da convertire manca o non è leggibile.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Inserisci prima una password principale.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>La password utente deve essere diversa dalla password principale: chi la conoscesse avrebbe il controllo completo e le limitazioni di stampa e copia non si applicherebbero.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>La cifratura a 128 bit usa solo i primi 32 caratteri di una password, e la password utente e la password principale iniziano con gli stessi 32: chi conoscesse la password utente avrebbe il controllo completo e le limitazioni di stampa e copia non si applicherebbero.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Una password può avere al massimo 127 byte in UTF-8: 127 lettere dalla A alla Z, meno con lettere accentate o di altre scritture.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Con la cifratura a 128 bit una password può avere al massimo 32 caratteri. La cifratura a 256 bit (EncryptionKeyLength = 256 in Zirn.ini) accetta password più lunghe.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Con la cifratura a 128 bit le password possono contenere solo lettere delle lingue dell’Europa occidentale, cifre e la punteggiatura comune. La cifratura a 256 bit (EncryptionKeyLength = 256 in Zirn.ini) accetta lettere di tutte le scritture.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Una password non può contenere caratteri di controllo, caratteri per uso privato o altri caratteri esclusi dalle password PDF.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Una password con lettere di una scrittura da destra a sinistra, come l’arabo o l’ebraico, deve iniziare e finire con una di queste lettere e non può contenere lettere di una scrittura da sinistra a destra.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>La password è composta solo da caratteri che le password ignorano, come i trattini facoltativi: sarebbe vuota.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Questo carattere non può essere usato: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Il documento non è un PDF valido: le sue pagine sono annidate per più di %1 livelli.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Il documento era danneggiato ed è stato riparato.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Il file PDF è stato creato con ciò che è stato possibile leggere; controlla che non manchi nulla.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Il documento «%1» non è un PDF valido: le sue pagine sono annidate a più di %2 livelli di profondità.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Il documento «%1» manca o è illeggibile.</translation>
    </message>
</context>
</TS>
