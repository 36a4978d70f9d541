<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>المجلد (&amp;O)</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>موقع Zirn PDF Writer</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>ملف PDF (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>العنوان (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>الموضوع (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>الكلمات المفتاحية (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>المؤلف (&amp;A)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>التشفير</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>استخدم تشفير 128 بت (&amp;E)</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>استخدم تشفير 256 بت (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>كلمة سر المستخدم للوصول المحدود (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>كلمة السر الرئيسية للتحكم الكامل (&amp;M)</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>اسمح بالطباعة (&amp;P)</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>اسمح بـ«النسخ واللصق» (&amp;C)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>بعد إنشاء ملف PDF (&amp;A)</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>افتح الملف الذي أُنشئ</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>لا تفعل شيئًا</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>ابحث عن التحديثات تلقائيًا (&amp;U)</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>يمكنك ضبط إعدادات أكثر بكثير في Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>أنشئ</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>امسح</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>آخر فحص: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>يجري إنشاء ملف PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>المستندات (&amp;M)</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>إضافة المستندات المطبوعة أثناء فتح النافذة إليه (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>لأعلى (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>لأسفل (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>إزالة (&amp;R)</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>المستند</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>المستندات في ملف PDF هذا</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>نقل المستند لأعلى</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>نقل المستند لأسفل</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>إزالة المستند من ملف PDF هذا</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>غير قابل للقراءة</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Zirn</name>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>الملف &quot;%1&quot; موجود بالفعل في المجلد نفسه.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>أتريد استبدال هذا الملف؟</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>استبدل</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>تعذّر إنشاء ملف PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>المجلد غير موجود.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>جزء من مسار المجلد ليس مجلدًا.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>يوجد مجلد بهذا الاسم بالفعل.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>القرص ممتلئ.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>كل الأسماء المرقّمة لهذا الملف مستخدمة.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>الملف كبير جدًا.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>الإذن مرفوض.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>القرص للقراءة فقط.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>نظام ملفات المجلد لا يستطيع تغيير أسماء الملفات.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>نظام ملفات المجلد لا يسمح باسم الملف هذا.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>لا يوجد مستند لتحويله.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>المستند المراد تحويله مفقود أو تتعذّر قراءته.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>من فضلك أدخل كلمة السر الرئيسية أولًا.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>يجب أن تختلف كلمة سر المستخدم عن كلمة السر الرئيسية: فمن يعرفها سيملك التحكم الكامل، ولن تسري قيود الطباعة والنسخ.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>تشفير 128 بت لا يستخدم إلا أول 32 محرفًا من كلمة السر، وكلمة سر المستخدم وكلمة السر الرئيسية تبدآن بالمحارف الـ32 نفسها: فمن يعرف كلمة سر المستخدم سيملك التحكم الكامل، ولن تسري قيود الطباعة والنسخ.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>يمكن أن تبلغ كلمة السر 127 بايتًا على الأكثر بترميز UTF-8: أي 127 حرفًا لاتينيًا من A إلى Z، وأقل من ذلك مع الحروف ذات العلامات أو حروف الكتابات الأخرى.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>مع تشفير 128 بت، يمكن أن تحتوي كلمة السر على 32 محرفًا على الأكثر. تشفير 256 بت (EncryptionKeyLength = 256 في Zirn.ini) يقبل كلمات سر أطول.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>مع تشفير 128 بت، لا يمكن أن تحتوي كلمات السر إلا على حروف لغات أوروبا الغربية والأرقام وعلامات الترقيم الشائعة. تشفير 256 بت (EncryptionKeyLength = 256 في Zirn.ini) يقبل حروف كل الكتابات.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>لا يمكن أن تحتوي كلمة السر على محارف تحكم أو محارف للاستخدام الخاص أو محارف أخرى تستبعدها كلمات سر PDF.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>كلمة السر التي تحتوي على حروف كتابة من اليمين إلى اليسار، كالعربية أو العبرية، يجب أن تبدأ وتنتهي بحرف منها، ولا يمكن أن تحتوي على حروف كتابة من اليسار إلى اليمين.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>كلمة السر لا تتكون إلا من محارف تتجاهلها كلمات السر، كالواصلات الاختيارية: ستكون فارغة.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>لا يمكن استخدام هذا المحرف: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>المستند ليس ملف PDF صالحًا: صفحاته متداخلة في أكثر من %1 مستوى.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>كان المستند تالفًا وأُصلح.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>أُنشئ ملف PDF مما أمكن قراءته؛ تحقق من أن شيئًا لم يُفقد.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>المستند "%1" ليس ملف PDF صالحًا: صفحاته متداخلة بعمق يزيد على %2 مستوى.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>المستند "%1" مفقود أو غير قابل للقراءة.</translation>
    </message>
</context>
</TS>
