#include "platform/PrintHook.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace zirn;

namespace {

class PrintHookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = test::freshFolder(QStringLiteral("hook"));
        spool = root + QStringLiteral("/PDF");
        QDir().mkpath(spool);
        good = spool + QStringLiteral("/Quarterly_Report.pdf");
        test::writeFile(good, "%PDF-1.4\n%...\n");
    }

    std::optional<QString> refusal(const QString& path) const
    {
        return PrintHook::refusal(path, spool, ::getuid());
    }

    QString root, spool, good;
};

} // namespace

TEST_F(PrintHookTest, AcceptsAPrintedPdfInTheSpoolFolder)
{
    EXPECT_EQ(refusal(good), std::nullopt);
    // The spool folder may be named through a link; the file is still inside it.
    QFile::link(spool, root + QStringLiteral("/spool-link"));
    EXPECT_EQ(PrintHook::refusal(good, root + QStringLiteral("/spool-link"), ::getuid()), std::nullopt);
}

TEST_F(PrintHookTest, RefusesEverythingElse)
{
    // A missing file.
    EXPECT_EQ(refusal(spool + QStringLiteral("/gone.pdf")), QStringLiteral("no such file"));

    // A symbolic link in the spool folder, also one that points at a real PDF there.
    QFile::link(good, spool + QStringLiteral("/link.pdf"));
    EXPECT_EQ(refusal(spool + QStringLiteral("/link.pdf")), QStringLiteral("a symbolic link"));

    // A path outside the spool folder, in a subfolder of it, or reached through "..".
    const QString outside = root + QStringLiteral("/elsewhere.pdf");
    test::writeFile(outside, "%PDF-1.4\n");
    EXPECT_TRUE(refusal(outside)->startsWith(QStringLiteral("outside the spool folder")));
    QDir().mkpath(spool + QStringLiteral("/sub"));
    test::writeFile(spool + QStringLiteral("/sub/deeper.pdf"), "%PDF-1.4\n");
    EXPECT_TRUE(refusal(spool + QStringLiteral("/sub/deeper.pdf"))->startsWith(QStringLiteral("outside")));
    EXPECT_TRUE(refusal(spool + QStringLiteral("/../elsewhere.pdf"))->startsWith(QStringLiteral("outside")));

    // Not a regular file, not named .pdf, not a PDF inside.
    QDir().mkpath(spool + QStringLiteral("/folder.pdf"));
    EXPECT_EQ(refusal(spool + QStringLiteral("/folder.pdf")), QStringLiteral("not a regular file"));
    test::writeFile(spool + QStringLiteral("/script.sh"), "%PDF-1.4\n");
    EXPECT_EQ(refusal(spool + QStringLiteral("/script.sh")), QStringLiteral("not named .pdf"));
    test::writeFile(spool + QStringLiteral("/fake.pdf"), "#!/bin/sh\n");
    EXPECT_EQ(refusal(spool + QStringLiteral("/fake.pdf")), QStringLiteral("not a PDF document"));

    // A spool folder that does not exist accepts nothing.
    EXPECT_TRUE(PrintHook::refusal(good, root + QStringLiteral("/nowhere"), ::getuid())
                    ->startsWith(QStringLiteral("outside")));
}

TEST_F(PrintHookTest, RefusesAFileOfAnotherUser)
{
    // Only root can give a file away; as another user the file simply is not ours.
    if (::getuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(good).constData(), 65534, 65534), 0);
        EXPECT_EQ(refusal(good), QStringLiteral("owned by another user"));
    } else {
        EXPECT_EQ(PrintHook::refusal(good, spool, ::getuid() + 1), QStringLiteral("owned by another user"));
    }
}

TEST(PrintHook, ArgumentsAsCupsPdfPassesThem)
{
    const auto plain = PrintHook::parseArguments({"/home/a/PDF/Report.pdf", "a", "a"});
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->pdf, QStringLiteral("/home/a/PDF/Report.pdf"));
    EXPECT_EQ(plain->user, QStringLiteral("a"));
    // The command line is built without quotes: a blank in the path splits it.
    const auto split = PrintHook::parseArguments({"/home/Anna", "Maria/PDF/Report.pdf", "anna", "anna"});
    EXPECT_EQ(split->pdf, QStringLiteral("/home/Anna Maria/PDF/Report.pdf"));
    EXPECT_FALSE(PrintHook::parseArguments({"/x.pdf", "a"}).has_value());

    EXPECT_EQ(PrintHook::queueFromDeviceUri("cups-pdf:/Zirn_PDF_Writer"), QStringLiteral("Zirn_PDF_Writer"));
    EXPECT_EQ(PrintHook::queueFromDeviceUri("cups-pdf:/"), QString());
    EXPECT_EQ(PrintHook::queueFromDeviceUri("ipp://x/y"), QString());
}

TEST_F(PrintHookTest, SpoolFolderFromTheQueueConfiguration)
{
    const QString conf = root + QStringLiteral("/cups-pdf-Zirn_PDF_Writer.conf");
    test::writeFile(conf, "### Key: Out\n#Out /nowhere\nOut ${HOME}/PDF/${USER}\nLabel 0\n");
    EXPECT_EQ(PrintHook::spoolFolder(conf, "/home/anna", "anna"), QStringLiteral("/home/anna/PDF/anna"));
    EXPECT_EQ(PrintHook::spoolFolder(root + "/missing.conf", "/home/anna", "anna"),
              QStringLiteral("/home/anna/PDF"));
}

TEST_F(PrintHookTest, SessionEnvironmentFromAProcessWithADisplay)
{
    // A fake /proc: one process without a display, one with.
    const QString proc = root + QStringLiteral("/proc");
    QDir().mkpath(proc + QStringLiteral("/101"));
    QDir().mkpath(proc + QStringLiteral("/202"));
    QDir().mkpath(proc + QStringLiteral("/self"));
    test::writeFile(proc + QStringLiteral("/101/environ"), QByteArray("HOME=/h\0PATH=/bin\0", 18));
    test::writeFile(proc + QStringLiteral("/202/environ"),
                    QByteArray("HOME=/h\0WAYLAND_DISPLAY=wayland-0\0LANG=de_DE.UTF-8\0", 51));
    const auto environment = PrintHook::sessionEnvironmentFromProcesses(::getuid(), proc);
    ASSERT_TRUE(environment.has_value());
    EXPECT_TRUE(environment->contains("WAYLAND_DISPLAY=wayland-0"));
    EXPECT_TRUE(environment->contains("LANG=de_DE.UTF-8"));

    EXPECT_FALSE(PrintHook::hasDisplay({"DISPLAY=", "HOME=/h"}));
    EXPECT_TRUE(PrintHook::hasDisplay({"DISPLAY=:0"}));
    EXPECT_FALSE(PrintHook::sessionEnvironmentFromProcesses(::getuid() + 1, proc).has_value());
}

TEST_F(PrintHookTest, FindsTheProgram)
{
    EXPECT_EQ(PrintHook::programBeside("/usr/local/libexec/zirn-pdf-writer/zirn-print-hook"),
              QStringLiteral("/usr/local/bin/zirn-pdf-writer"));
    const QString bin = root + QStringLiteral("/bin");
    QDir().mkpath(bin);
    test::writeFile(bin + QStringLiteral("/zirn-pdf-writer"), "#!/bin/sh\n");
    QFile::setPermissions(bin + QStringLiteral("/zirn-pdf-writer"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(PrintHook::programBeside(bin + QStringLiteral("/zirn-print-hook")),
              bin + QStringLiteral("/zirn-pdf-writer"));
}
