#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace zirn {

// A parsed XML document queried with XPath (Qt's XML reader and pugixml's XPath behind a small
// interface).
class UpdateDocument
{
public:
    // Nothing when the bytes are not well-formed XML.
    static std::unique_ptr<UpdateDocument> parse(const QByteArray& bytes);

    ~UpdateDocument();
    UpdateDocument(const UpdateDocument&) = delete;
    UpdateDocument& operator=(const UpdateDocument&) = delete;

    // The string value (all text below it) of the first node in document order that the
    // expression selects; nothing when none matches or the expression is not valid XPath.
    std::optional<QString> firstString(const QString& xpath) const;

private:
    UpdateDocument();
    struct Members;
    std::unique_ptr<Members> m;
};

} // namespace zirn
