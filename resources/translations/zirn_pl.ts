<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Katalog</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer w Internecie</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;Plik PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Tytuł</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>T&amp;emat</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Słowa kluczowe</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Użyj &amp;szyfrowania 128-bitowego</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Użyj &amp;szyfrowania 256-bitowego</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Hasło &amp;użytkownika do ograniczonego dostępu</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>Hasło &amp;główne do pełnej kontroli</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Zezwól na &amp;drukowanie</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Zezwól na „&amp;kopiowanie i wklejanie”</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Po utworzeniu pliku PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Otwórz utworzony plik</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>&amp;Automatycznie sprawdzaj dostępność aktualizacji</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Znacznie więcej ustawień można zmienić w pliku Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Ostatnie sprawdzenie: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Tworzenie pliku PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>&amp;Dokumenty</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>&amp;Dodawaj dokumenty drukowane przy otwartym oknie</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;W dół</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Dokumenty w tym pliku PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Przesuń dokument w górę</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Przesuń dokument w dół</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Usuń dokument z tego pliku PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nieczytelny</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Plik „%1” już istnieje w tym katalogu.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Czy zastąpić ten plik?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Nie można utworzyć pliku PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Katalog nie istnieje.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Część ścieżki katalogu nie jest katalogiem.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Istnieje już katalog o tej nazwie.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Dysk jest pełny.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Wszystkie numerowane nazwy tego pliku są już zajęte.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Plik jest za duży.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Brak uprawnień.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Dysk jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>System plików katalogu nie pozwala na zmianę nazw plików.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>System plików katalogu nie dopuszcza tej nazwy pliku.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Brak dokumentu do przekształcenia.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Dokument do przekształcenia nie istnieje lub nie można go odczytać.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Proszę najpierw podać hasło główne.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Hasło użytkownika musi się różnić od hasła głównego: każdy, kto je zna, miałby pełną kontrolę, a ograniczenia drukowania i kopiowania nie miałyby zastosowania.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Szyfrowanie 128-bitowe używa tylko pierwszych 32 znaków hasła, a hasło użytkownika i hasło główne zaczynają się od tych samych 32 znaków: każdy, kto zna hasło użytkownika, miałby pełną kontrolę, a ograniczenia drukowania i kopiowania nie miałyby zastosowania.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Hasło może mieć w UTF-8 najwyżej 127 bajtów: 127 liter od A do Z, mniej w przypadku liter ze znakami diakrytycznymi lub z innych pism.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Przy szyfrowaniu 128-bitowym hasło może mieć najwyżej 32 znaki. Szyfrowanie 256-bitowe (EncryptionKeyLength = 256 w pliku Zirn.ini) przyjmuje dłuższe.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Przy szyfrowaniu 128-bitowym hasła mogą zawierać tylko litery języków zachodnioeuropejskich, cyfry i typowe znaki interpunkcyjne. Szyfrowanie 256-bitowe (EncryptionKeyLength = 256 w pliku Zirn.ini) przyjmuje litery wszystkich pism.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Hasło nie może zawierać znaków sterujących, znaków do użytku prywatnego ani innych znaków wykluczonych z haseł PDF.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Hasło zawierające litery pisma zapisywanego od prawej do lewej, takiego jak arabskie lub hebrajskie, musi zaczynać się i kończyć taką literą i nie może zawierać liter pisma zapisywanego od lewej do prawej.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Hasło składa się wyłącznie ze znaków pomijanych w hasłach, takich jak miękkie dywizy: byłoby puste.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Nie można użyć tego znaku: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Dokument nie jest prawidłowym plikiem PDF: jego strony mają ponad %1 poziomów zagnieżdżenia.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Dokument był uszkodzony i został naprawiony.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Plik PDF został utworzony z tego, co udało się odczytać; proszę sprawdzić, czy niczego nie brakuje.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Dokument „%1” nie jest prawidłowym plikiem PDF: jego strony są zagnieżdżone głębiej niż %2 poziomów.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Dokumentu „%1” brakuje lub jest nieczytelny.</translation>
    </message>
</context>
</TS>
