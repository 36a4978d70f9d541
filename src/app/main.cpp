#include "app/ApplicationLoop.h"

int main(int argc, char** argv)
{
    return zirn::ApplicationLoop::run(argc, argv);
}
