#pragma once

namespace zirn {

// Tells whoever started the program that it is up, by the service notification protocol of
// systemd: "READY=1" as one datagram to the socket that NOTIFY_SOCKET names (a path, or "@name"
// for the abstract namespace). The print queue starts the program so and waits for that word to
// tell a program that shows its window from one that cannot start at all. Without the variable
// nothing is sent. The variable is removed, so that programs started later (the viewer of a new
// PDF) never speak for this one. Only the first call sends.
void announceStartup();

} // namespace zirn
