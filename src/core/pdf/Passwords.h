#pragma once

#include "core/DesktopServices.h"
#include "core/pdf/PdfDocument.h"

#include <string>

namespace zirn {

// A password in the form its method stores. Revision 6 (Aes256) prepares it with SASLprep
// (RFC 4013: compatibility composition, spaces of every width become the plain space, soft
// hyphens and the like are dropped, control and private-use characters refused) and stores
// UTF-8; revision 4 (Aes128) stores its canonical composition (NFC) in PDFDocEncoding. So a
// password opens however it is typed, with accents composed or not, in every reader that
// prepares it as the standard says.
struct PreparedPassword
{
    std::string bytes; // what the method stores; with a problem, the closest it can
    PdfDocument::PasswordProblem problem = PdfDocument::PasswordProblem::None; // of this password alone
    char32_t character = 0; // the character refused, with NotEncodable and Prohibited
};
PreparedPassword preparePassword(const QString& password, PdfProtection::Method method);

// What the user reads when the passwords cannot protect the file as given: the rule as the
// message and, for a refused character, that character as the detail. Empty when they can.
Alert passwordRefusal(PdfDocument::PasswordProblem problem, PdfProtection::Method method, char32_t character);

} // namespace zirn
