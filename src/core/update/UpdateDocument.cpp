#include "core/update/UpdateDocument.h"

#include <QXmlStreamReader>

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
    // Qt's reader decides what is XML: it refuses what is not well-formed (a second top-level
    // element, an undeclared entity, bytes that are not in the document's encoding), decodes
    // every encoding the document may declare, never loads external entities and bounds the
    // expansion of internal ones. Its elements and text, white space included, make the tree
    // that the queries run on.
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);
    std::unique_ptr<UpdateDocument> result(new UpdateDocument);
    pugi::xml_node current = result->m->document;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            current = current.append_child(reader.qualifiedName().toUtf8().constData());
            break;
        case QXmlStreamReader::EndElement:
            current = current.parent();
            break;
        case QXmlStreamReader::Characters:
            if (current != result->m->document)
                current.append_child(pugi::node_pcdata).set_value(reader.text().toUtf8().constData());
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !result->m->document.document_element())
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
