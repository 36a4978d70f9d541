#include "app/AppDelegate.h"

#include "BuildConfig.h"
#include "core/DefaultsStore.h"
#include "core/DesktopServices.h"
#include "core/Names.h"
#include "core/Paths.h"
#include "core/pdf/DocumentIntake.h"
#include "core/pdf/PdfCreator.h"
#include "core/settings/SettingsLoader.h"
#include "core/update/C_AutoUpdate.h"
#include "gui/MainWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStringList>

namespace zirn {

AppDelegate::Config AppDelegate::Config::standard()
{
    return {Paths::settingsFile(), QStringLiteral(":/zirn/Zirn.ini"), QStringLiteral(ZIRN_UPDATE_URL),
            QStringLiteral(ZIRN_HOME_URL)};
}

AppDelegate::AppDelegate(MainWindow& window, DesktopServices& desktop, DefaultsStore& store, Config config,
                         QObject* parent)
    : QObject(parent), m_window(window),
      m_autoUpdate(new C_AutoUpdate(config.updateUrl, store, desktop, this)), m_config(std::move(config)),
      m_desktop(desktop), m_store(store)
{
    connect(&window, &MainWindow::createClicked, this, &AppDelegate::create);
    connect(&window, &MainWindow::cancelClicked, this, &AppDelegate::cancel);
    connect(&window, &MainWindow::passwordEnableClicked, this, &AppDelegate::passwordEnable);
    connect(&window, &MainWindow::pathClicked, this, &AppDelegate::pathClicked);
    connect(&window, &MainWindow::linkClicked, this, &AppDelegate::linkClicked);
}

// --- Launch ------------------------------------------------------------------------------

void AppDelegate::applicationWillFinishLaunching()
{
    // The window's fixed texts come with its layout, translated when it is built.
}

bool AppDelegate::application(const QString& openFile)
{
    m_settings.InputFile = openFile;
    m_inputIdentity = FileIdentity::of(openFile);
    // The last component that is not empty: a path handed over with a trailing "/" names
    // what stands before it.
    const QStringList components = openFile.split(u'/', Qt::SkipEmptyParts);
    m_settings.OutputFileName = components.isEmpty() ? QString() : components.last();
    readDocumentInfo();
    return true;
}

void AppDelegate::readDocumentInfo()
{
    zirn::readDocumentInfo(m_settings);
}

void AppDelegate::applicationDidFinishLaunching()
{
    prepareSettingsFile();
    loadSettings();
    m_window.showSettings(m_settings);
    m_window.showLastCheck(m_autoUpdate->getLastUpdateCheck().value_or(QString()));
    if (m_settings.AutoUpdate != 0)
        m_autoUpdate->checkForUpdate(false);
    m_window.setLinks(m_config.homeUrl, m_desktop);
    passwordEnable();
    if (m_settings.AutoStart != 0)
        m_window.pressCreate();
}

void AppDelegate::prepareSettingsFile()
{
    const QString target = m_config.settingsFile;
    // Anything there, a file or a folder, is never replaced or changed.
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return;
    // The user may put passwords into the file: folder and file are the user's alone.
    Paths::makePrivateFolder(QFileInfo(target).absolutePath());
    QFile source(m_config.defaultSettingsFile);
    if (!source.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = source.readAll();
    // NewOnly: a file that appeared meanwhile is not replaced either.
    QFile copy(target);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return;
    if (copy.write(content) != content.size() || !copy.flush()) {
        copy.close();
        copy.remove();
    }
}

void AppDelegate::loadSettings()
{
    SettingsLoader(m_store).loadSettings(m_settings, m_config.settingsFile);
}

// --- Actions -------------------------------------------------------------------------------

void AppDelegate::passwordEnable()
{
    m_window.enableEncryptionControls();
}

void AppDelegate::pathClicked()
{
    const std::optional<QString> clicked = m_window.clickedFolder();
    if (!clicked)
        return;
    m_desktop.chooseFolder(*clicked,
                           [window = QPointer<MainWindow>(&m_window)](std::optional<QString> chosen) {
                               if (chosen && window)
                                   window->showFolder(*chosen);
                           });
}

void AppDelegate::cancel()
{
    m_window.close();
}

void AppDelegate::linkClicked()
{
    m_desktop.openFile(m_config.settingsFile);
}

QString AppDelegate::normalizedFileName(const QString& name)
{
    QString result = name.isEmpty() ? QStringLiteral("File.pdf") : name;
    if (Paths::pathExtension(result) != QLatin1String("pdf"))
        result += QStringLiteral(".pdf");
    return result;
}

void AppDelegate::create()
{
    m_window.readSettings(m_settings);
    m_settings.OutputFileName = normalizedFileName(m_settings.OutputFileName);
    saveSettings();
    // The write lets the event loop run: an update answer that comes meanwhile waits for the
    // end of Create, and is never shown when Create has closed the window and so ends the run.
    m_autoUpdate->holdResult();
    createPdf();
    if (m_window.isVisible())
        m_autoUpdate->releaseResult();
    else
        m_autoUpdate->dropResult();
}

void AppDelegate::saveSettings()
{
    SettingsLoader(m_store).saveSettings(m_settings);
}

void AppDelegate::createPdf()
{
    const PdfCreator::Result result = PdfCreator(m_desktop, m_window).createPdf(m_settings);
    if (result.outcome != PdfCreator::Outcome::Written)
        return;
    // After the write: the post action, then the window closes, which ends the run.
    if (m_settings.PostAction == kPostActionOpenFile)
        m_desktop.openFile(result.outputPath);
    m_window.close();
}

// --- The end -----------------------------------------------------------------------------------

void AppDelegate::applicationWillTerminate()
{
    // Only the file that was handed over: another job may have been spooled under the same
    // name since, and an output that replaced the input is a new file too. The output is on
    // the disk already (written and flushed before it got its name).
    if (m_inputIdentity)
        removeIfSame(m_settings.InputFile, *m_inputIdentity);
}

} // namespace zirn
