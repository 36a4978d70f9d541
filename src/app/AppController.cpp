#include "app/AppController.h"

#include "BuildConfig.h"
#include "app/DocumentHandover.h"
#include "core/DefaultsStore.h"
#include "core/DesktopServices.h"
#include "core/Names.h"
#include "core/Paths.h"
#include "core/pdf/DocumentIntake.h"
#include "core/pdf/PdfCreator.h"
#include "core/settings/SettingsLoader.h"
#include "core/update/UpdateCheck.h"
#include "gui/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStringList>

#include <algorithm>

#include <unistd.h>

namespace zirn {

AppController::Config AppController::Config::standard()
{
    return {Paths::settingsFile(), QStringLiteral(":/zirn/Zirn.ini"), QStringLiteral(ZIRN_UPDATE_URL),
            QStringLiteral(ZIRN_HOME_URL)};
}

AppController::AppController(MainWindow& window, DesktopServices& desktop, DefaultsStore& store,
                             Config config, QObject* parent)
    : QObject(parent), m_window(window),
      m_updateCheck(new UpdateCheck(config.updateUrl, store, desktop, this)), m_config(std::move(config)),
      m_desktop(desktop), m_store(store)
{
    connect(&window, &MainWindow::createClicked, this, &AppController::create);
    connect(&window, &MainWindow::cancelClicked, this, &AppController::cancel);
    connect(&window, &MainWindow::passwordEnableClicked, this, &AppController::passwordEnable);
    connect(&window, &MainWindow::pathClicked, this, &AppController::pathClicked);
    connect(&window, &MainWindow::linkClicked, this, &AppController::linkClicked);
    connect(&window, &MainWindow::combineDocumentsClicked, this, &AppController::combineDocumentsClicked);
}

// --- Launch ------------------------------------------------------------------------------

void AppController::prepareLaunch()
{
    // The window's fixed texts come with its layout, translated when it is built.
}

bool AppController::openDocument(const QString& path)
{
    m_settings.InputFile = path;
    // A further document of the launch replaces the one before, which stays on the disk.
    m_inputs = {{path, FileIdentity::of(path), {}}};
    // The last component that is not empty: a path handed over with a trailing "/" names
    // what stands before it.
    const QStringList components = path.split(u'/', Qt::SkipEmptyParts);
    m_settings.OutputFileName = components.isEmpty() ? QString() : components.last();
    readDocumentInfo();
    return true;
}

void AppController::setHandover(DocumentHandover* handover)
{
    m_handover = handover;
    if (m_handover)
        m_handover->setAcceptor([this](const QString& path) { return addDocument(path); });
}

bool AppController::addDocument(const QString& path)
{
    // Only while the window is open for it: a document taken during a Create could miss the
    // output that then consumes it, and one taken once the window closed would be deleted unread.
    if (m_creating || !m_window.isVisible() || m_inputs.isEmpty())
        return false;
    // A document printed for this user is a file of theirs; the path is checked as the launch's
    // own, which the end deletes.
    const QFileInfo file(path);
    const std::optional<FileIdentity> identity = FileIdentity::of(path);
    if (!QDir::isAbsolutePath(path) || !file.isFile() || file.ownerId() != ::getuid() || !identity)
        return false;
    for (const Input& input : std::as_const(m_inputs))
        if (input.identity == identity)
            return true;
    if (m_window.listedDocuments().isEmpty())
        listDocument(m_inputs.front());
    m_inputs.append({path, identity, {}});
    listDocument(m_inputs.back());
    return true;
}

void AppController::listDocument(Input& input)
{
    const std::optional<DocumentSummary> summary = summarizeDocument(input.path);
    input.name = summary && !summary->title.isEmpty() ? summary->title : QFileInfo(input.path).fileName();
    m_window.listDocument(input.path, input.name, summary ? std::optional(summary->pages) : std::nullopt);
}

void AppController::combineDocumentsClicked()
{
    // The window takes documents while its box says so; never with AutoStart, nor without a
    // document of its own to join them to.
    if (!m_handover)
        return;
    if (m_window.combinesDocuments() && m_settings.AutoStart == 0 && !m_inputs.isEmpty())
        m_handover->claim();
    else
        m_handover->release();
}

void AppController::readDocumentInfo()
{
    zirn::readDocumentInfo(m_settings);
}

void AppController::finishLaunch()
{
    prepareSettingsFile();
    loadSettings();
    m_window.showSettings(m_settings);
    m_window.showLastCheck(m_updateCheck->lastCheckText().value_or(QString()));
    m_window.setLinks(m_config.homeUrl, m_desktop);
    passwordEnable();
    if (m_settings.AutoStart != 0)
        m_window.pressCreate();
    // The check follows a Create at launch, and runs only when the window stayed open: a Create
    // that succeeds ends the run before any answer could be shown, so a print with AutoStart
    // sends no request.
    if (m_settings.AutoUpdate != 0 && m_window.isVisible())
        m_updateCheck->checkForUpdate(false);
}

void AppController::prepareSettingsFile()
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

void AppController::loadSettings()
{
    SettingsLoader(m_store).loadSettings(m_settings, m_config.settingsFile);
}

// --- Actions -------------------------------------------------------------------------------

void AppController::passwordEnable()
{
    m_window.enableEncryptionControls();
}

void AppController::pathClicked()
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

void AppController::cancel()
{
    m_window.close();
}

void AppController::linkClicked()
{
    m_desktop.openFile(m_config.settingsFile);
}

QString AppController::normalizedFileName(const QString& name)
{
    QString result = name.isEmpty() ? QStringLiteral("File.pdf") : name;
    if (Paths::pathExtension(result) != QLatin1String("pdf"))
        result += QStringLiteral(".pdf");
    return result;
}

void AppController::create()
{
    m_window.readSettings(m_settings);
    m_settings.OutputFileName = normalizedFileName(m_settings.OutputFileName);
    saveSettings();
    // The write lets the event loop run: an update answer that comes meanwhile waits for the
    // end of Create, and is never shown when Create has closed the window and so ends the run.
    m_updateCheck->holdResult();
    m_creating = true;
    createPdf();
    m_creating = false;
    if (m_window.isVisible())
        m_updateCheck->releaseResult();
    else
        m_updateCheck->dropResult();
}

void AppController::saveSettings()
{
    SettingsLoader(m_store).saveSettings(m_settings);
}

void AppController::createPdf()
{
    // Several documents listed: one PDF of them in the listed order.
    QList<DocumentPart> parts;
    for (const QString& path : m_window.listedDocuments()) {
        const auto input = std::find_if(m_inputs.cbegin(), m_inputs.cend(),
                                        [&path](const Input& each) { return each.path == path; });
        parts.append({path, input != m_inputs.cend() ? input->name : path});
    }
    const PdfCreator::Result result = PdfCreator(m_desktop, m_window).createPdf(m_settings, parts);
    if (result.outcome != PdfCreator::Outcome::Written)
        return;
    // After the write: the post action, then the window closes, which ends the run.
    if (m_settings.PostAction == kPostActionOpenFile)
        m_desktop.openFile(result.outputPath);
    m_window.close();
}

// --- The end -----------------------------------------------------------------------------------

void AppController::aboutToQuit()
{
    if (m_handover)
        m_handover->release();
    // Every document handed over, listed or removed from the list, but only the file that was
    // handed over: another job may have been spooled under the same name since, and an output
    // that replaced an input is a new file too. The output is on the disk already (written and
    // flushed before it got its name).
    for (const Input& input : std::as_const(m_inputs))
        if (input.identity)
            removeIfSame(input.path, *input.identity);
}

} // namespace zirn
