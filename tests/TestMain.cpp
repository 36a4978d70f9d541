#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

#ifdef ZIRN_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QCoreApplication;
#endif

namespace zirn::test {

namespace {
QTemporaryDir* g_scratch = nullptr;
}

QString scratchHome()
{
    return g_scratch->path() + QStringLiteral("/home");
}

QString freshFolder(const QString& area)
{
    const QString folder = scratchHome() + u'/' + area + u'/' +
                           QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name());
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

} // namespace zirn::test

int main(int argc, char** argv)
{
    // Never touch the real user's files: every test program gets its own home and
    // configuration folder, removed when it ends.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 2;
    zirn::test::g_scratch = &scratch;
    const QString home = scratch.path() + QStringLiteral("/home");
    QDir().mkpath(home + QStringLiteral("/.config"));
    for (const auto& [name, path] : {std::pair{"HOME", home},
                                     {"XDG_CONFIG_HOME", home + "/.config"},
                                     {"XDG_DATA_HOME", home + "/.local/share"},
                                     {"XDG_CACHE_HOME", home + "/.cache"},
                                     {"XDG_RUNTIME_DIR", scratch.path()}})
        qputenv(name, path.toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
