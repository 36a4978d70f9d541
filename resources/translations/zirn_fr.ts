<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer sur le Web</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;Fichier PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titre</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Sujet</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Mots-clés</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Auteur</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Utiliser le &amp;chiffrement 128 bits</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Utiliser le &amp;chiffrement 256 bits</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Mot de passe &amp;utilisateur pour un accès limité</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>Mot de passe &amp;principal pour un contrôle total</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Autoriser l’&amp;impression</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Autoriser le «&#xa0;c&amp;opier-coller&#xa0;»</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Après la création du PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Ouvrir le fichier créé</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>Rechercher automatiquement les &amp;mises à jour</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Vous pouvez régler bien d’autres paramètres dans Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Dernière vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Création du fichier PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>Do&amp;cuments</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Ajouter les &amp;documents imprimés tant que la fenêtre est ouverte</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Mo&amp;nter</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Documents de ce PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Monter le document</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Descendre le document</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Retirer le document de ce PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» existe déjà dans ce dossier.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Voulez-vous remplacer ce fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Impossible de créer le fichier PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n’existe pas.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Une partie du chemin du dossier n’est pas un dossier.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Un dossier porte déjà ce nom.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Tous les noms numérotés pour ce fichier sont déjà pris.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Le fichier est trop volumineux.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permission refusée.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Le disque est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Le système de fichiers du dossier ne permet pas de renommer des fichiers.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Le système de fichiers du dossier n’autorise pas ce nom de fichier.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Il n’y a aucun document à convertir.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Le document à convertir est introuvable ou illisible.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Veuillez d’abord saisir un mot de passe principal.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Le mot de passe utilisateur doit être différent du mot de passe principal&#xa0;: quiconque le connaîtrait aurait un contrôle total, et les restrictions d’impression et de copie ne s’appliqueraient pas.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Le chiffrement 128 bits n’utilise que les 32 premiers caractères d’un mot de passe, et le mot de passe utilisateur et le mot de passe principal commencent par les mêmes 32&#xa0;: quiconque connaîtrait le mot de passe utilisateur aurait un contrôle total, et les restrictions d’impression et de copie ne s’appliqueraient pas.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Un mot de passe peut compter au plus 127 octets en UTF-8&#xa0;: 127 lettres de A à Z, moins avec des accents ou dans d’autres écritures.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Avec le chiffrement 128 bits, un mot de passe peut compter au plus 32 caractères. Le chiffrement 256 bits (EncryptionKeyLength = 256 dans Zirn.ini) en accepte de plus longs.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Avec le chiffrement 128 bits, les mots de passe ne peuvent contenir que des lettres des langues d’Europe occidentale, des chiffres et la ponctuation courante. Le chiffrement 256 bits (EncryptionKeyLength = 256 dans Zirn.ini) accepte les lettres de toutes les écritures.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Un mot de passe ne peut pas contenir de caractères de contrôle, de caractères à usage privé ni d’autres caractères que les mots de passe PDF excluent.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Un mot de passe contenant des lettres d’une écriture de droite à gauche, comme l’arabe ou l’hébreu, doit commencer et finir par une telle lettre et ne peut pas contenir de lettres d’une écriture de gauche à droite.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Le mot de passe ne se compose que de caractères que les mots de passe ignorent, comme les traits d’union conditionnels&#xa0;: il serait vide.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Ce caractère ne peut pas être utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Le document n’est pas un PDF valide&#xa0;: ses pages sont imbriquées sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Le document était endommagé et a été réparé.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Le fichier PDF a été créé à partir de ce qui a pu être lu&#xa0;; vérifiez qu’il ne manque rien.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Le document « %1 » n’est pas un PDF valide : ses pages sont imbriquées sur plus de %2 niveaux.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Le document « %1 » est manquant ou illisible.</translation>
    </message>
</context>
</TS>
