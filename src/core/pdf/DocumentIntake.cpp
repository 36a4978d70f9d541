#include "core/pdf/DocumentIntake.h"

#include "core/pdf/PdfDocument.h"
#include "core/settings/Settings.h"

namespace zirn {

void readDocumentInfo(Settings& settings)
{
    std::optional<DocumentInfo> info;
    if (const auto document = PdfDocument::open(settings.InputFile))
        info = document->documentInfo();
    const auto text = [&info](const char* entry) {
        if (!info)
            return QString();
        return info->value(QString::fromLatin1(entry)).value_or(QString());
    };
    settings.Title = text("Title");
    settings.Subject = text("Subject");
    settings.Keywords = text("Keywords");
    settings.Author = text("Author");
}

} // namespace zirn
