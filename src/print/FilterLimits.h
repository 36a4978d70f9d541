#pragma once

// What the queue's own filters (text, JPEG) do first: CUPS runs them as its unprivileged user
// on whatever a job brings, so each bounds itself and hides what CUPS passes it.

#include <algorithm>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace zirn::print {

// The limits, far above what a real job needs and what the print job's own two minutes allow.
inline constexpr rlim_t FilterMiB = 1024 * 1024;
inline constexpr rlim_t FilterAddressSpace = 1024 * FilterMiB;
inline constexpr rlim_t FilterFileSize = 512 * FilterMiB; // the output, and a copy of piped input
inline constexpr rlim_t FilterProcessorSeconds = 120;

// Lowers the limit on resource to value (the hard one to hard), never raising either.
inline void lowerLimit(__rlimit_resource resource, rlim_t value, rlim_t hard)
{
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0)
        return;
    limit.rlim_cur = std::min(limit.rlim_cur, value);
    limit.rlim_max = std::min(limit.rlim_max, hard);
    limit.rlim_cur = std::min(limit.rlim_cur, limit.rlim_max);
    ::setrlimit(resource, &limit);
}

inline void limitFilter()
{
    // AddressSanitizer reserves terabytes of address space before main: there, the address
    // space stays as it is.
#if !defined(__SANITIZE_ADDRESS__)
    lowerLimit(RLIMIT_AS, FilterAddressSpace, FilterAddressSpace);
#endif
    lowerLimit(RLIMIT_FSIZE, FilterFileSize, FilterFileSize);
    // SIGXCPU at the soft limit, SIGKILL a little later should it be caught.
    lowerLimit(RLIMIT_CPU, FilterProcessorSeconds, FilterProcessorSeconds + 10);
    // A write beyond the file-size limit fails and is reported, rather than ending the filter.
    std::signal(SIGXFSZ, SIG_IGN);
}

// What CUPS passes, the user and the title above all, is every user's to read in ps: cleared
// where it lies once read.
inline void hideArguments(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        std::memset(argv[i], 0, std::strlen(argv[i]));
}

} // namespace zirn::print
