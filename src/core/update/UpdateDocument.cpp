#include "core/update/UpdateDocument.h"

#include <pugixml.hpp>

namespace zirn {

struct UpdateDocument::Members
{
    pugi::xml_document document;
};

UpdateDocument::UpdateDocument() : m(std::make_unique<Members>()) {}

UpdateDocument::~UpdateDocument() = default;

std::unique_ptr<UpdateDocument> UpdateDocument::parse(const QByteArray& bytes)
{
    std::unique_ptr<UpdateDocument> result(new UpdateDocument);
    // pugixml neither loads external entities nor expands custom ones: a hostile document
    // cannot reach files or blow up in memory.
    const pugi::xml_parse_result parsed = result->m->document.load_buffer(
        bytes.constData(), static_cast<size_t>(bytes.size()), pugi::parse_default);
    if (!parsed || !result->m->document.document_element())
        return nullptr;
    return result;
}

std::optional<QString> UpdateDocument::firstString(const QString& xpath) const
{
    try {
        const pugi::xpath_query query(xpath.toUtf8().constData());
        const pugi::xpath_node_set nodes = query.evaluate_node_set(m->document);
        if (nodes.empty())
            return std::nullopt;
        const pugi::xpath_node first = nodes.first(); // first in document order
        const pugi::xpath_query value("string(.)");
        return QString::fromStdString(value.evaluate_string(first));
    } catch (const std::exception&) {
        // pugixml reports a malformed expression or a result that is no node set this way.
        return std::nullopt;
    }
}

} // namespace zirn
