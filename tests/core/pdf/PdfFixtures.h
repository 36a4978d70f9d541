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
    // Information entries as UTF-8 text; nothing: no information dictionary at all.
    std::optional<QMap<QString, QString>> info = QMap<QString, QString>{};
    // Further information entries in PDF syntax, "<< /Checksum <DEADBEEF> >>" for example.
    std::string rawInfo;
    // An XMP packet, stored as the catalog's /Metadata stream.
    std::optional<QByteArray> xmp;
    // Write encrypted (R4 AES) with these passwords.
    std::optional<std::pair<QString, QString>> encryptUserOwner;
    // Spaces added to the first page's contents, which are then stored uncompressed.
    size_t padding = 0;
    // A wrong cross-reference offset, which readers have to repair.
    bool damaged = false;
};

// Writes a small PDF made for the test at path.
void makePdf(const QString& path, const FixtureOptions& options = {});

// Opens path with qpdf and the given password; nullptr when that fails.
std::unique_ptr<QPDF> openWithQpdf(const QString& path, const char* password = "");

// The decoded text of an information entry, or nothing when absent or not text.
std::optional<QString> infoText(QPDF& pdf, const char* entry);

} // namespace zirn::test
