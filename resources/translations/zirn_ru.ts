<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Папка</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer в интернете</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;Файл PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Заголовок</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Тема</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Ключевые слова</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Автор</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Использовать 128-битное &amp;шифрование</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Использовать 256-битное &amp;шифрование</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Пароль &amp;пользователя для ограниченного доступа</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>&amp;Главный пароль для полного доступа</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Разрешить пе&amp;чать</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Разрешить «&amp;копирование и вставку»</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;После создания PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Открыть созданный файл</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ничего не делать</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>&amp;Автоматически проверять наличие обновлений</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Гораздо больше параметров можно настроить в файле Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Последняя проверка: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Создание файла PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>&amp;Документы</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>&amp;Добавлять документы, напечатанные при открытом окне</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Вверх</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Вн&amp;из</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Документы в этом PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Переместить документ вверх</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Переместить документ вниз</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Удалить документ из этого PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читается</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Файл «%1» уже существует в этой папке.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Перезаписать этот файл?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Не удалось создать файл PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Папка не существует.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Часть пути к папке не является папкой.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Уже есть папка с таким именем.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заполнен.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Все пронумерованные имена для этого файла уже заняты.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Файл слишком большой.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Отказано в доступе.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Диск доступен только для чтения.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Файловая система папки не поддерживает переименование файлов.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Файловая система папки не допускает такое имя файла.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Нет документа для преобразования.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Документ для преобразования отсутствует или не читается.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Сначала введите главный пароль.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Пароль пользователя должен отличаться от главного пароля: тот, кто его знает, получил бы полный доступ, а ограничения на печать и копирование не действовали бы.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128-битное шифрование использует только первые 32 символа пароля, а пароль пользователя и главный пароль начинаются с одних и тех же 32 символов: тот, кто знает пароль пользователя, получил бы полный доступ, а ограничения на печать и копирование не действовали бы.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Пароль может занимать не более 127 байт в UTF-8: 127 латинских букв от A до Z, меньше — с диакритическими знаками или в других письменностях.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>При 128-битном шифровании пароль может содержать не более 32 символов. 256-битное шифрование (EncryptionKeyLength = 256 в Zirn.ini) допускает более длинные пароли.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>При 128-битном шифровании пароли могут содержать только буквы западноевропейских языков, цифры и распространённые знаки препинания. 256-битное шифрование (EncryptionKeyLength = 256 в Zirn.ini) допускает буквы любой письменности.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Пароль не может содержать управляющие символы, символы для частного использования и другие символы, недопустимые в паролях PDF.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Пароль с буквами письменности, в которой пишут справа налево, например арабской или еврейской, должен начинаться и заканчиваться такой буквой и не может содержать буквы письменности, в которой пишут слева направо.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Пароль состоит только из символов, которые в паролях не учитываются, например мягких переносов: он оказался бы пустым.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Этот символ использовать нельзя: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Документ не является корректным PDF: вложенность его страниц превышает %1 уровней.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Документ был повреждён и восстановлен.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Файл PDF создан из того, что удалось прочитать; проверьте, не пропало ли что-нибудь.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Документ «%1» не является допустимым PDF: его страницы вложены глубже %2 уровней.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Документ «%1» отсутствует или не читается.</translation>
    </message>
</context>
</TS>
