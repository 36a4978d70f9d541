#pragma once

#include "core/OutputFile.h"

#include <QDateTime>
#include <QList>
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
    enum class Password { User, Owner };

    QString userPassword;
    QString ownerPassword;
    quint32 permissions = 0;
    Method method = Method::Aes128;
};

// One of the documents that a Create joins into one PDF: its file, and the name of the
// bookmark that leads to its first page.
struct DocumentPart
{
    QString path;
    QString name;
};

// One PDF file opened for rewriting, a small layer over qpdf. Pages, fonts, links,
// bookmarks and forms are copied object by object; nothing is re-rendered. No exception
// leaves this class: failures come back as nothing or as their reason.
class PdfDocument
{
public:
    // Why open gave nothing: a file that cannot be read as PDF (missing, empty, not a PDF, no
    // page tree, a page tree that loops, or protected by a user password that the empty
    // password does not open), or pages nested more than maxPageTreeDepth levels below the
    // root, which no real document has and which would make readers recurse until they fail.
    enum class OpenFailure { Unreadable, PagesTooDeep };
    static constexpr int maxPageTreeDepth = 1000;

    // Opens the file; nothing when it cannot, with the reason in failure when one is given.
    // Damaged files that can be repaired are read (see repaired). The page tree is walked
    // without recursion, however deep it is.
    static std::unique_ptr<PdfDocument> open(const QString& path, OpenFailure* failure = nullptr);

    // The documents of parts, opened as open does, joined in their order into one: the first
    // one with all it carries (catalog, information, XMP, structure, names), then the pages of
    // each further one as they are, with their links, form fields and page labels. The outline
    // has an entry named after each document that leads to its first page and holds that
    // document's own bookmarks. Links and bookmarks that lead to a named place of a further
    // document lead to that place directly; its tagged structure and attached files are not
    // carried over. Nothing when a document cannot be opened; failedPart then names it (its
    // index), failure why.
    static std::unique_ptr<PdfDocument> combine(const QList<DocumentPart>& parts,
                                                qsizetype* failedPart = nullptr,
                                                OpenFailure* failure = nullptr);

    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // The information dictionary; empty when the document has none.
    DocumentInfo documentInfo() const;
    int pageCount() const;

    // Writes Title, Subject, Keywords, Author and Creator into the information dictionary as
    // PDF text strings (PDFDocEncoding where it suffices, otherwise UTF-16 with a byte-order
    // mark), also when they are empty; a document without one gets a new dictionary. Every
    // other entry stays the original object, so binary strings and names that are no UTF-8
    // come back as they were. When the catalog carries XMP metadata, its title, description,
    // keywords, creator, creator tool and metadata date are brought in step, and the rest of
    // the packet is kept; a document without XMP gets none. A packet that decodes to more than
    // maxMetadataSize bytes (real ones have a few kilobytes) is kept as it is, unread, as one
    // that cannot be decoded or parsed is. Failures leave things as they were.
    void setDocumentInfo(const DocumentFields& fields);
    static constexpr size_t maxMetadataSize = 4 * 1024 * 1024;

    // True when qpdf had to repair the file to read or write it (a damaged cross-reference
    // table or trailer, objects not where the file says, wrong stream lengths): what was
    // written is what could be recovered. Meaningful after write.
    bool repaired();

    // Called with 0 to 100 while a write goes on.
    using Progress = std::function<void(int)>;

    // Writes the whole document into output, protected when protection is given and
    // otherwise unencrypted (also when the input was encrypted). Streams are copied as they
    // are, neither decoded nor compressed again (only encrypted). The passwords are stored in
    // their prepared form (see checkPasswords). Writing stops at the first error, whose reason
    // it gives; nothing when the whole document was written.
    std::optional<FileFailure> write(OutputFile& output, const std::optional<PdfProtection>& protection,
                                     const Progress& progress);

    // Why the passwords of protection would not protect the file as they promise, checked
    // before a write on the forms the method stores (Passwords.h). Revision 4 stores a
    // password composed, in PDFDocEncoding (no Cyrillic, Greek or CJK letters, for example):
    // NotEncodable names the first character without a form there; it uses only the first 32
    // bytes. Revision 6 stores the SASLprep form in UTF-8 and holds 127 bytes; the preparation
    // refuses control and private-use characters and the like (Prohibited, naming the
    // character), and a right-to-left password that is not wholly one (MixedDirections).
    // OnlyIgnored: a password typed but nothing once prepared (soft hyphens only). A password is
    // never cut: a longer one is TooLong. A non-empty user password that the method cannot tell
    // from the master password would open the file with full control, so the permissions would
    // not apply: SameAsMaster when the two are equal, SameStart when they differ only after
    // the first 32 bytes (revision 4). character receives the character refused, or 0; refused
    // the password refused (the user password for the two last problems).
    enum class PasswordProblem {
        None,
        NotEncodable,
        Prohibited,
        MixedDirections,
        OnlyIgnored,
        SameAsMaster,
        SameStart,
        TooLong
    };
    static PasswordProblem checkPasswords(const PdfProtection& protection, char32_t* character = nullptr,
                                          PdfProtection::Password* refused = nullptr);

private:
    PdfDocument();
    struct Members;
    std::unique_ptr<Members> m;
};

} // namespace zirn
