// Runs one Create through the project's PDF creation, protected with AES-128, the way the
// window would after a click: zirn-bench-create <input.pdf> <output-folder> <file-name>

#include "pdf/CreationWindow.h"
#include "pdf/PdfCreator.h"
#include "platform/DesktopServices.h"
#include "settings/Settings.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

class NoDesktop : public zirn::DesktopServices
{
public:
    void openFile(const QString&) override {}
    void openUrl(const QUrl&) override {}
    int runCriticalAlert(const zirn::Alert& alert) override
    {
        std::fprintf(stderr, "%s %s\n", qPrintable(alert.message), qPrintable(alert.detail));
        return 1;
    }
    bool runNotice(const QString&, const QString&, const QString&, const QString&) override { return false; }
    void chooseFolder(const QString&, std::function<void(std::optional<QString>)> done) override { done({}); }
};

class NoWindow : public zirn::CreationWindow
{
public:
    void closeWindow() override {}
    void showMasterPassword() override {}
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s input.pdf output-folder file-name.pdf\n", argv[0]);
        return 2;
    }
    zirn::Settings settings;
    settings.InputFile = QString::fromLocal8Bit(argv[1]);
    settings.OutputPath = QString::fromLocal8Bit(argv[2]);
    settings.OutputFileName = QString::fromLocal8Bit(argv[3]);
    settings.Title = QStringLiteral("Benchmark");
    settings.Overwrite = 1;
    settings.UseEncryption = 1;
    settings.PasswordOwner = QStringLiteral("owner");
    settings.AllowPrint = 1;
    NoDesktop desktop;
    NoWindow window;
    zirn::PdfCreator creator(desktop, window);
    return creator.createPdf(settings).outcome == zirn::PdfCreator::Outcome::Written ? 0 : 1;
}
