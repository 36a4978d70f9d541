#pragma once

#include "core/pdf/PdfDocument.h"

#include <QByteArray>

#include <optional>

namespace zirn {

// The XMP packet with dc:title and dc:description (language alternatives with one
// "x-default" item), dc:creator (an ordered list of one author), pdf:Keywords,
// xmp:CreatorTool and xmp:MetadataDate set from fields. A property is changed wherever a
// description carries it, as an attribute or as an element, as found; one that is missing is
// added to the description that already uses its namespace, or to the first one. Everything
// else (other properties, comments, the xpacket wrapper and its padding) is kept. A packet read
// in UTF-16, UTF-32 or Latin-1 comes back in UTF-8 (without the padding), its declaration saying
// so. Nothing when the packet is no well-formed XML with an rdf:RDF element, or declares an
// encoding that is none of these; the caller then keeps it as it is.
std::optional<QByteArray> updateXmpPacket(const QByteArray& packet, const DocumentFields& fields);

} // namespace zirn
