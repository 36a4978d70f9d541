#include "core/pdf/DocumentIntake.h"

#include "core/pdf/PdfDocument.h"
#include "core/settings/Settings.h"

namespace zirn {

void readDocumentInfo(Settings& settings)
{
    DocumentInfo info;
    if (const auto document = PdfDocument::open(settings.InputFile))
        info = document->documentInfo();
    settings.Title = info.value(QStringLiteral("Title"));
    settings.Subject = info.value(QStringLiteral("Subject"));
    settings.Keywords = info.value(QStringLiteral("Keywords"));
    settings.Author = info.value(QStringLiteral("Author"));
}

std::optional<DocumentSummary> summarizeDocument(const QString& path)
{
    const auto document = PdfDocument::open(path);
    if (!document)
        return std::nullopt;
    return DocumentSummary{document->documentInfo().value(QStringLiteral("Title")), document->pageCount()};
}

} // namespace zirn
