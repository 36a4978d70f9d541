#include "core/pdf/Passwords.h"

#include <QCoreApplication>

#include <qpdf/QUtil.hh>

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/usprep.h>

#include <memory>
#include <vector>

namespace zirn {

namespace {

using Problem = PdfDocument::PasswordProblem;

icu::UnicodeString unicode(const QString& text)
{
    return {reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size())};
}

std::string utf8(const icu::UnicodeString& text)
{
    std::string result;
    text.toUTF8String(result);
    return result;
}

// Revision 4: composed, then in PDFDocEncoding, where the first character without a form is
// the one refused.
PreparedPassword pdfDocPassword(const QString& password)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    icu::UnicodeString text =
        U_SUCCESS(status) ? nfc->normalize(unicode(password), status) : unicode(password);
    if (U_FAILURE(status))
        text = unicode(password);
    PreparedPassword result;
    if (QUtil::utf8_to_pdf_doc(utf8(text), result.bytes))
        return result;
    result.problem = Problem::NotEncodable;
    for (int32_t i = 0; i < text.length() && result.character == 0; i = text.moveIndex32(i, 1)) {
        std::string single;
        if (!QUtil::utf8_to_pdf_doc(utf8(icu::UnicodeString(text.char32At(i))), single))
            result.character = static_cast<char32_t>(text.char32At(i));
    }
    return result;
}

// Revision 6: SASLprep. Code points that Unicode assigned after the profile's tables (emoji,
// for example) are let through, as readers let them through when the password is typed.
PreparedPassword saslPrepared(const QString& password)
{
    PreparedPassword result;
    result.bytes = password.toStdString();
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UStringPrepProfile, decltype(&usprep_close)> profile(
        usprep_openByType(USPREP_RFC4013_SASLPREP, &status), usprep_close);
    if (U_FAILURE(status))
        return result;
    const icu::UnicodeString text = unicode(password);
    UParseError where{};
    std::vector<UChar> prepared;
    int32_t length = usprep_prepare(profile.get(), text.getBuffer(), text.length(), nullptr, 0,
                                    USPREP_ALLOW_UNASSIGNED, &where, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        prepared.resize(static_cast<size_t>(length));
        length = usprep_prepare(profile.get(), text.getBuffer(), text.length(), prepared.data(), length,
                                USPREP_ALLOW_UNASSIGNED, &where, &status);
    }
    if (U_SUCCESS(status)) {
        result.bytes = utf8(icu::UnicodeString(prepared.data(), length));
    } else if (status == U_STRINGPREP_CHECK_BIDI_ERROR) {
        result.problem = Problem::MixedDirections;
    } else {
        // The context after the error starts with the character refused.
        result.problem = Problem::Prohibited;
        result.character = static_cast<char32_t>(icu::UnicodeString(where.postContext).char32At(0));
    }
    return result;
}

