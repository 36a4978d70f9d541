// zirn-jpegtopdf: the print queue's filter for JPEG photos, installed in CUPS's filter folder.
// CUPS runs it as its own unprivileged user with "job-id user title copies options [file]"
// and reads the PDF from its standard output. CUPS's own image filter decodes a JPEG and
// writes its pixels, which makes a PDF several times the size of the photo; this one puts the
// JPEG's bytes into the PDF as they are and places the image as CUPS's filter does by default:
// on the job's paper, rotated where a landscape image fills a portrait page better, scaled to
// fit the imageable area and centred.
//
// What it does not do exactly (an option that scales, moves, mirrors or recolours the image, a
// paper the PPD does not name, a JPEG in CMYK, of 12 bits or coded arithmetically, copies to
// be collated) it leaves to CUPS's own filter, which it runs in its place with the same
// arguments and input, so that no option is lost. A file that is no JPEG at all it refuses.
//
// Like the text filter, it runs under limits of its own on address space, file size and
// processor time, reads at most kMaxInput bytes, and the job's user and title vanish from its
// arguments once read.

#include "core/files/Files.h"
#include "print/FilterLimits.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <strings.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A photo of a hundred megapixels takes some 50 MB as JPEG; this is far above it. The JPEG is
// held in memory once (a little more while it comes through a pipe) and written from there.
// CUPS's own filter, when it runs in this one's place, inherits the filters' limits: it decodes
// an image in tiles within a cache of a few dozen MiB, well inside them.
constexpr size_t kMaxInput = 256 * zirn::print::FilterMiB;

// CUPS's options string, "name=value ..." with values quoted or escaped by backslashes, as
// CUPS itself parses it: a bare name is "name=true", "noname" is "name=false".
std::vector<std::pair<std::string, std::string>> parseOptions(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> options;
    size_t at = 0;
    const auto blank = [&] { return at < text.size() && std::isspace(static_cast<unsigned char>(text[at])); };
    for (;;) {
        while (blank())
            ++at;
        if (at == text.size())
            return options;
        std::string name, value;
        while (at < text.size() && text[at] != '=' && !blank())
            name += text[at++];
        if (at < text.size() && text[at] == '=') {
            ++at;
            char quote = 0;
            for (; at < text.size() && (quote || !blank()); ++at) {
                const char c = text[at];
                if (c == '\\' && at + 1 < text.size())
                    value += text[++at];
                else if (quote && c == quote)
                    quote = 0;
                else if (!quote && (c == '\'' || c == '"'))
                    quote = c;
                else
                    value += c;
            }
        } else if (name.size() > 2 && name.compare(0, 2, "no") == 0) {
            name.erase(0, 2);
            value = "false";
        } else {
            value = "true";
        }
        options.emplace_back(std::move(name), std::move(value));
    }
}

bool startsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

bool sameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && ::strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

bool isTrue(const std::string& value)
{
    return sameText(value, "true") || sameText(value, "yes") || sameText(value, "on");
}

// What the job asks of the image's placement.
struct Request
{
    std::string paper;     // the paper's name, or empty for the PPD's default
    bool mayRotate = true; // false where the job asks for portrait
};

// The job's request, or why CUPS's own filter must do the job. Options that do not change a
// single image's page (the job's bookkeeping, finishing, page selection and layout, which
// the backend applies to the PDF afterwards) are ignored; an option that CUPS's filter gives
// the same result for as without it is too. Any other option may change the image.
std::optional<Request> readRequest(const std::string& text, int copies, std::string* reason)
{
    static const std::string ignored =
        " number-up number-up-layout page-border page-set page-ranges outputorder OutputOrder"
        " multiple-document-handling finishings sides Duplex output-bin OutputBin InputSlot MediaType"
        " media-type media-source print-quality printer-resolution Resolution print-color-mode PageRegion ";
    Request request;
    for (const auto& option : parseOptions(text)) {
        const std::string &name = option.first, &value = option.second;
        if (startsWith(name, "job-") || startsWith(name, "date-time-") || startsWith(name, "time-at-") ||
            startsWith(name, "document-") || ignored.find(' ' + name + ' ') != std::string::npos)
            continue;
        if (name == "PageSize" || (name == "media" && request.paper.empty())) {
            // media may list a source and a type after the size.
            request.paper = value.substr(0, value.find(','));
        } else if (name == "orientation-requested" && value == "3") {
            request.mayRotate = false;
        } else if ((name == "fit-to-page" && isTrue(value)) || (name == "print-scaling" && value == "fit")) {
            // the default placement
        } else if (name == "Collate") {
            if (isTrue(value) && copies > 1) {
                *reason = "collated copies";
                return std::nullopt;
            }
        } else {
            *reason = "the option " + name;
            return std::nullopt;
        }
    }
    return request;
}

