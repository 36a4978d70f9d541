#include "print/BackendParts.h"

#include "core/files/Files.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <iterator>
#include <syslog.h>

namespace zirn::print {

namespace {

int messagePipe = -1;
std::string jobLabel;

// One line each, as CUPS reads its status channel: a control character would start another.
std::string oneLine(std::string_view text)
{
    std::string line;
    for (const char c : text.substr(0, 2000))
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            line += c;
    return line;
}

} // namespace

void sendMessagesTo(int fd)
{
    messagePipe = fd;
}

void setJobLabel(const std::string& label)
{
    jobLabel = oneLine(label);
}

void sendMessage(char kind, std::string_view text)
{
    if (messagePipe < 0)
        return publish(kind, text);
    std::string message = kind + std::string(text.substr(0, 4000));
    std::replace(message.begin(), message.end(), '\0', ' ');
    files::writeAll(messagePipe, message.c_str(), message.size() + 1);
}

void publish(char kind, std::string_view text)
{
    static constexpr const char* texts[] = {
        "ERROR: Refused a job that is not from an ordinary user account",
        "ERROR: Refused a job that the print system did not authenticate",
        "ERROR: Refused a job that is not a PDF document",
        "ERROR: The job failed",
        "ERROR: Could not save the document in the user's PDF folder",
        "ERROR: Kept the document in the user's PDF folder under a temporary name",
        "INFO: Saved the document in the user's PDF folder",
        "INFO: Opened the document in the user's desktop session",
        // An ERROR line stays in the printer's status once the job is done; INFO lines do not.
        "ERROR: The document was kept in the user's PDF folder: no desktop session could show it",
        "ERROR: Cancelled a job that was not done in time",
        "INFO: The job was cancelled; nothing of it was kept",
        "INFO: Started the program in the user's desktop session; it has not shown the document yet",
    };
    const int index = text.size() == 1 ? text[0] - static_cast<char>(Status::NotOrdinaryUser) : -1;
    if (kind == 'S' && index >= 0 && index < static_cast<int>(std::size(texts))) {
        std::fprintf(stderr, "%s\n", texts[index]);
    } else if (kind >= '0' && kind <= '7') {
        const std::string line = oneLine(text);
        std::fprintf(stderr, "DEBUG: %s\n", line.c_str());
        syslog(kind - '0', "job %s: %s", jobLabel.c_str(), line.c_str());
    }
}

void status(Status status)
{
    sendMessage('S', std::string(1, static_cast<char>(status)));
}

void log(int priority, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    sendMessage(static_cast<char>('0' + (priority & 7)), text);
}

} // namespace zirn::print
