#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <utility>

namespace zirn {

// Section name -> key -> value. Lookups are exact and case-sensitive.
using IniSection = QHash<QString, QString>;
using IniSections = QHash<QString, IniSection>;

// Reader of the hand-edited settings file. Stateless; never writes.
//
// Lines are cut at line feeds only and trimmed of exactly space, tab, CR and LF. A trimmed
// line in brackets opens a section (its name kept verbatim); a line starting with '#' or '\''
// is a comment; any other line is a setting when it splits into a key and a non-empty value
// at the first '=' that has text before it. Settings before the first header go to "main".
class Ini
{
public:
    // Reads the whole file. A missing or unreadable file gives an empty result. A leading
    // UTF-8 byte-order mark is dropped; a line that is not valid UTF-8 is read as Latin-1.
    static IniSections readFile(const QString& path);

    // Parses text as the contents of a settings file (same rules as readFile).
    static IniSections parse(const QString& text);

    // Splits one already trimmed line that is not a section header into key and value,
    // or gives nothing for a comment or a line that is no setting. Does not trim the line.
    static std::optional<std::pair<QString, QString>> parseLine(const QString& line);

    // Trims the four characters the format names (space, LF, CR, tab) and nothing else.
    static QString trim(const QString& text);
};

} // namespace zirn
