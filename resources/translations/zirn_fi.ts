<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>MainWindow</name>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Kansio</translation>
    </message>
    <message>
        <source>Zirn PDF Writer on the web</source>
        <translation>Zirn PDF Writer verkossa</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>PDF &amp;File</source>
        <translation>PDF-&amp;tiedosto</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Otsikko</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Aihe</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>A&amp;vainsanat</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>T&amp;ekijä</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Salaus</translation>
    </message>
    <message>
        <source>Use 128-bit &amp;encryption</source>
        <translation>Käytä 128-bittistä &amp;salausta</translation>
    </message>
    <message>
        <source>Use 256-bit &amp;encryption</source>
        <translation>Käytä 256-bittistä &amp;salausta</translation>
    </message>
    <message>
        <source>&amp;User password for limited access</source>
        <translation>&amp;Käyttäjän salasana rajoitettuun käyttöön</translation>
    </message>
    <message>
        <source>&amp;Master password for full control</source>
        <translation>&amp;Pääsalasana täyteen hallintaan</translation>
    </message>
    <message>
        <source>Allow &amp;printing</source>
        <translation>Salli &amp;tulostus</translation>
    </message>
    <message>
        <source>Allow &apos;&amp;copy and paste&apos;</source>
        <translation>Salli ”k&amp;opioi ja liitä”</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>&amp;After PDF Creation</source>
        <translation>&amp;PDF-tiedoston luomisen jälkeen</translation>
    </message>
    <message>
        <source>Open Created File</source>
        <translation>Avaa luotu tiedosto</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Älä tee mitään</translation>
    </message>
    <message>
        <source>Automatically check for &amp;updates</source>
        <translation>&amp;Tarkista päivitykset automaattisesti</translation>
    </message>
    <message>
        <source>You can adjust much more settings in the Zirn.ini.</source>
        <translation>Paljon muita asetuksia voi muuttaa Zirn.ini-tiedostossa.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Last Check: %1</source>
        <translation>Viimeisin tarkistus: %1</translation>
    </message>
    <message>
        <source>Creating the PDF file…</source>
        <translation>Luodaan PDF-tiedostoa…</translation>
    </message>
    <message>
        <source>Docu&amp;ments</source>
        <translation>Asiakir&amp;jat</translation>
    </message>
    <message>
        <source>Add &amp;documents printed while the window is open to it</source>
        <translation>Lisää ikkunan ollessa auki tulostetut &amp;asiakirjat</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Ylös</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Ala&amp;s</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Poista</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Asiakirja</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sivut</translation>
    </message>
    <message>
        <source>Documents in this PDF</source>
        <translation>Tämän PDF:n asiakirjat</translation>
    </message>
    <message>
        <source>Move the document up</source>
        <translation>Siirrä asiakirjaa ylös</translation>
    </message>
    <message>
        <source>Move the document down</source>
        <translation>Siirrä asiakirjaa alas</translation>
    </message>
    <message>
        <source>Remove the document from this PDF</source>
        <translation>Poista asiakirja tästä PDF:stä</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>lukukelvoton</translation>
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
        <translation>Peru</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists in the same folder.</source>
        <translation>Tiedosto ”%1” on jo olemassa tässä kansiossa.</translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Haluatko korvata tämän tiedoston?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Korvaa</translation>
    </message>
    <message>
        <source>Can&apos;t create PDF file.</source>
        <translation>PDF-tiedostoa ei voi luoda.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Kansiota ei ole olemassa.</translation>
    </message>
    <message>
        <source>A part of the folder&apos;s path is not a folder.</source>
        <translation>Osa kansion polusta ei ole kansio.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Samanniminen kansio on jo olemassa.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Levy on täynnä.</translation>
    </message>
    <message>
        <source>Every numbered name for this file is taken.</source>
        <translation>Kaikki tämän tiedoston numeroidut nimet ovat jo käytössä.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Tiedosto on liian suuri.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Lupa evätty.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Levy on kirjoitussuojattu.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system cannot rename files.</source>
        <translation>Kansion tiedostojärjestelmä ei pysty nimeämään tiedostoja uudelleen.</translation>
    </message>
    <message>
        <source>The folder&apos;s file system does not allow this file name.</source>
        <translation>Kansion tiedostojärjestelmä ei salli tätä tiedostonimeä.</translation>
    </message>
    <message>
        <source>There is no document to convert.</source>
        <translation>Muunnettavaa asiakirjaa ei ole.</translation>
    </message>
    <message>
        <source>The document to convert is missing or unreadable.</source>
        <translation>Muunnettava asiakirja puuttuu, tai sitä ei voi lukea.</translation>
    </message>
    <message>
        <source>Please enter a master password first.</source>
        <translation>Anna ensin pääsalasana.</translation>
    </message>
    <message>
        <source>The user password must differ from the master password: whoever has it would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>Käyttäjän salasanan on erottava pääsalasanasta: sen tietävällä olisi täysi hallinta, eivätkä tulostus- ja kopiointirajoitukset olisi voimassa.</translation>
    </message>
    <message>
        <source>128-bit encryption uses only the first 32 characters of a password, and the user password and the master password begin with the same 32: whoever has the user password would have full control, and the printing and copying restrictions would not apply.</source>
        <translation>128-bittinen salaus käyttää vain salasanan 32 ensimmäistä merkkiä, ja käyttäjän salasana ja pääsalasana alkavat samoilla 32 merkillä: käyttäjän salasanan tietävällä olisi täysi hallinta, eivätkä tulostus- ja kopiointirajoitukset olisi voimassa.</translation>
    </message>
    <message>
        <source>A password can have at most 127 bytes in UTF-8: 127 letters A to Z, fewer with accents or of other scripts.</source>
        <translation>Salasana voi olla UTF-8-muodossa enintään 127 tavua: 127 kirjainta A–Z, vähemmän, jos kirjaimissa on tarkkeita tai ne ovat muista kirjoitusjärjestelmistä.</translation>
    </message>
    <message>
        <source>With 128-bit encryption a password can have at most 32 characters. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts longer ones.</source>
        <translation>128-bittisessä salauksessa salasanassa voi olla enintään 32 merkkiä. 256-bittinen salaus (EncryptionKeyLength = 256 Zirn.ini-tiedostossa) hyväksyy pidempiäkin.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>With 128-bit encryption the passwords can only contain letters of Western European languages, digits and common punctuation. 256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) accepts letters of every script.</source>
        <translation>128-bittisessä salauksessa salasanoissa voi olla vain länsieurooppalaisten kielten kirjaimia, numeroita ja tavallisia välimerkkejä. 256-bittinen salaus (EncryptionKeyLength = 256 Zirn.ini-tiedostossa) hyväksyy kaikkien kirjoitusjärjestelmien kirjaimet.</translation>
    </message>
    <message>
        <source>A password cannot contain control characters, characters for private use or other characters that PDF passwords exclude.</source>
        <translation>Salasanassa ei voi olla ohjausmerkkejä, yksityiskäyttöön varattuja merkkejä eikä muita merkkejä, joita PDF-salasanoissa ei sallita.</translation>
    </message>
    <message>
        <source>A password with letters of a right-to-left script, such as Arabic or Hebrew, must begin and end with such a letter and cannot contain letters of a left-to-right script.</source>
        <translation>Salasanan, jossa on oikealta vasemmalle kirjoitettavan kirjoitusjärjestelmän kirjaimia, kuten arabiaa tai hepreaa, on alettava ja päätyttävä tällaiseen kirjaimeen, eikä siinä voi olla vasemmalta oikealle kirjoitettavan kirjoitusjärjestelmän kirjaimia.</translation>
    </message>
    <message>
        <source>A password consists only of characters that passwords ignore, such as soft hyphens: it would be empty.</source>
        <translation>Salasana koostuu vain merkeistä, jotka salasanoissa jätetään huomiotta, kuten tavutusvihjeistä: se olisi tyhjä.</translation>
    </message>
    <message>
        <source>This character cannot be used: %1</source>
        <translation>Tätä merkkiä ei voi käyttää: %1</translation>
    </message>
    <message>
        <source>The document is not a valid PDF: its pages are nested more than %1 levels deep.</source>
        <translation>Asiakirja ei ole kelvollinen PDF: sen sivut on sisäkkäistetty yli %1 tason syvyyteen.</translation>
    </message>
    <message>
        <source>The document was damaged and has been repaired.</source>
        <translation>Asiakirja oli vioittunut, ja se on korjattu.</translation>
    </message>
    <message>
        <source>The PDF file was created from what could be read; check that nothing is missing.</source>
        <translation>PDF-tiedosto luotiin siitä, mikä voitiin lukea; tarkista, ettei mitään puutu.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is not a valid PDF: its pages are nested more than %2 levels deep.</source>
        <translation>Asiakirja ”%1” ei ole kelvollinen PDF: sen sivut on sisäkkäin yli %2 tason syvyydeltä.</translation>
    </message>
    <message>
        <source>The document &apos;%1&apos; is missing or unreadable.</source>
        <translation>Asiakirja ”%1” puuttuu tai on lukukelvoton.</translation>
    </message>
</context>
</TS>