// A paper of the PPD: its size and imageable area in points.
struct Paper
{
    double width = 0, height = 0;
    double left = 0, bottom = 0, right = 0, top = 0;
};

// The named paper (the PPD's default where name is empty) as the PPD describes it, or nothing
// where the PPD cannot be read or does not know it.
std::optional<Paper> readPaper(const char* ppdPath, std::string name)
{
    std::ifstream ppd(ppdPath ? ppdPath : "");
    if (!ppd)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string defaultSize;
    for (std::string line; std::getline(ppd, line) && lines.size() < 100000;) {
        if (startsWith(line, "*DefaultPageSize:")) {
            std::istringstream(line.substr(17)) >> defaultSize;
        }
        if (startsWith(line, "*PaperDimension ") || startsWith(line, "*ImageableArea "))
            lines.push_back(std::move(line));
    }
    if (name.empty())
        name = defaultSize;
    bool dimension = false, area = false;
    Paper paper;
    for (const std::string& line : lines) {
        // *Keyword Name/Text: "numbers"
        const size_t space = line.find(' '), end = line.find_first_of("/:", space);
        const size_t open = line.find('"'), close = line.rfind('"');
        if (end == std::string::npos || open == std::string::npos || close <= open ||
            !sameText(line.substr(space + 1, end - space - 1), name))
            continue;
        std::istringstream numbers(line.substr(open + 1, close - open - 1));
        if (startsWith(line, "*PaperDimension "))
            dimension = static_cast<bool>(numbers >> paper.width >> paper.height);
        else
            area = static_cast<bool>(numbers >> paper.left >> paper.bottom >> paper.right >> paper.top);
    }
    if (!dimension || !area || paper.width <= 0 || paper.height <= 0 || paper.right <= paper.left ||
        paper.top <= paper.bottom)
        return std::nullopt;
    return paper;
}

// What a PDF needs to know of a JPEG.
struct Jpeg
{
    unsigned width = 0, height = 0, components = 0, precision = 0;
    unsigned frame = 0; // the SOF marker's second byte
};

enum class JpegCheck { NotJpeg, Odd, Fine };

// Reads the markers up to the frame header. A JPEG the PDF takes as it is: a baseline,
// extended or progressive frame (Huffman-coded), 8 bits, gray or three components.
JpegCheck checkJpeg(const std::string& data, Jpeg* jpeg, std::string* reason)
{
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(data[at]); };
    if (data.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8 || byte(2) != 0xFF) {
        *reason = "the data is not a JPEG image";
        return JpegCheck::NotJpeg;
    }
    size_t at = 2;
    for (;;) {
        while (at < data.size() && byte(at) == 0xFF)
            ++at; // fill bytes
        if (at + 2 >= data.size() || byte(at - 1) != 0xFF) {
            *reason = "the JPEG image ends before its frame header";
            return JpegCheck::NotJpeg;
        }
        const unsigned marker = byte(at);
        const size_t length = static_cast<size_t>(byte(at + 1)) << 8 | byte(at + 2);
        if (marker == 0xD9 || marker == 0xDA || length < 2 || at + 1 + length > data.size()) {
            *reason = "the JPEG image has no frame header";
            return JpegCheck::NotJpeg;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8) {
                *reason = "the JPEG image's frame header is cut short";
                return JpegCheck::NotJpeg;
            }
            jpeg->frame = marker;
            jpeg->precision = byte(at + 3);
            jpeg->height = static_cast<unsigned>(byte(at + 4)) << 8 | byte(at + 5);
            jpeg->width = static_cast<unsigned>(byte(at + 6)) << 8 | byte(at + 7);
            jpeg->components = byte(at + 8);
            break;
        }
        at += 1 + length;
    }
    if (jpeg->frame > 0xC2) {
        *reason = "a JPEG frame of a kind a PDF does not take as it is";
        return JpegCheck::Odd;
    }
    if (jpeg->precision != 8 || (jpeg->components != 1 && jpeg->components != 3)) {
        *reason = "a JPEG of " + std::to_string(jpeg->precision) + " bits and " +
                  std::to_string(jpeg->components) + " components";
        return JpegCheck::Odd;
    }
    if (jpeg->width == 0 || jpeg->height == 0) {
        *reason = "a JPEG whose height comes after its first scan";
        return JpegCheck::Odd;
    }
    return JpegCheck::Fine;
}

