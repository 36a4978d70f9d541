#pragma once

#include <QLatin1String>

namespace zirn {

// Texts that several parts of the program must spell alike.

// The program's name as the user sees it: window title, alerts, the creator stamp.
inline constexpr QLatin1String kProgramName{"Zirn PDF Writer"};

// The PostAction value that opens the created file; any other value does nothing.
inline constexpr QLatin1String kPostActionOpenFile{"openFile"};

} // namespace zirn
