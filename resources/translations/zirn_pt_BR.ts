<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Pasta</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer na web</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>&amp;Arquivo PDF</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>A&amp;ssunto</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>Palavras-&amp;chave</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>A&amp;utor</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Criptografia</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Usar &amp;criptografia de 128 bits</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Usar &amp;criptografia de 256 bits</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>Senha de &amp;usuário para acesso limitado</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>Senha &amp;mestra para controle total</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Permitir &amp;impressão</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Permitir “c&amp;opiar e colar”</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;Depois de criar o PDF</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Abrir o arquivo criado</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>Verificar &amp;atualizações automaticamente</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Você pode ajustar muitas outras configurações no Zirn.ini.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Última verificação: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Criando o arquivo PDF…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>&amp;Documentos</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Adicionar os documentos &amp;impressos enquanto a janela estiver aberta</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Su&amp;bir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Desc&amp;er</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
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
        <translation>Documentos neste PDF</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Mover o documento para cima</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Mover o documento para baixo</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Remover o documento deste PDF</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
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
        <translation>O arquivo “%1” já existe nesta pasta.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Deseja sobrescrever este arquivo?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>Não é possível criar o arquivo PDF.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>A pasta não existe.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Uma parte do caminho da pasta não é uma pasta.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Já existe uma pasta com esse nome.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Todos os nomes numerados para este arquivo já estão em uso.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>O arquivo é grande demais.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permissão negada.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>O disco é somente leitura.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>O sistema de arquivos da pasta não consegue renomear arquivos.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>O sistema de arquivos da pasta não permite este nome de arquivo.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Não há nenhum documento para converter.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>O documento a ser convertido está faltando ou não pode ser lido.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Digite primeiro uma senha mestra.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>A senha de usuário precisa ser diferente da senha mestra: quem a tivesse teria controle total, e as restrições de impressão e cópia não se aplicariam.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>A criptografia de 128 bits usa só os 32 primeiros caracteres de uma senha, e a senha de usuário e a senha mestra começam com os mesmos 32: quem tivesse a senha de usuário teria controle total, e as restrições de impressão e cópia não se aplicariam.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Uma senha pode ter no máximo 127 bytes em UTF-8: 127 letras de A a Z, menos com acentos ou de outras escritas.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>Com criptografia de 128 bits, uma senha pode ter no máximo 32 caracteres. A criptografia de 256 bits (EncryptionKeyLength = 256 no Zirn.ini) aceita senhas mais longas.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>Com criptografia de 128 bits, as senhas só podem conter letras de idiomas da Europa Ocidental, algarismos e pontuação comum. A criptografia de 256 bits (EncryptionKeyLength = 256 no Zirn.ini) aceita letras de todas as escritas.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Uma senha não pode conter caracteres de controle, caracteres de uso privado nem outros caracteres que as senhas de PDF excluem.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Uma senha com letras de uma escrita da direita para a esquerda, como o árabe ou o hebraico, deve começar e terminar com uma dessas letras e não pode conter letras de uma escrita da esquerda para a direita.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>A senha é formada só por caracteres que as senhas ignoram, como hifens opcionais: ela ficaria vazia.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Este caractere não pode ser usado: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>O documento não é um PDF válido: suas páginas estão aninhadas em mais de %1 níveis.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>O documento estava danificado e foi reparado.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>O arquivo PDF foi criado com o que pôde ser lido; verifique se não falta nada.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>O documento “%1” não é um PDF válido: suas páginas estão aninhadas a mais de %2 níveis de profundidade.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>O documento “%1” está faltando ou ilegível.</translation>
    </message>
</context>
</TS>
