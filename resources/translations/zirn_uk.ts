<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Тека</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer в інтернеті</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
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
        <translation>Т&amp;ема</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Ключові слова</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Автор</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрування</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Використовувати 128-бітове &amp;шифрування</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Використовувати 256-бітове &amp;шифрування</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Пароль &amp;користувача для обмеженого доступу</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>&amp;Головний пароль для повного доступу</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Дозволити &amp;друк</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Дозволити «к&amp;опіювання і вставлення»</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Після створення PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Відкрити створений файл</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Нічого не робити</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>&amp;Автоматично перевіряти наявність оновлень</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Набагато більше параметрів можна налаштувати у файлі Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Остання перевірка: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Створення файла PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>&amp;Документи</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>&amp;Додавати документи, надруковані при відкритому вікні</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Вгору</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>В&amp;низ</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>В&amp;илучити</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Сторінки</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Документи в цьому PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Перемістити документ вгору</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Перемістити документ вниз</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Вилучити документ з цього PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читається</translation>
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
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Файл «%1» уже існує в цій теці.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Перезаписати цей файл?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписати</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Не вдалося створити файл PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Теки не існує.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Частина шляху до теки не є текою.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Уже існує тека з такою назвою.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заповнено.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Усі нумеровані назви для цього файла вже зайнято.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Файл завеликий.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Доступ заборонено.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Диск призначено лише для читання.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Файлова система теки не підтримує перейменування файлів.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Файлова система теки не допускає такої назви файла.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Немає документа для перетворення.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Документ для перетворення відсутній або його неможливо прочитати.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Спочатку введіть головний пароль.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Пароль користувача має відрізнятися від головного пароля: той, хто його знає, отримав би повний доступ, а обмеження на друк і копіювання не діяли б.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128-бітове шифрування використовує лише перші 32 символи пароля, а пароль користувача і головний пароль починаються з тих самих 32 символів: той, хто знає пароль користувача, отримав би повний доступ, а обмеження на друк і копіювання не діяли б.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Пароль може займати не більше 127 байтів у UTF-8: 127 латинських літер від A до Z, менше — з діакритичними знаками або в інших писемностях.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>При 128-бітовому шифруванні пароль може містити не більше 32 символів. 256-бітове шифрування (EncryptionKeyLength = 256 у Zirn.ini) допускає довші паролі.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>При 128-бітовому шифруванні паролі можуть містити лише літери західноєвропейських мов, цифри та поширені розділові знаки. 256-бітове шифрування (EncryptionKeyLength = 256 у Zirn.ini) допускає літери будь-якої писемності.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Пароль не може містити керівні символи, символи для приватного використання та інші символи, неприпустимі в паролях PDF.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Пароль із літерами писемності, у якій пишуть справа наліво, наприклад арабської чи івриту, має починатися і закінчуватися такою літерою і не може містити літер писемності, у якій пишуть зліва направо.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Пароль складається лише із символів, які в паролях не враховуються, наприклад м’яких переносів: він був би порожнім.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Цей символ не можна використовувати: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Документ не є коректним PDF: вкладеність його сторінок перевищує %1 рівнів.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Документ був пошкоджений, його відновлено.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>Файл PDF створено з того, що вдалося прочитати; перевірте, чи нічого не бракує.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Документ «%1» не є коректним PDF: його сторінки вкладено глибше ніж на %2 рівнів.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Документ «%1» відсутній або не читається.</translation>
    </message>
</context>
</TS>
