#include "print/BackendParts.h"
#include "print/CupsBackend.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

namespace {

struct Paper
{
    const char* name;
    const char* media; // its PWG name, as IPP clients send it
    double width, height;
};

// The queue's paper sizes, in points.
constexpr Paper papers[] = {{"A4", "iso_a4_210x297mm", 595, 842},
                            {"Letter", "na_letter_8.5x11in", 612, 792},
                            {"Legal", "na_legal_8.5x14in", 612, 1008},
                            {"A3", "iso_a3_297x420mm", 842, 1191},
                            {"A5", "iso_a5_148x210mm", 420, 595}};

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

bool isTrue(const std::string& value)
{
    return value.empty() || value == "true" || value == "yes" || value == "on";
}

bool oneOf(const std::string& value, std::initializer_list<std::string_view> allowed)
{
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

const Paper* findPaper(std::string value)
{
    value = value.substr(0, value.find(',')); // "media=A5,Tray1"
    for (const Paper& paper : papers)
        if (equalsIgnoringCase(value, paper.name) || equalsIgnoringCase(value, paper.media))
            return &paper;
    return nullptr;
}

} // namespace

std::string pdftopdfOptions(std::string_view options, double width, double height)
{
    const auto parsed = parseOptions(options);
    const auto value = [&](const char* name) -> const std::string* {
        const auto found = parsed.find(name);
        return found == parsed.end() ? nullptr : &found->second;
    };
    std::string out;
    const auto add = [&](std::string option) { out += (out.empty() ? "" : " ") + option; };

    if (const auto* set = value("page-set"); set && oneOf(*set, {"odd", "even"}))
        add("page-set=" + *set);
    // GTK's dialog sends the PPD's name for it, "OutputOrder=Reverse".
    const auto* order = value("outputorder") ? value("outputorder") : value("OutputOrder");
    if (order && equalsIgnoringCase(*order, "reverse"))
        add("outputorder=reverse");
    if (const auto* up = value("number-up"); up && oneOf(*up, {"2", "4", "6", "9", "16"})) {
        add("number-up=" + *up);
        if (const auto* layout = value("number-up-layout");
            layout && oneOf(*layout, {"lrtb", "lrbt", "rltb", "rlbt", "tblr", "tbrl", "btlr", "btrl"}))
            add("number-up-layout=" + *layout);
        if (const auto* border = value("page-border");
            border && oneOf(*border, {"none", "single", "single-thick", "double", "double-thick"}))
            add("page-border=" + *border);
    }
    // Portrait is how a document is shown anyway; a landscape document is landscape already.
    const auto* orientation = value("orientation-requested");
    const bool landscape = (orientation && oneOf(*orientation, {"4", "5"})) ||
                           (value("landscape") && isTrue(*value("landscape")));
    if (landscape && width < height)
        add("orientation-requested=" + (orientation && *orientation == "5" ? std::string("5") : "4"));
    if (const auto* mirror = value("mirror"); mirror && isTrue(*mirror))
        add("mirror");
    if (const auto* fit = value("fit-to-page"); fit && isTrue(*fit))
        add("fit-to-page");
    if (const auto* scaling = value("print-scaling"); scaling && oneOf(*scaling, {"fit", "fill"}))
        add("print-scaling=" + *scaling);

    // A paper size other than the document's, in either orientation; turned like the document.
    double paperWidth = width, paperHeight = height;
    bool resized = false;
    const std::string* size = value("PageSize") ? value("PageSize") : value("media");
    if (const Paper* paper = size ? findPaper(*size) : nullptr) {
        const auto near = [](double a, double b) { return std::fabs(a - b) <= 2; };
        if (!(near(paper->width, width) && near(paper->height, height)) &&
            !(near(paper->width, height) && near(paper->height, width))) {
            paperWidth = width > height ? paper->height : paper->width;
            paperHeight = width > height ? paper->width : paper->height;
            resized = true;
        }
    }
    if ((out.empty() && !resized) || paperWidth < 1 || paperHeight < 1)
        return {};
    if (const auto* ranges = value("page-ranges");
        ranges && !ranges->empty() && ranges->find_first_not_of("0123456789,-") == std::string::npos)
        add("page-ranges=" + *ranges);
    char paper[64];
    std::snprintf(paper, sizeof paper, "PageSize=Custom.%.2fx%.2f", paperWidth, paperHeight);
    add(paper);
    return out;
}

namespace {

// The first page as shown: its size in points, turned by its rotation, and the rotation.
struct Shown
{
    double width = 0, height = 0;
    int rotation = 0;
};

std::optional<Shown> firstPage(int folder, int file)
{
    std::string info;
    if (runProgram({"/usr/bin/pdfinfo", "/dev/fd/3"}, toolEnvironment, 60, &info, folder, file) != 0)
        return std::nullopt;
    Shown page;
    const size_t size = info.find("\nPage size:"), rotation = info.find("\nPage rot:");
    if (size == std::string::npos ||
        std::sscanf(info.c_str() + size, "\nPage size: %lf x %lf", &page.width, &page.height) != 2)
        return std::nullopt;
    if (rotation != std::string::npos)
        std::sscanf(info.c_str() + rotation, "\nPage rot: %d", &page.rotation);
    if (page.rotation % 180 != 0)
        std::swap(page.width, page.height);
    return page;
}

// A new file in folder, for the user only; -1 when the name is taken.
int createFile(int folder, const std::string& name)
{
    return ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

} // namespace

std::string applyPageOptions(int folder, int file, const std::string& temp, const std::string& options)
{
    // The common case, no such option at all for a document of any shape: nothing to read.
    if (pdftopdfOptions(options, 1, 2).empty() && pdftopdfOptions(options, 2, 1).empty())
        return temp;
    const auto page = firstPage(folder, file);
    const std::string wanted = page ? pdftopdfOptions(options, page->width, page->height) : "";
    if (!page) {
        log(LOG_WARNING, "could not read the page size (pdfinfo): the options \"%s\" are not applied",
            options.c_str());
        return temp;
    }
    if (wanted.empty())
        return temp;

    const std::string changed = temp + ".sheets";
    const int out = createFile(folder, changed);
    if (out < 0) {
        log(LOG_WARNING, "could not create %s: the options \"%s\" are not applied", changed.c_str(),
            wanted.c_str());
        return temp;
    }
    int status =
        runProgram({"/usr/lib/cups/filter/pdftopdf", "1", "user", "document", "1", wanted, "/dev/fd/3"},
                   toolEnvironment, 60, nullptr, folder, file, out);
    char head[5] = {};
    if (status == 0 && (::pread(out, head, 5, 0) != 5 || std::string_view(head, 5) != "%PDF-"))
        status = -1;
    // pdftopdf turns a landscape sheet by 270 degrees to feed it as portrait paper (by 90 for
    // reverse landscape); a file shows the sheet as it lies.
    const auto sheet = status == 0 ? firstPage(folder, out) : std::nullopt;
    std::string delivered = changed;
    if (sheet && sheet->rotation % 180 != 0) {
        delivered = temp + ".turned";
        const int turned = runProgram({"/usr/bin/qpdf", "/dev/fd/3", "--rotate=+90", delivered},
                                      toolEnvironment, 60, nullptr, folder, out);
        status = turned == 0 || turned == 3 ? 0 : -1;
        ::unlinkat(folder, changed.c_str(), 0);
    }
    ::close(out);
    if (status != 0 || !sheet || !syncFile(folder, delivered)) {
        ::unlinkat(folder, delivered.c_str(), 0);
        log(LOG_WARNING, "could not apply \"%s\" with pdftopdf: the document is delivered unchanged",
            wanted.c_str());
        return temp;
    }
    ::unlinkat(folder, temp.c_str(), 0);
    log(LOG_INFO, "applied \"%s\" with pdftopdf", wanted.c_str());
    return delivered;
}

} // namespace zirn::print
