#include "print/BackendParts.h"
#include "print/CupsBackend.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

std::map<std::string, std::string> parseOptions(std::string_view options)
{
    // CUPS writes "name=value" pairs separated by blanks; values may be quoted. A name
    // without a value (a boolean such as "landscape") maps to "".
    std::map<std::string, std::string> parsed;
    for (size_t i = 0; i < options.size();) {
        while (i < options.size() && options[i] == ' ')
            ++i;
        std::string token;
        char quote = 0;
        for (; i < options.size() && (quote || options[i] != ' '); ++i) {
            const char c = options[i];
            if (quote && c == quote)
                quote = 0;
            else if (!quote && (c == '\'' || c == '"'))
                quote = c;
            else if (c == '\\' && i + 1 < options.size())
                token += options[++i];
            else
                token += c;
        }
        const size_t equals = token.find('=');
        if (!token.empty())
            parsed[token.substr(0, equals)] = equals == std::string::npos ? "" : token.substr(equals + 1);
    }
    return parsed;
}

std::string qpdfPageRanges(std::string_view options, int pageCount)
{
    const auto parsed = parseOptions(options);
    const auto found = parsed.find("page-ranges");
    const std::string value = found == parsed.end() ? "" : found->second;
    std::string ranges;
    for (size_t i = 0; !value.empty() && i <= value.size();) {
        const size_t end = std::min(value.find(',', i), value.size());
        const std::string range = value.substr(i, end - i);
        i = end + 1;
        const size_t dash = range.find('-');
        const std::string low = range.substr(0, dash);
        const std::string high = dash == std::string::npos ? low : range.substr(dash + 1);
        const auto digits = [](const std::string& s) {
            return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        // cupsd writes an open end as 2147483647.
        if (low.empty() || low.size() > 10 || high.size() > 10 || !digits(low) || !digits(high))
            return {};
        const long long first = std::stoll(low), asked = high.empty() ? pageCount : std::stoll(high);
        if (first < 1 || asked < first)
            return {};
        const long long last = std::min<long long>(asked, pageCount);
        if (first > last)
            continue;
        ranges += (ranges.empty() ? "" : ",") + std::to_string(first) + "-" + std::to_string(last);
    }
    return ranges;
}

// Outline, links and document information of the kept pages stay.
std::string applyPageRanges(int folder, int file, const std::string& temp, const std::string& options)
{
    // qpdf reads the file that was written, through its descriptor: the user may swap the
    // name in their folder meanwhile (for a FIFO, say), never the file.
    std::string count;
    if (runProgram({"/usr/bin/qpdf", "--show-npages", "/dev/fd/3"}, toolEnvironment, 60, &count, folder,
                   file) != 0)
        return temp;
    char* end = nullptr;
    const long pages = std::strtol(count.c_str(), &end, 10);
    if (end == count.c_str() || (*end != '\n' && *end != '\0') || pages < 1 || pages > 1000000)
        return temp;
    const std::string ranges = qpdfPageRanges(options, static_cast<int>(pages));
    const std::string asked = parseOptions(options)["page-ranges"];
    if (ranges.empty()) {
        log(LOG_WARNING,
            "page-ranges=%s selects none of the document's %ld pages: the whole document is kept",
            asked.c_str(), pages);
        return temp;
    }
    const std::string selected = temp + ".pages";
    // Exit status 3: written, with warnings.
    const int status = runProgram({"/usr/bin/qpdf", "/dev/fd/3", "--pages", ".", ranges, "--", selected},
                                  toolEnvironment, 60, nullptr, folder, file);
    if ((status != 0 && status != 3) || !syncFile(folder, selected)) {
        ::unlinkat(folder, selected.c_str(), 0);
        log(LOG_WARNING, "could not select the pages %s; the whole document is kept", ranges.c_str());
        return temp;
    }
    ::unlinkat(folder, temp.c_str(), 0);
    log(LOG_INFO, "kept the pages %s of %ld for page-ranges=%s", ranges.c_str(), pages, asked.c_str());
    return selected;
}

} // namespace zirn::print
