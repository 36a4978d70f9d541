#include "core/pdf/XmpMetadata.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zirn {

namespace {

constexpr const char* rdfNs = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";

enum class Shape {
    Text,        // a simple value: attribute or element text
    Alternative, // rdf:Alt of language alternatives, written as the one "x-default" item
    Sequence,    // rdf:Seq, written as a list of one
};

struct Property
{
    const char* ns;
    const char* preferredPrefix;
    const char* localName;
    Shape shape;
    std::string value;
};

std::string_view prefixOf(std::string_view qualifiedName)
{
    const size_t colon = qualifiedName.find(':');
    return colon == std::string_view::npos ? std::string_view() : qualifiedName.substr(0, colon);
}

std::string_view localOf(std::string_view qualifiedName)
{
    const size_t colon = qualifiedName.find(':');
    return colon == std::string_view::npos ? qualifiedName : qualifiedName.substr(colon + 1);
}

// pugixml knows no namespaces, and XMP writers do not all use the customary prefixes, so
// names are matched by the namespace that their prefix is bound to where they stand.
std::string namespaceOf(pugi::xml_node node, std::string_view prefix)
{
    const std::string declaration = prefix.empty() ? std::string("xmlns") : "xmlns:" + std::string(prefix);
    for (; node; node = node.parent())
        if (const pugi::xml_attribute bound = node.attribute(declaration.c_str()))
            return bound.value();
    return {};
}

// An element without a prefix is in the default namespace.
bool elementIs(pugi::xml_node element, const char* ns, std::string_view local)
{
    const std::string_view name = element.name();
    return element.type() == pugi::node_element && localOf(name) == local &&
           namespaceOf(element, prefixOf(name)) == ns;
}

// An attribute without a prefix has no namespace, and a declaration is no property.
std::string attributeNamespace(pugi::xml_node owner, pugi::xml_attribute attribute)
{
    const std::string_view prefix = prefixOf(attribute.name());
    if (prefix.empty() || prefix == "xmlns")
        return {};
    return namespaceOf(owner, prefix);
}

bool attributeIs(pugi::xml_node owner, pugi::xml_attribute attribute, const char* ns, std::string_view local)
{
    return localOf(attribute.name()) == local && attributeNamespace(owner, attribute) == ns;
}

// Whether a bound prefix can start a name: a declaration such as "xmlns:8ap" binds one that no
// element or attribute may carry.
bool canStartName(std::string_view prefix)
{
    const auto first = static_cast<unsigned char>(prefix.empty() ? '0' : prefix.front());
    return ((first | 0x20) >= 'a' && (first | 0x20) <= 'z') || first == '_' || first >= 0x80;
}

// A prefix bound to ns at node that can be written, declaring one on node when none is.
std::string prefixFor(pugi::xml_node node, const char* ns, const char* preferred)
{
    for (pugi::xml_node n = node; n; n = n.parent()) {
        for (const pugi::xml_attribute a : n.attributes()) {
            const std::string_view name = a.name();
            if (name.starts_with("xmlns:") && std::string_view(a.value()) == ns &&
                canStartName(name.substr(6)) && namespaceOf(node, name.substr(6)) == ns)
                return std::string(name.substr(6));
        }
    }
    std::string prefix = preferred;
    for (int n = 1; !namespaceOf(node, prefix).empty(); ++n)
        prefix = preferred + std::to_string(n);
    node.append_attribute(("xmlns:" + prefix).c_str()).set_value(ns);
    return prefix;
}

// find_node walks the tree without recursion, so a packet nested absurdly deep cannot
// exhaust the stack.
pugi::xml_node findRdf(const pugi::xml_document& document)
{
    return document.find_node([](pugi::xml_node node) { return elementIs(node, rdfNs, "RDF"); });
}

bool isWhitespace(pugi::xml_node node)
{
    if (node.type() != pugi::node_pcdata)
        return false;
    for (const char* c = node.value(); *c; ++c)
        if (*c != ' ' && *c != '\t' && *c != '\n' && *c != '\r')
            return false;
    return true;
}

// A new element child, placed before the whitespace that ends the parent's content so that
// the closing tag keeps its indentation.
pugi::xml_node appendElement(pugi::xml_node parent, const std::string& name)
{
    const pugi::xml_node last = parent.last_child();
    if (last && isWhitespace(last))
        return parent.insert_child_before(name.c_str(), last);
    return parent.append_child(name.c_str());
}

void writeValue(pugi::xml_node element, const Property& property)
{
    // The value's form is set here; an rdf:parseType or rdf:resource of the old one would
    // contradict it.
    for (pugi::xml_attribute a = element.first_attribute(); a;) {
        const pugi::xml_attribute next = a.next_attribute();
        if (attributeNamespace(element, a) == rdfNs)
            element.remove_attribute(a);
        a = next;
    }
    while (element.first_child())
        element.remove_child(element.first_child());
    if (property.shape == Shape::Text) {
        element.append_child(pugi::node_pcdata).set_value(property.value.c_str());
        return;
    }
    const std::string rdf = prefixFor(element, rdfNs, "rdf");
    pugi::xml_node list =
        element.append_child((rdf + (property.shape == Shape::Alternative ? ":Alt" : ":Seq")).c_str());
    pugi::xml_node item = list.append_child((rdf + ":li").c_str());
    if (property.shape == Shape::Alternative)
        item.append_attribute("xml:lang").set_value("x-default");
    item.append_child(pugi::node_pcdata).set_value(property.value.c_str());
}

bool hasElementChildren(pugi::xml_node node)
{
    for (const pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element)
            return true;
    return false;
}

bool usesNamespace(pugi::xml_node description, const char* ns)
{
    for (const pugi::xml_attribute a : description.attributes()) {
        const bool declares =
            std::string_view(a.name()).starts_with("xmlns") && std::string_view(a.value()) == ns;
        if (declares || attributeNamespace(description, a) == ns)
            return true;
    }
    for (const pugi::xml_node child : description.children())
        if (child.type() == pugi::node_element && namespaceOf(child, prefixOf(child.name())) == ns)
            return true;
    return false;
}

struct Description
{
    pugi::xml_node node;
    bool attributeForm = false; // as read: no property elements, simple values as attributes
};

void setProperty(pugi::xml_node rdf, std::vector<Description>& descriptions, const Property& property)
{
    bool found = false;
    for (const Description& description : descriptions) {
        for (pugi::xml_attribute a : description.node.attributes()) {
            if (attributeIs(description.node, a, property.ns, property.localName)) {
                a.set_value(property.value.c_str());
                found = true;
            }
        }
        for (pugi::xml_node child : description.node.children()) {
            if (elementIs(child, property.ns, property.localName)) {
                writeValue(child, property);
                found = true;
            }
        }
    }
    if (found)
        return;

    Description target;
    for (const Description& description : descriptions) {
        if (usesNamespace(description.node, property.ns)) {
            target = description;
            break;
        }
    }
    if (!target.node && !descriptions.empty())
        target = descriptions.front();
    if (!target.node) {
        const std::string rdfPrefix = prefixFor(rdf, rdfNs, "rdf");
        target = {appendElement(rdf, rdfPrefix + ":Description"), true};
        target.node.append_attribute((rdfPrefix + ":about").c_str()).set_value("");
        descriptions.push_back(target);
    }
    const std::string name =
        prefixFor(target.node, property.ns, property.preferredPrefix) + ':' + property.localName;
    // A description written in attribute form gets a simple value the same way.
    if (property.shape == Shape::Text && target.attributeForm)
        target.node.append_attribute(name.c_str()).set_value(property.value.c_str());
    else
        writeValue(appendElement(target.node, name), property);
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// Where a top-level element stands in the text it was parsed from, as read: from its '<' to
// after the last '>' before what follows it at the top level (the next comment or processing
// instruction, or the end). What the parse skipped between the two goes with it; a closing
// tag in a later comment does not count. Nothing when the parse gives no positions.
std::optional<std::pair<size_t, size_t>> elementSpan(const std::string& text, pugi::xml_node element)
{
    const ptrdiff_t name = element.offset_debug();
    if (name < 1 || text[static_cast<size_t>(name) - 1] != '<')
        return std::nullopt;
    size_t next = text.size();
    if (const pugi::xml_node after = element.next_sibling()) {
        // The position of a name or of a comment's text, after the '<' that opens it.
        const ptrdiff_t inside = after.offset_debug();
        if (inside < 1)
            return std::nullopt;
        next = text.rfind('<', static_cast<size_t>(inside) - 1);
    }
    const size_t close = next == std::string::npos ? next : text.rfind('>', next - 1);
    if (close == std::string::npos || close < static_cast<size_t>(name))
        return std::nullopt;
    return std::pair{static_cast<size_t>(name) - 1, close + 1};
}

} // namespace

std::optional<QByteArray> updateXmpPacket(const QByteArray& packet, const DocumentFields& fields)
{
    const std::string original = packet.toStdString();
    pugi::xml_document document;
    // Whitespace, line ends, comments and processing instructions (the xpacket wrapper) are
    // kept as they were read.
    const unsigned options = (pugi::parse_full | pugi::parse_ws_pcdata) & ~pugi::parse_eol;
    const pugi::xml_parse_result parsed =
        document.load_buffer(original.data(), original.size(), options, pugi::encoding_auto);
    if (!parsed)
        return std::nullopt;
    const pugi::xml_node rdf = findRdf(document);
    if (!rdf)
        return std::nullopt;
    pugi::xml_attribute encoding;
    if (const pugi::xml_node first = document.first_child(); first.type() == pugi::node_declaration)
        encoding = first.attribute("encoding");
    // pugixml reads UTF-8, UTF-16, UTF-32 and Latin-1, and anything else as UTF-8: new text in
    // a packet that says it is in another encoding would be in the wrong one.
    if (parsed.encoding == pugi::encoding_utf8 && encoding &&
        !equalsIgnoringCase(encoding.value(), "UTF-8") && !equalsIgnoringCase(encoding.value(), "UTF8"))
        return std::nullopt;

    std::vector<Description> descriptions;
    for (const pugi::xml_node child : rdf.children())
        if (elementIs(child, rdfNs, "Description"))
            descriptions.push_back({child, !hasElementChildren(child)});

    // XMP dates carry their offset from UTC; a local time without one would be ambiguous.
    const QDateTime date = fields.metadataDate.toOffsetFromUtc(fields.metadataDate.offsetFromUtc());
    const Property properties[] = {
        {"http://purl.org/dc/elements/1.1/", "dc", "title", Shape::Alternative, utf8(fields.title)},
        {"http://purl.org/dc/elements/1.1/", "dc", "description", Shape::Alternative, utf8(fields.subject)},
        {"http://purl.org/dc/elements/1.1/", "dc", "creator", Shape::Sequence, utf8(fields.author)},
        {"http://ns.adobe.com/pdf/1.3/", "pdf", "Keywords", Shape::Text, utf8(fields.keywords)},
        {"http://ns.adobe.com/xap/1.0/", "xmp", "CreatorTool", Shape::Text, utf8(fields.creator)},
        {"http://ns.adobe.com/xap/1.0/", "xmp", "MetadataDate", Shape::Text,
         utf8(date.toString(Qt::ISODate))},
    };
    for (const Property& property : properties)
        setProperty(rdf, descriptions, property);

    // pugixml drops the whitespace outside the root element, which holds the packet's padding
    // for editors that rewrite it in place. In a UTF-8 packet the bytes around the root element
    // are therefore taken over as they were.
    const pugi::xml_node root = document.document_element();
    if (parsed.encoding == pugi::encoding_utf8) {
        if (const std::optional<std::pair<size_t, size_t>> span = elementSpan(original, root)) {
            std::ostringstream out;
            root.print(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
            return QByteArray::fromStdString(original.substr(0, span->first) + out.str() +
                                             original.substr(span->second));
        }
    }
    // Written anew in UTF-8, which a declaration must then name.
    if (encoding)
        encoding.set_value("UTF-8");
    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return QByteArray::fromStdString(out.str());
}

} // namespace zirn
