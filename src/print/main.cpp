// zirn-cups-backend: installed as /usr/lib/cups/backend/zirn, the device of the
// "Zirn PDF Writer" print queue.

#include "print/CupsBackend.h"

int main(int argc, char** argv)
{
    return zirn::print::run(argc, argv, ZIRN_PROGRAM_PATH);
}
