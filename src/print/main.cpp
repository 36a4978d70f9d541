// zirn-cups-backend: installed as /usr/lib/cups/backend/zirn, the device of the
// "Zirn PDF Writer" print queue.

#include "print/CupsBackend.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    int seconds = zirn::print::JobSeconds;
#ifdef ZIRN_TEST_BACKEND
    // The test build only, never installed: a test sets a short deadline.
    if (const char* value = std::getenv("ZIRN_TEST_JOB_SECONDS"))
        seconds = std::atoi(value);
#endif
    return zirn::print::run(argc, argv, ZIRN_PROGRAM_PATH, seconds);
}
