<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer 网站</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF 文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>标题(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>主题(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>关键词(&amp;K)</translation>
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
        <translation>使用 128 位加密(&amp;E)</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>使用 256 位加密(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>受限访问的用户密码(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>完全控制的主密码(&amp;M)</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>允许打印(&amp;P)</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>允许“复制和粘贴”(&amp;C)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>创建 PDF 后(&amp;A)</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>打开创建的文件</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>不执行任何操作</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>自动检查更新(&amp;U)</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>在 Zirn.ini 中还可以调整更多设置。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>上次检查：%1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>正在创建 PDF 文件…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>文档(&amp;M)</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>添加窗口打开期间打印的文档(&amp;D)</translation>
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
        <translation>文档</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>此 PDF 中的文档</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>上移文档</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>下移文档</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>从此 PDF 中移除文档</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
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
        <translation>同一文件夹中已存在文件“%1”。</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>要覆盖此文件吗？</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>无法创建 PDF 文件。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>文件夹不存在。</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>文件夹路径中有一部分不是文件夹。</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>已存在同名文件夹。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>此文件的所有编号名称均已被占用。</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>文件过大。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>权限不足。</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>磁盘为只读。</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>该文件夹所在的文件系统无法重命名文件。</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>该文件夹所在的文件系统不允许此文件名。</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>没有要转换的文档。</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>要转换的文档不存在或无法读取。</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>请先输入主密码。</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>用户密码必须与主密码不同：否则知道用户密码的人将拥有完全控制权，打印和复制限制也将失效。</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128 位加密只使用密码的前 32 个字符，而用户密码与主密码的前 32 个字符相同：知道用户密码的人将拥有完全控制权，打印和复制限制也将失效。</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>密码在 UTF-8 编码下最多 127 个字节：即 127 个 A 到 Z 的字母；带重音的字母或其他文字的字符能容纳的更少。</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>使用 128 位加密时，密码最多 32 个字符。256 位加密（在 Zirn.ini 中设置 EncryptionKeyLength = 256）可接受更长的密码。</translation>
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
        <translation>使用 128 位加密时，密码只能包含西欧语言的字母、数字和常用标点。256 位加密（在 Zirn.ini 中设置 EncryptionKeyLength = 256）可接受所有文字的字母。</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>密码不能包含控制字符、私用区字符或 PDF 密码排除的其他字符。</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>含有从右向左书写的文字（如阿拉伯文或希伯来文）字母的密码，必须以这类字母开头和结尾，并且不能包含从左向右书写的文字的字母。</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>密码仅由密码中会被忽略的字符（如软连字符）组成：它将为空。</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>无法使用此字符：%1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>该文档不是有效的 PDF：其页面嵌套超过 %1 层。</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>该文档已损坏，现已修复。</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>PDF 文件是根据能读取的内容创建的；请检查是否有缺失。</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>文档“%1”不是有效的 PDF：其页面嵌套超过 %2 层。</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>文档“%1”缺失或无法读取。</translation>
    </message>
</context>
</TS>
