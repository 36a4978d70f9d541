<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>資料夾(&amp;O)</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer 網站</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF 檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>標題(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>主旨(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>關鍵字(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>作者(&amp;A)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>使用 128 位元加密(&amp;E)</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>使用 256 位元加密(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>受限存取的使用者密碼(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>完整控制的主密碼(&amp;M)</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>允許列印(&amp;P)</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>允許「複製和貼上」(&amp;C)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>建立 PDF 後(&amp;A)</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>開啟建立的檔案</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>不做任何事</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>自動檢查更新(&amp;U)</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>在 Zirn.ini 中還能調整更多設定。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>上次檢查：%1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>正在建立 PDF 檔案…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>文件(&amp;M)</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>加入視窗開啟期間列印的文件(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>頁數</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>此 PDF 中的文件</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>上移文件</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>下移文件</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>從此 PDF 中移除文件</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>無法讀取</translation>
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
        <translation>取消</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>同一個資料夾中已有檔案「%1」。</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>要覆寫這個檔案嗎？</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆寫</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>無法建立 PDF 檔案。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>資料夾不存在。</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>資料夾路徑中有一部分不是資料夾。</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>已有同名的資料夾。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>磁碟已滿。</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>這個檔案的所有編號名稱都已被使用。</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>檔案太大。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>權限不足。</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>磁碟為唯讀。</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>資料夾所在的檔案系統無法重新命名檔案。</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>資料夾所在的檔案系統不允許這個檔名。</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>沒有要轉換的文件。</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>要轉換的文件不存在或無法讀取。</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>請先輸入主密碼。</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>使用者密碼必須與主密碼不同：否則知道使用者密碼的人將擁有完整控制權，列印和複製限制也不會生效。</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128 位元加密只使用密碼的前 32 個字元，而使用者密碼與主密碼的前 32 個字元相同：知道使用者密碼的人將擁有完整控制權，列印和複製限制也不會生效。</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>密碼以 UTF-8 編碼最多 127 個位元組：即 127 個 A 到 Z 的字母；帶重音符號的字母或其他文字的字元能容納的更少。</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>使用 128 位元加密時，密碼最多 32 個字元。256 位元加密（在 Zirn.ini 中設定 EncryptionKeyLength = 256）可接受更長的密碼。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>使用 128 位元加密時，密碼只能包含西歐語言的字母、數字和常用標點符號。256 位元加密（在 Zirn.ini 中設定 EncryptionKeyLength = 256）可接受所有文字的字母。</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>密碼不能包含控制字元、私人使用區字元或 PDF 密碼排除的其他字元。</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>含有由右至左書寫文字（如阿拉伯文或希伯來文）字母的密碼，必須以這類字母開頭和結尾，且不能包含由左至右書寫文字的字母。</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>密碼僅由密碼會忽略的字元（如軟連字號）組成：它將是空的。</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>無法使用這個字元：%1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>這份文件不是有效的 PDF：其頁面巢狀超過 %1 層。</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>這份文件已損毀，現已修復。</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>PDF 檔案是根據能讀取的內容建立的；請檢查是否有遺漏。</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>文件「%1」不是有效的 PDF：其頁面巢狀超過 %2 層。</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>文件「%1」遺失或無法讀取。</translation>
    </message>
</context>
</TS>