QString refusalText(Problem problem, bool aes256)
{
    switch (problem) {
    case Problem::None:
        break;
    case Problem::NotEncodable:
        return QCoreApplication::translate("Zirn",
                                           "With 128-bit encryption the passwords can only contain letters "
                                           "of Western European languages, digits and common punctuation. "
                                           "256-bit encryption (EncryptionKeyLength = 256 in Zirn.ini) "
                                           "accepts letters of every script.");
    case Problem::Prohibited:
        return QCoreApplication::translate("Zirn",
                                           "A password cannot contain control characters, characters for "
                                           "private use or other characters that PDF passwords exclude.");
    case Problem::MixedDirections:
        return QCoreApplication::translate("Zirn",
                                           "A password with letters of a right-to-left script, such as "
                                           "Arabic or Hebrew, must begin and end with such a letter and "
                                           "cannot contain letters of a left-to-right script.");
    case Problem::OnlyIgnored:
        return QCoreApplication::translate("Zirn",
                                           "A password consists only of characters that passwords ignore, "
                                           "such as soft hyphens: it would be empty.");
    case Problem::SameAsMaster:
        return QCoreApplication::translate("Zirn",
                                           "The user password must differ from the master password: "
                                           "whoever has it would have full control, and the printing and "
                                           "copying restrictions would not apply.");
    case Problem::SameStart:
        return QCoreApplication::translate("Zirn",
                                           "128-bit encryption uses only the first 32 characters of a "
                                           "password, and the user password and the master password "
                                           "begin with the same 32: whoever has the user password would "
                                           "have full control, and the printing and copying restrictions "
                                           "would not apply.");
    case Problem::TooLong:
        return aes256 ? QCoreApplication::translate("Zirn",
                                                    "A password can have at most 127 bytes in UTF-8: 127 "
                                                    "letters A to Z, fewer with accents or of other scripts.")
                      : QCoreApplication::translate("Zirn",
                                                    "With 128-bit encryption a password can have at most "
                                                    "32 characters. 256-bit encryption "
                                                    "(EncryptionKeyLength = 256 in Zirn.ini) accepts "
                                                    "longer ones.");
    }
    return {};
}

// "ж (U+0436)"; a mark on a dotted circle, and an invisible character by its number alone.
QString describe(char32_t character)
{
    const QString code = QString::number(character, 16).toUpper().rightJustified(4, u'0');
    if (!QChar::isPrint(character))
        return QStringLiteral("U+") + code;
    const QString shown =
        (QChar::isMark(character) ? QStringLiteral("\u25CC") : QString()) + QString::fromUcs4(&character, 1);
    return QStringLiteral("%1 (U+%2)").arg(shown, code);
}

} // namespace

PreparedPassword preparePassword(const QString& password, PdfProtection::Method method)
{
    return method == PdfProtection::Method::Aes256 ? saslPrepared(password) : pdfDocPassword(password);
}

Alert passwordRefusal(Problem problem, PdfProtection::Method method, char32_t character)
{
    Alert alert{refusalText(problem, method == PdfProtection::Method::Aes256), {}, {}};
    if (character != 0 && !alert.message.isEmpty())
        alert.detail =
            QCoreApplication::translate("Zirn", "This character cannot be used: %1").arg(describe(character));
    return alert;
}

PdfDocument::PasswordProblem PdfDocument::checkPasswords(const PdfProtection& protection, char32_t* character,
                                                         PdfProtection::Password* refused)
{
    const bool aes256 = protection.method == PdfProtection::Method::Aes256;
    const auto refuse = [refused](Problem problem, bool userPassword) {
        if (refused)
            *refused = userPassword ? PdfProtection::Password::User : PdfProtection::Password::Owner;
        return problem;
    };
    // The forms that the method stores.
    const PreparedPassword user = preparePassword(protection.userPassword, protection.method);
    const PreparedPassword owner = preparePassword(protection.ownerPassword, protection.method);
    for (const PreparedPassword* password : {&user, &owner}) {
        if (password->problem != Problem::None) {
            if (character)
                *character = password->character;
            return refuse(password->problem, password == &user);
        }
    }
    const bool userIgnored = user.bytes.empty() && !protection.userPassword.isEmpty();
    if (userIgnored || (owner.bytes.empty() && !protection.ownerPassword.isEmpty()))
        return refuse(Problem::OnlyIgnored, userIgnored);
    if (!user.bytes.empty() && user.bytes == owner.bytes)
        return refuse(Problem::SameAsMaster, true);
    if (!aes256 && !user.bytes.empty() && user.bytes.compare(0, 32, owner.bytes, 0, 32) == 0)
        return refuse(Problem::SameStart, true);
    const size_t holds = aes256 ? 127 : 32;
    if (user.bytes.size() > holds || owner.bytes.size() > holds)
        return refuse(Problem::TooLong, user.bytes.size() > holds);
    return Problem::None;
}

} // namespace zirn
