#pragma once

#include <QMap>
#include <QString>

#include <qpdf/QPDF.hh>

#include <memory>
#include <optional>

namespace zirn::test {

struct FixtureOptions
{
    int pages = 2;
    std::optional<QMap<QString, QString>> info = QMap<QString, QString>{}; // nothing: no dictionary
    std::string rawInfo;           // further entries in PDF syntax: "<< /Checksum <DEADBEEF> >>"
    std::optional<QByteArray> xmp; // stored as the catalog's /Metadata stream
    bool deflateXmp = false;       // that stream compressed
    std::optional<std::pair<QString, QString>> encryptUserOwner; // R4 AES with these passwords
    size_t padding = 0; // spaces in the first page's contents, then stored uncompressed
    int nesting = 0;    // /Pages nodes the tree hangs below, each in the next, and a page twice; -1: a loop
    QString damage;     // a pattern whose matches in the written file become blanks
    // A name for what a document brings besides its text: every page says "<name> page <n>" and
    // has a link to https://example.org/<name>/<n> and one to the last page, the first also one
    // to the named place "end" (the last page) and the form field "field" with the value <name>;
    // the outline has "<name> <n>" for each page, and the pages are labelled "<name>-1", ...
    QString links;
};

// Writes a small PDF made for the test at path.
void makePdf(const QString& path, const FixtureOptions& options = {});
// Opens path with qpdf and the given password; nullptr when that fails.
std::unique_ptr<QPDF> openWithQpdf(const QString& path, const char* password = "");
// The decoded text of an information entry, or nothing when absent or not text.
std::optional<QString> infoText(QPDF& pdf, const char* entry);

} // namespace zirn::test
