// Times a Create that joins documents against one that writes a single document of as many
// pages, through the program's own PDF creation (what the window's Create calls), unprotected
// and protected: the median wall time of a few runs each, and the ratio.
//
//   zirn-bench-combine <output folder> <runs> <single.pdf> <part.pdf>...

#include "core/DesktopServices.h"
#include "core/pdf/CreationWindow.h"
#include "core/pdf/PdfCreator.h"
#include "core/settings/Settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class NoDesktop : public zirn::DesktopServices
{
public:
    void openFile(const QString&) override {}
    void openUrl(const QUrl&) override {}
    int runCriticalAlert(const zirn::Alert& alert) override
    {
        std::fprintf(stderr, "%s %s\n", qPrintable(alert.message), qPrintable(alert.detail));
        return 0;
    }
    bool runNotice(const QString&, const QString&, const QString&, const QString&) override { return false; }
    void chooseFolder(const QString&, std::function<void(std::optional<QString>)>) override {}
};

class NoWindow : public zirn::CreationWindow
{
public:
    void showPassword(zirn::PdfProtection::Password) override {}
    void showFailure(const QString&, const QString&) override {}
};

// The median seconds of runs Creates of parts (one part: the single document's path).
double median(const QString& folder, int runs, const QList<zirn::DocumentPart>& parts, bool protect)
{
    NoDesktop desktop;
    NoWindow window;
    zirn::Settings settings{.OutputFileName = "out.pdf",
                            .InputFile = parts.front().path,
                            .OutputPath = folder,
                            .Title = "Benchmark",
                            .PasswordOwner = "owner",
                            .Overwrite = 1,
                            .UseEncryption = protect ? 1 : 0,
                            .AllowPrint = 1};
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (zirn::PdfCreator(desktop, window).createPdf(settings, parts).outcome !=
            zirn::PdfCreator::Outcome::Written)
            return -1;
        seconds.push_back(static_cast<double>(timer.elapsed()) / 1000.0);
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <output folder> <runs> <single.pdf> <part.pdf>...\n", argv[0]);
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    const int runs = std::max(1, std::atoi(argv[2]));
    const QList<zirn::DocumentPart> single = {{QFile::decodeName(argv[3]), "single"}};
    QList<zirn::DocumentPart> parts;
    for (int i = 4; i < argc; ++i)
        parts.append({QFile::decodeName(argv[i]), QFileInfo(QFile::decodeName(argv[i])).fileName()});
    for (const bool protect : {false, true}) {
        const double one = median(folder, runs, single, protect),
                     joined = median(folder, runs, parts, protect);
        if (one < 0 || joined < 0)
            return 1;
        std::printf("%s: one document %.2f s, %lld documents joined %.2f s, ratio %.2f (target <= 1.50)\n",
                    protect ? "protected (AES-128)" : "plain", one, static_cast<long long>(parts.size()),
                    joined, joined / one);
    }
    return 0;
}
