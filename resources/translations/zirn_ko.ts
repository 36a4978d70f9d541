<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>폴더(&amp;O)</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer 웹사이트</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF 파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>제목(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>주제(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>키워드(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>작성자(&amp;A)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>암호화</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>128비트 암호화 사용(&amp;E)</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>256비트 암호화 사용(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>제한된 접근용 사용자 암호(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>전체 제어용 마스터 암호(&amp;M)</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>인쇄 허용(&amp;P)</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>&apos;복사 및 붙여넣기&apos; 허용(&amp;C)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>PDF 생성 후(&amp;A)</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>생성된 파일 열기</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>아무 작업 안 함</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>자동으로 업데이트 확인(&amp;U)</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Zirn.ini에서 훨씬 더 많은 설정을 조정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>마지막 확인: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>PDF 파일을 만드는 중…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>문서(&amp;M)</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>창이 열려 있는 동안 인쇄한 문서 추가(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>위로(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>아래로(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>제거(&amp;R)</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>페이지</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>이 PDF의 문서</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>문서를 위로 이동</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>문서를 아래로 이동</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>이 PDF에서 문서 제거</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>읽을 수 없음</translation>
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
        <translation>취소</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>같은 폴더에 &apos;%1&apos; 파일이 이미 있습니다.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>이 파일을 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>덮어쓰기</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>PDF 파일을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>폴더가 없습니다.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>폴더 경로의 일부가 폴더가 아닙니다.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>같은 이름의 폴더가 이미 있습니다.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>디스크가 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>이 파일에 쓸 수 있는 번호 붙은 이름이 모두 사용 중입니다.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>파일이 너무 큽니다.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>권한이 없습니다.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>디스크가 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>폴더의 파일 시스템에서 파일 이름을 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>폴더의 파일 시스템에서 이 파일 이름을 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>변환할 문서가 없습니다.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>변환할 문서가 없거나 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>먼저 마스터 암호를 입력하십시오.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>사용자 암호는 마스터 암호와 달라야 합니다. 같으면 사용자 암호를 아는 사람이 전체 제어 권한을 갖게 되고 인쇄 및 복사 제한이 적용되지 않습니다.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128비트 암호화는 암호의 처음 32자만 사용하는데, 사용자 암호와 마스터 암호의 처음 32자가 같습니다. 이대로는 사용자 암호를 아는 사람이 전체 제어 권한을 갖게 되고 인쇄 및 복사 제한이 적용되지 않습니다.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>암호는 UTF-8로 최대 127바이트까지 쓸 수 있습니다. A부터 Z까지의 문자로는 127자이며, 악센트가 있는 문자나 다른 문자 체계의 문자로는 그보다 적습니다.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>128비트 암호화에서는 암호가 최대 32자입니다. 256비트 암호화(Zirn.ini의 EncryptionKeyLength = 256)에서는 더 긴 암호를 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>128비트 암호화에서는 암호에 서유럽 언어의 문자, 숫자, 일반적인 문장 부호만 쓸 수 있습니다. 256비트 암호화(Zirn.ini의 EncryptionKeyLength = 256)에서는 모든 문자 체계의 문자를 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>암호에는 제어 문자, 사용자 정의 영역 문자, 그 밖에 PDF 암호에서 제외되는 문자를 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>아랍 문자나 히브리 문자처럼 오른쪽에서 왼쪽으로 쓰는 문자가 들어간 암호는 그런 문자로 시작하고 끝나야 하며, 왼쪽에서 오른쪽으로 쓰는 문자를 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>암호가 소프트 하이픈처럼 암호에서 무시되는 문자로만 이루어져 있어 빈 암호가 됩니다.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>이 문자는 사용할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>올바른 PDF 문서가 아닙니다. 페이지가 %1단계보다 깊게 중첩되어 있습니다.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>문서가 손상되어 복구했습니다.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>읽을 수 있는 내용으로 PDF 파일을 만들었습니다. 빠진 내용이 없는지 확인하십시오.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>'%1' 문서는 올바른 PDF가 아닙니다: 페이지가 %2단계보다 깊게 중첩되어 있습니다.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>'%1' 문서가 없거나 읽을 수 없습니다.</translation>
    </message>
</context>
</TS>