// The content stream that draws the image /Im on paper: scaled to fit the imageable area,
// keeping its proportions, centred; turned a quarter to the left where that makes it larger
// (a landscape image on portrait paper), as CUPS's own filter turns it.
std::string placement(const Jpeg& jpeg, const Paper& paper, bool mayRotate)
{
    const double w = jpeg.width, h = jpeg.height;
    const double areaWidth = paper.right - paper.left, areaHeight = paper.top - paper.bottom;
    const double upright = std::min(areaWidth / w, areaHeight / h);
    const double turned = std::min(areaHeight / w, areaWidth / h);
    char content[256];
    if (mayRotate && turned > upright) {
        // In the turned space x runs up the paper and y from its right edge to its left.
        std::snprintf(content, sizeof content, "q 0 1 -1 0 %.4f 0 cm %.4f 0 0 %.4f %.4f %.4f cm /Im Do Q\n",
                      paper.width, w * turned, h * turned, paper.bottom + (areaHeight - w * turned) / 2,
                      paper.width - paper.right + (areaWidth - h * turned) / 2);
    } else {
        std::snprintf(content, sizeof content, "q %.4f 0 0 %.4f %.4f %.4f cm /Im Do Q\n", w * upright,
                      h * upright, paper.left + (areaWidth - w * upright) / 2,
                      paper.bottom + (areaHeight - h * upright) / 2);
    }
    return content;
}

// text as a PDF text string: UTF-16BE in hexadecimal; a byte that is not UTF-8 counts as Latin-1.
std::string pdfText(const std::string& text)
{
    std::string hex = "<FEFF";
    const auto unit = [&hex](unsigned value) {
        char digits[5];
        std::snprintf(digits, sizeof digits, "%04X", value & 0xFFFF);
        hex += digits;
    };
    for (size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
        unsigned code = length == 1 ? lead : lead & (0x7F >> length);
        size_t taken = 1;
        while (taken < length && at + taken < text.size() &&
               (static_cast<unsigned char>(text[at + taken]) & 0xC0) == 0x80)
            code = code << 6 | (static_cast<unsigned char>(text[at + taken++]) & 0x3F);
        if (taken != length || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000) ||
            (length == 3 && code < 0x800) || (length == 4 && code < 0x10000)) {
            code = lead;
            taken = 1;
        }
        if (code >= 0x10000) {
            unit(0xD800 + ((code - 0x10000) >> 10));
            unit(0xDC00 + (code & 0x3FF));
        } else {
            unit(code);
        }
        at += taken;
    }
    return hex + ">";
}

// Writes the one-page PDF of the JPEG's bytes to standard output, by hand: six objects, and
// the JPEG straight from the one copy in memory. False where a write fails.
bool writePdf(const std::string& data, const Jpeg& jpeg, const Paper& paper, bool mayRotate,
              const std::string& title)
{
    const std::string content = placement(jpeg, paper, mayRotate);
    char header[512];
    std::vector<long> offsets;
    long written = 0;
    bool fine = true;
    const auto put = [&](const char* bytes, size_t size) {
        fine = fine && std::fwrite(bytes, 1, size, stdout) == size;
        written += static_cast<long>(size);
    };
    const auto object = [&](const std::string& body) {
        offsets.push_back(written);
        const std::string text = std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
        put(text.data(), text.size());
    };
    put("%PDF-1.3\n%\xE2\xE3\xCF\xD3\n", 15);
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    std::snprintf(header, sizeof header,
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %.4f %.4f] /Contents 4 0 R"
                  " /Resources << /XObject << /Im 5 0 R >> >> >>",
                  paper.width, paper.height);
    object(header);
    object("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
    std::snprintf(header, sizeof header,
                  "<< /Type /XObject /Subtype /Image /Width %u /Height %u /ColorSpace /%s /BitsPerComponent 8"
                  " /Interpolate true /Filter /DCTDecode /Length %zu >>\nstream\n",
                  jpeg.width, jpeg.height, jpeg.components == 1 ? "DeviceGray" : "DeviceRGB", data.size());
    offsets.push_back(written);
    const std::string opening = "5 0 obj\n" + std::string(header);
    put(opening.data(), opening.size());
    put(data.data(), data.size());
    put("\nendstream\nendobj\n", 18);
    object("<< /Title " + pdfText(title) + " /Creator (Zirn PDF Writer) >>");
    const long xref = written;
    std::string tail = "xref\n0 7\n0000000000 65535 f \n";
    for (const long offset : offsets) {
        std::snprintf(header, sizeof header, "%010ld 00000 n \n", offset);
        tail += header;
    }
    tail +=
        "trailer\n<< /Size 7 /Root 1 0 R /Info 6 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    put(tail.data(), tail.size());
    return fine && std::fflush(stdout) == 0;
}

