#pragma once

#include "core/OutputFile.h"

#include <QDateTime>
#include <QMap>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace zirn {

// The text entries of the document information by name without the slash ("Title",
// "Author", ...), decoded; entries of another kind (a number, a name) are left out.
using DocumentInfo = QMap<QString, QString>;

// What a Create writes into the document's metadata: the four texts the user edits, the
// creator stamp, and the time recorded as the date of the XMP metadata.
struct DocumentFields
{
    QString title;
    QString subject;
    QString keywords;
    QString author;
    QString creator;
    QDateTime metadataDate;
};

// Protection of a written file: AES with a 128-bit key (security handler revision 4), which
// readers from before about 2010 open too, or with a 256-bit key (revision 6). permissions
// uses the bits 1 low-quality print, 2 full-quality print, 4 modify, 8 assemble, 16 copy,
// 32 accessibility, 64 annotate, 128 fill in forms; other bits are ignored. The metadata
// stream is encrypted with the rest of the file: readers that can open the file decrypt it.
struct PdfProtection
{
    enum class Method { Aes128, Aes256 };

    QString userPassword;
    QString ownerPassword;
    quint32 permissions = 0;
    Method method = Method::Aes128;
};

// One PDF file opened for rewriting, a small layer over qpdf. Pages, fonts, links,
// bookmarks and forms are copied object by object; nothing is re-rendered. No exception
// leaves this class: failures come back as nothing or as their reason.
class PdfDocument
{
public:
    // Opens the file; nothing when it cannot be read as PDF (missing, empty, not a PDF, or
    // protected by a user password that the empty password does not open). Damaged files
    // that can be repaired are read.
    static std::unique_ptr<PdfDocument> open(const QString& path);

    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // The information dictionary; empty when the document has none.
    DocumentInfo documentInfo() const;

    // Writes Title, Subject, Keywords, Author and Creator into the information dictionary as
    // PDF text strings (PDFDocEncoding where it suffices, otherwise UTF-16 with a byte-order
    // mark), also when they are empty; a document without one gets a new dictionary. Every
    // other entry stays the original object, so binary strings and names that are no UTF-8
    // come back as they were. When the catalog carries XMP metadata, its title, description,
    // keywords, creator, creator tool and metadata date are brought in step, and the rest of
    // the packet is kept; a document without XMP gets none. Failures leave things as they were.
    void setDocumentInfo(const DocumentFields& fields);

    // Called with 0 to 100 while a write goes on.
    using Progress = std::function<void(int)>;

    // Writes the whole document into output, protected when protection is given and
    // otherwise unencrypted (also when the input was encrypted). Streams are copied as they
    // are, neither decoded nor compressed again (only encrypted). Writing stops at the first
    // error, whose reason it gives; nothing when the whole document was written.
    std::optional<FileFailure> write(OutputFile& output, const std::optional<PdfProtection>& protection,
                                     const Progress& progress);

    // Why the passwords of protection would not protect the file as they promise, checked
    // before a write. Revision 4 stores a password in PDFDocEncoding (no Cyrillic, Greek or CJK
    // letters, for example) and uses only its first 32 bytes; revision 6 stores UTF-8 and
    // holds 127 bytes. A password is never cut: a longer one is TooLong. A non-empty user
    // password that the method cannot tell from the master password would open the file with
    // full control, so the permissions would not apply: SameAsMaster when the two are equal,
    // SameStart when they differ only after the first 32 bytes (revision 4).
    enum class PasswordProblem { None, NotEncodable, SameAsMaster, SameStart, TooLong };
    static PasswordProblem checkPasswords(const PdfProtection& protection);

private:
    PdfDocument();
    struct Members;
    std::unique_ptr<Members> m;
};

} // namespace zirn
