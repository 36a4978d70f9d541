#pragma once

#include <QString>

#include <optional>

namespace zirn {

class Settings;

// What the window lists of a document handed over: its title (empty when it has none) and its
// number of pages; nothing when it cannot be read as PDF, which Create reports.
struct DocumentSummary
{
    QString title;
    int pages = 0;
};
std::optional<DocumentSummary> summarizeDocument(const QString& path);

// Copies the input document's title, subject, keywords and author into the record. All four
// fields are assigned on every call: an entry that is missing or not text gives empty text,
// and so does a file that cannot be read as PDF. The keywords entry is one text in PDF and
// is taken whole. Shows nothing; an unreadable input is reported at Create.
void readDocumentInfo(Settings& settings);

} // namespace zirn
