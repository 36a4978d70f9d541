<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Carpeta</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer en la web</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;Archivo PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>A&amp;sunto</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Palabras clave</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>A&amp;utor</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Usar &amp;cifrado de 128 bits</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Usar &amp;cifrado de 256 bits</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Contraseña de &amp;usuario para acceso limitado</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>Contraseña &amp;maestra para control total</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Permitir &amp;imprimir</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Permitir «c&amp;opiar y pegar»</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Después de crear el PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Abrir el archivo creado</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>Buscar &amp;actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Puede ajustar muchas más opciones en Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Última comprobación: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Creando el archivo PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>&amp;Documentos</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Añadir los documentos &amp;impresos mientras la ventana está abierta</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Su&amp;bir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Documentos de este PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Subir el documento</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Bajar el documento</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Quitar el documento de este PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>El archivo «%1» ya existe en esta carpeta.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>¿Quiere sobrescribir este archivo?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>No se puede crear el archivo PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Una parte de la ruta de la carpeta no es una carpeta.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ya hay una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Todos los nombres numerados para este archivo están ocupados.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>El archivo es demasiado grande.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permiso denegado.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>El disco es de solo lectura.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>El sistema de archivos de la carpeta no puede cambiar el nombre de los archivos.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>El sistema de archivos de la carpeta no admite este nombre de archivo.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>No hay ningún documento que convertir.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>El documento que convertir no se encuentra o no se puede leer.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Introduzca primero una contraseña maestra.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>La contraseña de usuario debe ser distinta de la contraseña maestra: quien la tuviera tendría control total, y las restricciones de impresión y copia no se aplicarían.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>El cifrado de 128 bits solo usa los 32 primeros caracteres de una contraseña, y la contraseña de usuario y la contraseña maestra empiezan por los mismos 32: quien tuviera la contraseña de usuario tendría control total, y las restricciones de impresión y copia no se aplicarían.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Una contraseña puede tener como máximo 127 bytes en UTF-8: 127 letras de la A a la Z, menos con acentos o de otras escrituras.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Con el cifrado de 128 bits, una contraseña puede tener como máximo 32 caracteres. El cifrado de 256 bits (EncryptionKeyLength = 256 en Zirn.ini) admite contraseñas más largas.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Con el cifrado de 128 bits, las contraseñas solo pueden contener letras de los idiomas de Europa occidental, cifras y signos de puntuación habituales. El cifrado de 256 bits (EncryptionKeyLength = 256 en Zirn.ini) admite letras de todas las escrituras.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Una contraseña no puede contener caracteres de control, caracteres de uso privado ni otros caracteres que las contraseñas PDF excluyen.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Una contraseña con letras de una escritura de derecha a izquierda, como el árabe o el hebreo, debe empezar y terminar con una de esas letras y no puede contener letras de una escritura de izquierda a derecha.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>La contraseña solo contiene caracteres que las contraseñas ignoran, como guiones discrecionales: quedaría vacía.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>No se puede usar este carácter: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>El documento no es un PDF válido: sus páginas están anidadas en más de %1 niveles.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>El documento estaba dañado y se ha reparado.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>El archivo PDF se creó a partir de lo que se pudo leer; compruebe que no falte nada.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>El documento «%1» no es un PDF válido: sus páginas están anidadas a más de %2 niveles de profundidad.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>El documento «%1» falta o es ilegible.</translation>
    </message>
</context>
</TS>
