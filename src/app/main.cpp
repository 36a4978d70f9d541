#include "BuildConfig.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // The window arrives with the application layer; until then say what would be opened.
    std::printf("Zirn PDF Writer %s\n", ZIRN_VERSION);
    for (int i = 1; i < argc; ++i)
        std::printf("would open: %s\n", argv[i]);
    return 0;
}
