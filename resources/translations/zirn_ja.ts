<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>フォルダー(&amp;O)</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer のウェブサイト</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>タイトル(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>件名(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>キーワード(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>作成者(&amp;A)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>128 ビット暗号化を使用する(&amp;E)</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>256 ビット暗号化を使用する(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>制限付きアクセス用のユーザーパスワード(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>フルコントロール用のマスターパスワード(&amp;M)</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>印刷を許可する(&amp;P)</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>「コピーと貼り付け」を許可する(&amp;C)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>PDF 作成後(&amp;A)</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>作成したファイルを開く</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>何もしない</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>アップデートを自動的に確認する(&amp;U)</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Zirn.ini では、さらに多くの設定を調整できます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>最終確認: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>PDF ファイルを作成しています…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>ドキュメント(&amp;M)</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>ウィンドウを開いている間に印刷したドキュメントを追加する(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>この PDF のドキュメント</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>ドキュメントを上へ移動</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>ドキュメントを下へ移動</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>この PDF からドキュメントを削除</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>読み取れません</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>ファイル「%1」は同じフォルダーに既に存在します。</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>このファイルを上書きしますか?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>PDF ファイルを作成できません。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>フォルダーが存在しません。</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>フォルダーのパスの一部がフォルダーではありません。</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>同じ名前のフォルダーが既に存在します。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>このファイルの番号付きの名前はすべて使用済みです。</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>ファイルが大きすぎます。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>ディスクは読み取り専用です。</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>このフォルダーのファイルシステムではファイル名を変更できません。</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>このフォルダーのファイルシステムではこのファイル名を使用できません。</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>変換するドキュメントがありません。</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>変換するドキュメントが見つからないか、読み取れません。</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>先にマスターパスワードを入力してください。</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>ユーザーパスワードはマスターパスワードと異なる必要があります。同じ場合、それを知っている人がフルコントロールを持ち、印刷とコピーの制限は適用されません。</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128 ビット暗号化ではパスワードの最初の 32 文字しか使用されませんが、ユーザーパスワードとマスターパスワードの最初の 32 文字が同じです。このままでは、ユーザーパスワードを知っている人がフルコントロールを持ち、印刷とコピーの制限は適用されません。</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>パスワードは UTF-8 で最大 127 バイトです。A から Z の文字なら 127 文字で、アクセント付きの文字や他の文字体系の文字ではそれより少なくなります。</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>128 ビット暗号化では、パスワードは最大 32 文字です。256 ビット暗号化 (Zirn.ini で EncryptionKeyLength = 256) では、さらに長いパスワードを使用できます。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>128 ビット暗号化では、パスワードに使用できるのは西ヨーロッパ言語の文字、数字、一般的な句読点のみです。256 ビット暗号化 (Zirn.ini で EncryptionKeyLength = 256) では、あらゆる文字体系の文字を使用できます。</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>パスワードには、制御文字、私用領域の文字、その他 PDF のパスワードで使用できない文字を含めることはできません。</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>アラビア文字やヘブライ文字など右から左に書く文字を含むパスワードは、そのような文字で始まり、そのような文字で終わる必要があります。また、左から右に書く文字を含めることはできません。</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>パスワードが、ソフトハイフンなどパスワードで無視される文字だけでできています。このままでは空になります。</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>この文字は使用できません: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>このドキュメントは有効な PDF ではありません。ページが %1 階層を超えて入れ子になっています。</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>ドキュメントが破損していたため、修復しました。</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>PDF ファイルは読み取れた内容から作成されました。欠けている部分がないか確認してください。</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>ドキュメント「%1」は有効な PDF ではありません: ページの入れ子が %2 階層を超えています。</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>ドキュメント「%1」が見つからないか、読み取れません。</translation>
    </message>
</context>
</TS>
