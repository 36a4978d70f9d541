#include "print/CupsBackend.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <vector>

namespace zirn::print {

namespace {

// UTF-8 decoding that drops what is not well-formed (overlong forms, surrogates, stray bytes).
std::vector<char32_t> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80         ? 1
                              : (lead >> 5) == 6  ? 2
                              : (lead >> 4) == 14 ? 3
                              : (lead >> 3) == 30 ? 4
                                                  : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool ok = true;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            ok = ok && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            ++i;
            continue;
        }
        out.push_back(c);
        i += length;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Controls, the direction marks and overrides that make a name read differently from what it
// is ("Invoice\u202Efdp.exe"), and invisible characters that make two names look alike.
// Joiners stay: several scripts and emoji need them.
bool dropped(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200B || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x2069) ||
           c == 0xFEFF;
}

// Extensions that applications put into job titles; a version number such as "v1.2" is not one.
bool isDocumentExtension(std::string extension)
{
    static constexpr std::string_view known[] = {
        "pdf", "ps",   "eps", "txt",  "text", "md",   "rtf",  "odt", "ott",   "ods", "odp", "odg",
        "doc", "docx", "xls", "xlsx", "ppt",  "pptx", "html", "htm", "xhtml", "xml", "svg", "png",
        "jpg", "jpeg", "gif", "tif",  "tiff", "bmp",  "webp", "csv", "tex",   "dvi", "epub"};
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::find(std::begin(known), std::end(known), extension) != std::end(known);
}

std::string trimBlanks(std::string text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string spoolNameFromTitle(std::string_view title)
{
    // A leading path: '/' never occurs inside a multi-byte UTF-8 sequence.
    if (const size_t slash = title.rfind('/'); slash != std::string_view::npos)
        title.remove_prefix(slash + 1);
    std::string name;
    for (const char32_t c : decodeUtf8(title)) {
        if (c == '\t' || c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029)
            name += ' ';
        else if (!dropped(c))
            appendUtf8(name, c);
    }
    name = trimBlanks(name);
    while (!name.empty() && name.front() == '.')
        name = trimBlanks(name.substr(1));
    if (const size_t dot = name.rfind('.');
        dot != std::string::npos && dot > 0 && isDocumentExtension(name.substr(dot + 1)))
        name = trimBlanks(name.substr(0, dot));
    constexpr size_t limit = 200;
    if (name.size() > limit) {
        size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name = trimBlanks(name.substr(0, cut));
    }
    // CUPS's own titles for a job without one: "(stdin)" for piped data, "untitled".
    if (name == "(stdin)")
        return "stdin";
    return name.empty() || name == "untitled" ? "Untitled" : name;
}

} // namespace zirn::print
