<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;תיקייה</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>האתר של Zirn PDF Writer</translation>
    </message>
    <message>
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;קובץ PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;כותרת</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;נושא</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;מילות מפתח</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>מ&amp;חבר</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>הצפנה</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>שימוש בה&amp;צפנת 128 סיביות</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>שימוש בה&amp;צפנת 256 סיביות</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>סיסמת &amp;משתמש לגישה מוגבלת</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>סיסמה &amp;ראשית לשליטה מלאה</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>לאפשר ה&amp;דפסה</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>לאפשר &amp;העתקה והדבקה</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;לאחר יצירת ה־PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>פתיחת הקובץ שנוצר</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>לא לעשות דבר</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>לבדוק &amp;עדכונים אוטומטית</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>אפשר לכוונן הגדרות רבות נוספות בקובץ Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>יצירה</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ניקוי</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>בדיקה אחרונה: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>קובץ ה־PDF נוצר…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>מ&amp;סמכים</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>הוספת &amp;מסמכים שמודפסים בזמן שהחלון פתוח</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>למ&amp;עלה</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>למ&amp;טה</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;הסרה</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>מסמך</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>עמודים</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>המסמכים ב־PDF הזה</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>העברת המסמך למעלה</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>העברת המסמך למטה</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>הסרת המסמך מה־PDF הזה</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>לא קריא</translation>
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
        <translation>ביטול</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>הקובץ &quot;%1&quot; כבר קיים בתיקייה הזו.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>להחליף את הקובץ הזה?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>החלפה</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>לא ניתן ליצור את קובץ ה־PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>התיקייה אינה קיימת.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>חלק מנתיב התיקייה אינו תיקייה.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>כבר קיימת תיקייה בשם הזה.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>הדיסק מלא.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>כל השמות הממוספרים לקובץ הזה תפוסים.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>הקובץ גדול מדי.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>ההרשאה נדחתה.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>הדיסק מיועד לקריאה בלבד.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>מערכת הקבצים של התיקייה אינה יכולה לשנות שמות של קבצים.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>מערכת הקבצים של התיקייה אינה מתירה את שם הקובץ הזה.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>אין מסמך להמרה.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>המסמך להמרה חסר או שאינו קריא.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>נא להזין קודם סיסמה ראשית.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>סיסמת המשתמש חייבת להיות שונה מהסיסמה הראשית: מי שמחזיק בה היה מקבל שליטה מלאה, והגבלות ההדפסה וההעתקה לא היו חלות.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>הצפנת 128 סיביות משתמשת רק ב־32 התווים הראשונים של סיסמה, וסיסמת המשתמש והסיסמה הראשית מתחילות באותם 32 תווים: מי שמחזיק בסיסמת המשתמש היה מקבל שליטה מלאה, והגבלות ההדפסה וההעתקה לא היו חלות.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>סיסמה יכולה להכיל לכל היותר 127 בתים ב־UTF-8: ‏127 אותיות לטיניות מ־A עד Z, פחות מזה עם אותיות עם סימנים דיאקריטיים או מכתבים אחרים.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>בהצפנת 128 סיביות סיסמה יכולה להכיל לכל היותר 32 תווים. הצפנת 256 סיביות (EncryptionKeyLength = 256 ב־Zirn.ini) מקבלת סיסמאות ארוכות יותר.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>בהצפנת 128 סיביות הסיסמאות יכולות להכיל רק אותיות של שפות מערב אירופה, ספרות וסימני פיסוק נפוצים. הצפנת 256 סיביות (EncryptionKeyLength = 256 ב־Zirn.ini) מקבלת אותיות מכל כתב.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>סיסמה אינה יכולה להכיל תווי בקרה, תווים לשימוש פרטי או תווים אחרים שסיסמאות PDF אינן מתירות.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>סיסמה עם אותיות של כתב הנכתב מימין לשמאל, כמו ערבית או עברית, חייבת להתחיל ולהסתיים באות כזו, ואינה יכולה להכיל אותיות של כתב הנכתב משמאל לימין.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>הסיסמה מורכבת רק מתווים שסיסמאות מתעלמות מהם, כמו מקפים רכים: היא הייתה ריקה.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>לא ניתן להשתמש בתו הזה: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>המסמך אינו PDF תקין: הדפים שלו מקוננים ביותר מ־%1 רמות.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>המסמך היה פגום ותוקן.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>קובץ ה־PDF נוצר ממה שניתן היה לקרוא; כדאי לוודא ששום דבר לא חסר.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>המסמך "%1" אינו PDF תקין: עמודיו מקוננים לעומק של יותר מ־%2 רמות.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>המסמך "%1" חסר או לא קריא.</translation>
    </message>
</context>
</TS>
