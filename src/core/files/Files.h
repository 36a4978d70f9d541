#pragma once

// File primitives shared by the program and the print queue's backend: plain C++ and POSIX,
// no Qt, paths as std::string in the file system's own encoding. Functions that take a
// folder descriptor take AT_FDCWD for names that are whole paths.

#include <optional>
#include <string>
#include <sys/types.h>

namespace zirn::files {

// folder and name with one "/" between them; a "/" that ends folder is not doubled.
std::string join(const std::string& folder, const std::string& name);

// The umask of a process ("self", or a process id as text), read from /proc without changing
// it (umask() would change it for a moment for every thread); the usual 022 where /proc does
// not report it.
mode_t umaskOf(const std::string& process = "self");

// The same for the process whose folder in /proc is open as processFolder (not AT_FDCWD): that
// folder keeps naming its process, and once the process has ended answers nothing (022 then).
mode_t umaskOf(int processFolder);

// The first mebibyte or so of the file name in folder, such as a file in /proc; empty when it
// cannot be read. Not for a name that another user controls (a FIFO there would block).
std::string readSmallFile(int folder, const std::string& name);

// Writes all of data to fd, again after an interrupting signal. False when it cannot, with
// errno saying why (ENOSPC when the system wrote nothing and gave no error).
bool writeAll(int fd, const char* data, size_t size);

// Gives the entry from in folder the name to, unless something has that name: never replaces
// an entry. A file system without the exclusive rename gets a hard link, which fails on a
// taken name just as surely, and from is then removed; one without hard links either (FUSE,
// network mounts) gets an empty placeholder made exclusively at to, which the plain rename
// replaces (where the rename never replaces, the placeholder goes and the plain rename claims the
// name); should that rename fail, the placeholder goes again. False with errno set and from
// left as it was: EEXIST when to is taken, EOPNOTSUPP when the file system cannot rename,
// EINVAL when it cannot hold the name to.
bool renameNoReplace(int folder, const std::string& from, const std::string& to);

// Gives the entry from in folder the name to, replacing a file or link that has it. Where the
// file system's rename never replaces (it answers EEXIST), that entry is first renamed to aside,
// a free name in the same folder, and removed once from has its name, or given its name back
// should from not get it. False with errno set when from keeps its name; EISDIR when a folder
// has the name.
bool renameReplacing(int folder, const std::string& from, const std::string& to, const std::string& aside);

// Whether folder has an entry called name. Any entry counts, a folder too, and a link also
// when it leads nowhere or in a circle: renameNoReplace sees the name as taken all the same.
bool isTaken(int folder, const std::string& name);

// "<base> <number>.pdf", with base taken literally ("%1" in it stays as it is).
std::string numberedName(const std::string& base, unsigned long number);

// The highest number firstFreeNumberedName tries unless told otherwise: the search ends even
// in a folder that never has a free name to offer.
inline constexpr unsigned long kLastNumber = 1'000'000;

// The first numbered name from number on that is not taken in folder, with number left at the
// number used; nothing when every one up to last is taken. Free now is no promise: claim the
// name with renameNoReplace (or another exclusive call) and number on when it fails.
std::optional<std::string> firstFreeNumberedName(int folder, const std::string& base, unsigned long& number,
                                                 unsigned long last = kLastNumber);

} // namespace zirn::files
