// zirn-print-hook: the post-processing command of the "Zirn PDF Writer" print queue.

#include "platform/PrintHook.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return zirn::PrintHook::run(QCoreApplication::arguments().mid(1));
}
