// zirn-cups-backend: installed as /usr/lib/cups/backend/zirn, the device of the
// "Zirn PDF Writer" print queue.

#include "print/CupsBackend.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    const char* program = ZIRN_PROGRAM_PATH;
    const char* marks = zirn::print::SlowJobFolder;
    int seconds = zirn::print::JobSeconds;
#ifdef ZIRN_TEST_BACKEND
    // The test build only, never installed: a test names its own program and folder of marks
    // (made for its run; through cupsd.conf's SetEnv when CUPS runs it) and may set a short
    // deadline. The installer knows this build by the first name.
    if (const char* value = std::getenv("ZIRN_TEST_PROGRAM"))
        program = value;
    if (const char* value = std::getenv("ZIRN_TEST_MARKS"))
        marks = value;
    if (const char* value = std::getenv("ZIRN_TEST_JOB_SECONDS"))
        seconds = std::atoi(value);
#endif
    return zirn::print::run(argc, argv, program, seconds, marks);
}
