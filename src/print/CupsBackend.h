#pragma once

// The backend of the "Zirn PDF Writer" print queue. CUPS runs it as root (its file is
// root:root 0700) with the job arguments. That process stays root and never touches the
// user's files: it checks the job, opens its data and hands it to a worker that drops to the
// printing user, stores the job's PDF unchanged in ~/PDF and starts the program on it in that
// user's desktop session; it waits for the worker under one deadline for the whole job, which
// ends everything the job started, and shortens it for a user whose job took long just
// before. Plain C++ and POSIX on purpose: it runs as root.

#include <string>
#include <string_view>
#include <sys/types.h>

namespace zirn::print {

// Exit statuses CUPS understands (cups/backend.h): a cancelled job leaves the queue running,
// so one user's refused or failed job never stops printing for everybody.
constexpr int BackendOk = 0;
constexpr int BackendCancel = 5;

// The whole job's deadline: a worker still running then is killed and the job cancelled.
constexpr int JobSeconds = 120;
// One user's share of the queue: for ten minutes after a job of theirs was cut off at its
// deadline or took longer than twenty seconds, their jobs get twenty seconds, which a usual
// job needs a fraction of.
constexpr int ShortJobSeconds = 20;
constexpr int SlowJobMemorySeconds = 600;
// Where the backend keeps the time of each user's last slow job (root's alone).
constexpr const char* SlowJobFolder = "/run/zirn-cups-backend";

// The spool file's name (without ".pdf") from the job title as the user sees it: a leading
// path, control characters, bidirectional overrides, invalid UTF-8 and one trailing document
// extension go; blanks, letters of every script, digits and punctuation stay; no leading dot;
// at most 200 bytes, cut between characters; "Untitled" when nothing is left.
std::string spoolNameFromTitle(std::string_view title);

// The "page-ranges" option of the CUPS option string ("copies=1 page-ranges=2-3,7-"), as a
// qpdf page range for a document of pageCount pages ("2-3,7-9"): ranges past the end are
// clipped or dropped. Empty when the option is absent, malformed or selects no page.
std::string qpdfPageRanges(std::string_view options, int pageCount);

// What pdftopdf is to do for the options that change pages, on a document whose first page
// shows width x height points: page-set, outputorder, number-up (with number-up-layout and
// page-border), landscape for a portrait document (orientation-requested 4 or 5, landscape),
// a paper size (PageSize, media) other than the document's, fit-to-page or print-scaling fit
// or fill, mirror; page-ranges when any of them applies. Only known values pass. The paper
// is the document's own size unless another one is asked for, turned like the document.
// Empty when no such option applies.
std::string pdftopdfOptions(std::string_view options, double width, double height);

// The whole backend: argv as CUPS passes it (cleared once read, so that ps shows no user or
// title); program is the desktop program to start; seconds the job's deadline; marks the
// folder of the marks of slow jobs.
int run(int argc, char** argv, const char* program, int seconds = JobSeconds,
        const char* marks = SlowJobFolder);

} // namespace zirn::print
