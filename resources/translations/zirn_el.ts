<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Φάκελος</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Το Zirn PDF Writer στο διαδίκτυο</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Γενικά</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;Αρχείο PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Τίτλος</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Θέμα</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Λέξεις-κλειδιά</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Συγγραφέας</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Κρυπτογράφηση</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Χρήση &amp;κρυπτογράφησης 128 bit</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Χρήση &amp;κρυπτογράφησης 256 bit</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Κωδικός &amp;χρήστη για περιορισμένη πρόσβαση</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>Κύ&amp;ριος κωδικός για πλήρη έλεγχο</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Να επιτρέπεται η &amp;εκτύπωση</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Να επιτρέπεται η «&amp;αντιγραφή και επικόλληση»</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Μετά τη δημιουργία του PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Άνοιγμα του αρχείου που δημιουργήθηκε</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Καμία ενέργεια</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>Αυτόματος έλεγχος για &amp;ενημερώσεις</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Μπορείτε να προσαρμόσετε πολλές ακόμη ρυθμίσεις στο Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Δημιουργία</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Εκκαθάριση</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Τελευταίος έλεγχος: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Δημιουργία του αρχείου PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>Έγ&amp;γραφα</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Προσθήκη ε&amp;γγράφων που εκτυπώνονται όσο το παράθυρο είναι ανοιχτό</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Πάνω</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Κάτω</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Αφαί&amp;ρεση</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Έγγραφο</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Σελίδες</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Έγγραφα σε αυτό το PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Μετακίνηση του εγγράφου προς τα πάνω</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Μετακίνηση του εγγράφου προς τα κάτω</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Αφαίρεση του εγγράφου από αυτό το PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>μη αναγνώσιμο</translation>
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
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Το αρχείο «%1» υπάρχει ήδη σε αυτόν τον φάκελο.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Θέλετε να αντικαταστήσετε αυτό το αρχείο;</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Αντικατάσταση</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Δεν είναι δυνατή η δημιουργία του αρχείου PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Ο φάκελος δεν υπάρχει.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Ένα τμήμα της διαδρομής του φακέλου δεν είναι φάκελος.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Υπάρχει ήδη φάκελος με αυτό το όνομα.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Ο δίσκος είναι γεμάτος.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Όλα τα αριθμημένα ονόματα για αυτό το αρχείο χρησιμοποιούνται ήδη.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Το αρχείο είναι πολύ μεγάλο.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Δεν επιτρέπεται η πρόσβαση.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Ο δίσκος είναι μόνο για ανάγνωση.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Το σύστημα αρχείων του φακέλου δεν μπορεί να μετονομάσει αρχεία.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Το σύστημα αρχείων του φακέλου δεν επιτρέπει αυτό το όνομα αρχείου.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Δεν υπάρχει έγγραφο για μετατροπή.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Το έγγραφο για μετατροπή λείπει ή δεν μπορεί να διαβαστεί.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Εισαγάγετε πρώτα έναν κύριο κωδικό.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Ο κωδικός χρήστη πρέπει να διαφέρει από τον κύριο κωδικό: όποιος τον γνωρίζει θα είχε πλήρη έλεγχο, και οι περιορισμοί εκτύπωσης και αντιγραφής δεν θα ίσχυαν.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Η κρυπτογράφηση 128 bit χρησιμοποιεί μόνο τους πρώτους 32 χαρακτήρες ενός κωδικού, και ο κωδικός χρήστη και ο κύριος κωδικός αρχίζουν με τους ίδιους 32: όποιος γνωρίζει τον κωδικό χρήστη θα είχε πλήρη έλεγχο, και οι περιορισμοί εκτύπωσης και αντιγραφής δεν θα ίσχυαν.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Ένας κωδικός μπορεί να έχει το πολύ 127 byte σε UTF-8: 127 λατινικά γράμματα από το A έως το Z, λιγότερα με τόνους ή από άλλα συστήματα γραφής.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Με κρυπτογράφηση 128 bit ένας κωδικός μπορεί να έχει το πολύ 32 χαρακτήρες. Η κρυπτογράφηση 256 bit (EncryptionKeyLength = 256 στο Zirn.ini) δέχεται και μεγαλύτερους.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Με κρυπτογράφηση 128 bit οι κωδικοί μπορούν να περιέχουν μόνο γράμματα δυτικοευρωπαϊκών γλωσσών, ψηφία και συνήθη σημεία στίξης. Η κρυπτογράφηση 256 bit (EncryptionKeyLength = 256 στο Zirn.ini) δέχεται γράμματα κάθε συστήματος γραφής.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Ένας κωδικός δεν μπορεί να περιέχει χαρακτήρες ελέγχου, χαρακτήρες ιδιωτικής χρήσης ή άλλους χαρακτήρες που αποκλείονται από τους κωδικούς PDF.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Ένας κωδικός με γράμματα συστήματος γραφής από τα δεξιά προς τα αριστερά, όπως τα αραβικά ή τα εβραϊκά, πρέπει να αρχίζει και να τελειώνει με τέτοιο γράμμα και δεν μπορεί να περιέχει γράμματα συστήματος γραφής από τα αριστερά προς τα δεξιά.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Ο κωδικός αποτελείται μόνο από χαρακτήρες που αγνοούνται στους κωδικούς, όπως τα προαιρετικά ενωτικά: θα ήταν κενός.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Αυτός ο χαρακτήρας δεν μπορεί να χρησιμοποιηθεί: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Το έγγραφο δεν είναι έγκυρο PDF: οι σελίδες του είναι ένθετες σε περισσότερα από %1 επίπεδα.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Το έγγραφο ήταν κατεστραμμένο και επιδιορθώθηκε.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Το αρχείο PDF δημιουργήθηκε από ό,τι ήταν δυνατό να διαβαστεί· ελέγξτε ότι δεν λείπει τίποτα.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Το έγγραφο «%1» δεν είναι έγκυρο PDF: οι σελίδες του είναι εμφωλευμένες σε βάθος μεγαλύτερο από %2 επίπεδα.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Το έγγραφο «%1» λείπει ή δεν είναι αναγνώσιμο.</translation>
    </message>
</context>
</TS>