// The whole input, at most kMaxInput bytes; nothing where a read fails or there is more.
std::optional<std::string> readAll(int fd, bool* tooLarge)
{
    std::string data;
    struct stat info
    {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<size_t>(info.st_size) <= kMaxInput)
        data.reserve(static_cast<size_t>(info.st_size));
    char buffer[64 * 1024];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (data.size() + static_cast<size_t>(got) > kMaxInput) {
            *tooLarge = true;
            return std::nullopt;
        }
        data.append(buffer, static_cast<size_t>(got));
    }
    return data;
}

// Runs CUPS's own image filter in this one's place, with the same arguments and, where the
// job came through standard input, the data already read from it (a copy in CUPS's temporary
// folder, removed at once) or standard input itself where nothing was read yet.
[[noreturn]] void fallBack(const std::vector<std::string>& arguments, const std::string* consumed,
                           const std::string& reason)
{
    std::fprintf(stderr, "DEBUG: %s: the image goes to CUPS's own imagetopdf\n", reason.c_str());
    std::fflush(stderr);
    if (consumed && arguments.size() == 6 && ::lseek(STDIN_FILENO, 0, SEEK_SET) != 0) {
        const char* folder = std::getenv("TMPDIR");
        std::string name = std::string(folder && *folder ? folder : "/tmp") + "/zirn-jpegtopdf-XXXXXX";
        const int copy = ::mkostemp(name.data(), O_CLOEXEC);
        if (copy >= 0)
            ::unlink(name.c_str());
        if (copy < 0 || !zirn::files::writeAll(copy, consumed->data(), consumed->size()) ||
            ::lseek(copy, 0, SEEK_SET) != 0 || ::dup2(copy, STDIN_FILENO) < 0) {
            std::fprintf(stderr, "ERROR: cannot keep the image for CUPS's own filter: %s\n",
                         std::strerror(errno));
            std::exit(1);
        }
        ::close(copy);
    }
    const char* serverBin = std::getenv("CUPS_SERVERBIN");
    const std::string filter =
        std::string(serverBin && *serverBin == '/' ? serverBin : "/usr/lib/cups") + "/filter/imagetopdf";
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(filter.c_str(), argv.data());
    std::fprintf(stderr, "ERROR: cannot run %s: %s\n", filter.c_str(), std::strerror(errno));
    std::exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6 && argc != 7) {
        std::fputs("Usage: zirn-jpegtopdf job-id user title copies options [file]\n", stderr);
        return 1;
    }
    zirn::print::limitFilter();
    const std::vector<std::string> arguments(argv, argv + argc);
    zirn::print::hideArguments(argc, argv);

    std::string reason;
    const std::optional<Request> request =
        readRequest(arguments[5], std::max(1, std::atoi(arguments[4].c_str())), &reason);
    if (!request)
        fallBack(arguments, nullptr, reason);
    const std::optional<Paper> paper = readPaper(std::getenv("PPD"), request->paper);
    if (!paper)
        fallBack(arguments, nullptr, "a paper the PPD does not describe");

    const int in = argc == 7 ? ::open(arguments[6].c_str(), O_RDONLY | O_CLOEXEC) : STDIN_FILENO;
    bool tooLarge = false;
    std::optional<std::string> data;
    if (in >= 0)
        data = readAll(in, &tooLarge);
    if (tooLarge) {
        std::fprintf(stderr, "ERROR: the image is larger than %llu MiB\n",
                     static_cast<unsigned long long>(kMaxInput / zirn::print::FilterMiB));
        return 1;
    }
    if (!data) {
        std::fprintf(stderr, "ERROR: cannot read the image: %s\n", std::strerror(errno));
        return 1;
    }
    Jpeg jpeg;
    switch (checkJpeg(*data, &jpeg, &reason)) {
    case JpegCheck::NotJpeg:
        std::fprintf(stderr, "ERROR: %s\n", reason.c_str());
        return 1;
    case JpegCheck::Odd:
        fallBack(arguments, &*data, reason);
    case JpegCheck::Fine:
        break;
    }
    if (!writePdf(*data, jpeg, *paper, request->mayRotate, arguments[3])) {
        std::fprintf(stderr, "ERROR: cannot write the PDF: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
