#include "app/AppDelegate.h"

#include "BuildConfig.h"
#include "core/pdf/DocumentIntake.h"
#include "core/pdf/PdfCreator.h"
#include "core/DefaultsStore.h"
#include "core/DesktopServices.h"
#include "core/Paths.h"
#include "core/settings/SettingsLoader.h"
#include "core/update/C_AutoUpdate.h"
#include "gui/widgets/PathControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>

namespace zirn {

namespace {

template <typename T>
T* control(QMainWindow* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("The main window has no control named %s", name);
    return found;
}

void setChecked(QCheckBox* box, qint64 value)
{
    box->setCheckState(value != 0 ? Qt::Checked : Qt::Unchecked);
}

qint64 switchOf(const QCheckBox* box)
{
    return box->checkState() == Qt::Checked ? 1 : 0;
}

} // namespace

AppDelegate::Config AppDelegate::Config::standard()
{
    return {Paths::settingsFile(), QStringLiteral(":/zirn/Zirn.ini"), QStringLiteral(ZIRN_UPDATE_URL),
            QStringLiteral(ZIRN_HOME_URL)};
}

AppDelegate::AppDelegate(QMainWindow* window, DesktopServices& desktop, DefaultsStore& store, Config config,
                         QObject* parent)
    : QObject(parent), m_window(window),
      m_autoUpdate(new C_AutoUpdate(config.updateUrl, store, desktop, this)), m_config(std::move(config)),
      m_desktop(desktop), m_store(store)
{
    // What the interface description connects: the controls and the actions.
    Controls& c = m_controls;
    c.tabView = control<QTabWidget>(window, "tabView");
    c.fileName = control<QLineEdit>(window, "fileName");
    c.fileNameInfo = control<QLabel>(window, "fileNameInfo");
    c.path = control<PathControl>(window, "path");
    c.create = control<QPushButton>(window, "create");
    c.cancel = control<QPushButton>(window, "cancel");
    c.link = control<C_NSTextFieldWithLink>(window, "link");
    c.title = control<QLineEdit>(window, "title");
    c.titleInfo = control<QLabel>(window, "titleInfo");
    c.subject = control<QLineEdit>(window, "subject");
    c.subjectInfo = control<QLabel>(window, "subjectInfo");
    c.keywords = control<QLineEdit>(window, "keywords");
    c.keywordsInfo = control<QLabel>(window, "keywordsInfo");
    c.author = control<QLineEdit>(window, "author");
    c.authorInfo = control<QLabel>(window, "authorInfo");
    c.passwordEnable = control<QCheckBox>(window, "passwordEnable");
    c.passwordUser = control<QLineEdit>(window, "passwordUser");
    c.passwordUserInfo = control<QLabel>(window, "passwordUserInfo");
    c.passwordOwner = control<QLineEdit>(window, "passwordOwner");
    c.passwordOwnerInfo = control<QLabel>(window, "passwordOwnerInfo");
    c.passwordAllowPrinting = control<QCheckBox>(window, "passwordAllowPrinting");
    c.passwordAllowCopyPaste = control<QCheckBox>(window, "passwordAllowCopyPaste");
    c.autoUpdateInfo = control<QLabel>(window, "autoUpdateInfo");
    c.autoUpdateEnable = control<QCheckBox>(window, "autoUpdateEnable");
    c.zirnIniLink = control<C_NSTextFieldWithLink>(window, "zirnIniLink");
    c.postAction = control<QComboBox>(window, "postAction");
    c.postActionInfo = control<QLabel>(window, "postActionInfo");

    c.zirnIniLink->setDelegate(this);
    c.zirnIniLink->setDesktopServices(&m_desktop);
    c.link->setDesktopServices(&m_desktop);
    connect(c.create, &QPushButton::clicked, this, &AppDelegate::create);
    connect(c.cancel, &QPushButton::clicked, this, &AppDelegate::cancel);
    connect(c.passwordEnable, &QCheckBox::clicked, this, &AppDelegate::passwordEnable);
    connect(c.path, &PathControl::clicked, this, &AppDelegate::pathClicked);
}

AppDelegate::~AppDelegate()
{
    if (m_progress)
        delete m_progress;
}

// --- Launch ------------------------------------------------------------------------------

void AppDelegate::applicationWillFinishLaunching()
{
    setFixedTexts();
}

void AppDelegate::setFixedTexts()
{
    // The "&" marks each caption's access key (Alt+letter focuses its field or toggles its box);
    // each language picks its own letters, distinct within a tab.
    Controls& c = m_controls;
    c.create->setText(QCoreApplication::translate("Zirn", "Create"));
    c.cancel->setText(QCoreApplication::translate("Zirn", "Cancel"));
    c.fileNameInfo->setText(QCoreApplication::translate("Zirn", "PDF &File"));
    c.titleInfo->setText(QCoreApplication::translate("Zirn", "&Title"));
    c.subjectInfo->setText(QCoreApplication::translate("Zirn", "&Subject"));
    c.keywordsInfo->setText(QCoreApplication::translate("Zirn", "&Keywords"));
    c.authorInfo->setText(QCoreApplication::translate("Zirn", "&Author"));
    c.passwordEnable->setText(QCoreApplication::translate("Zirn", "Use 128-bit &encryption"));
    c.passwordUserInfo->setText(QCoreApplication::translate("Zirn", "&User password for limited access"));
    c.passwordOwnerInfo->setText(QCoreApplication::translate("Zirn", "&Master password for full control"));
    c.passwordAllowPrinting->setText(QCoreApplication::translate("Zirn", "Allow &printing"));
    c.passwordAllowCopyPaste->setText(QCoreApplication::translate("Zirn", "Allow '&copy and paste'"));
    c.autoUpdateEnable->setText(QCoreApplication::translate("Zirn", "Automatically check for &updates"));
    c.tabView->setTabText(0, QCoreApplication::translate("Zirn", "General"));
    c.tabView->setTabText(1, QCoreApplication::translate("Zirn", "Encryption"));
    c.tabView->setTabText(2, QCoreApplication::translate("Zirn", "Settings"));
    c.postActionInfo->setText(QCoreApplication::translate("Zirn", "&After PDF Creation"));
    c.postAction->addItem(QCoreApplication::translate("Zirn", "Open Created File"));
    c.postAction->addItem(QCoreApplication::translate("Zirn", "Do Nothing"));
}

bool AppDelegate::application(const QString& openFile)
{
    m_settings.InputFile = openFile;
    m_inputIdentity = FileIdentity::of(openFile);
    m_settings.OutputFileName = QFileInfo(openFile).fileName();
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
    showSettings();
    showLastCheck();
    if (m_settings.AutoUpdate != 0 && m_autoUpdate)
        m_autoUpdate->checkForUpdate(false);
    setLinks();
    passwordEnable();
    if (m_settings.AutoStart != 0)
        m_controls.create->click();
}

void AppDelegate::prepareSettingsFile()
{
    const QString target = m_config.settingsFile;
    // Anything there, a file or a folder, is never replaced or changed.
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return;
    // The user may put passwords into the file: folder and file are the user's alone.
    Paths::makePrivateFolder(QFileInfo(target).absolutePath());
    if (m_config.defaultSettingsFile.isEmpty())
        return;
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

void AppDelegate::showSettings()
{
    Controls& c = m_controls;
    const Settings& s = m_settings;
    c.fileName->setText(s.OutputFileName);
    c.path->setURL(s.OutputPath);
    c.title->setText(s.Title);
    c.subject->setText(s.Subject);
    c.keywords->setText(s.Keywords);
    c.author->setText(s.Author);
    setChecked(c.autoUpdateEnable, s.AutoUpdate);
    setChecked(c.passwordEnable, s.UseEncryption);
    setChecked(c.passwordAllowPrinting, s.AllowPrint);
    setChecked(c.passwordAllowCopyPaste, s.AllowCopyPaste);
    c.passwordUser->setText(s.PasswordUser);
    c.passwordOwner->setText(s.PasswordOwner);
    // The settings file can hold any number; a tab that does not exist leaves the first.
    c.tabView->setCurrentIndex(
        s.SelectedTab >= 0 && s.SelectedTab < c.tabView->count() ? static_cast<int>(s.SelectedTab) : 0);
    c.postAction->setCurrentIndex(s.PostAction == QLatin1String("openFile") ? 0 : 1);
}

void AppDelegate::showLastCheck()
{
    const std::optional<QString> last = m_autoUpdate ? m_autoUpdate->getLastUpdateCheck() : std::nullopt;
    m_controls.autoUpdateInfo->setText(
        QCoreApplication::translate("Zirn", "Last Check: %1").arg(last.value_or(QString())));
}

void AppDelegate::setLinks()
{
    m_controls.link->setUrl(m_config.homeUrl);
    m_controls.zirnIniLink->setStringValue(
        QCoreApplication::translate("Zirn", "You can adjust much more settings in the Zirn.ini."));
    m_controls.zirnIniLink->setEnabled(true);
}

// --- Actions -------------------------------------------------------------------------------

void AppDelegate::passwordEnable()
{
    const bool on = m_controls.passwordEnable->checkState() == Qt::Checked;
    m_controls.passwordUser->setEnabled(on);
    m_controls.passwordOwner->setEnabled(on);
    m_controls.passwordAllowPrinting->setEnabled(on);
    m_controls.passwordAllowCopyPaste->setEnabled(on);
}

void AppDelegate::pathClicked()
{
    const std::optional<QString> clicked = m_controls.path->clickedPathItem();
    if (!clicked)
        return;
    QPointer<PathControl> path = m_controls.path;
    m_desktop.chooseFolder(*clicked, [path](std::optional<QString> chosen) {
        if (chosen && path)
            path->setURL(*chosen);
    });
}

void AppDelegate::cancel()
{
    if (m_window)
        m_window->close();
}

void AppDelegate::linkClicked(C_NSTextFieldWithLink*)
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
    const Controls& c = m_controls;
    Settings& s = m_settings;
    s.Title = c.title->text();
    s.Subject = c.subject->text();
    s.Keywords = c.keywords->text();
    s.Author = c.author->text();
    s.AutoUpdate = switchOf(c.autoUpdateEnable);
    s.UseEncryption = switchOf(c.passwordEnable);
    s.AllowPrint = switchOf(c.passwordAllowPrinting);
    s.AllowCopyPaste = switchOf(c.passwordAllowCopyPaste);
    s.PasswordUser = c.passwordUser->text();
    s.PasswordOwner = c.passwordOwner->text();
    s.OutputPath = c.path->URL();
    if (c.tabView->currentIndex() >= 0)
        s.SelectedTab = c.tabView->currentIndex();
    s.OutputFileName = normalizedFileName(c.fileName->text());
    s.PostAction = c.postAction->currentIndex() == 0 ? QStringLiteral("openFile") : QString();
    saveSettings();
    createPdf();
}

void AppDelegate::saveSettings()
{
    SettingsLoader(m_store).saveSettings(m_settings);
}

void AppDelegate::createPdf()
{
    PdfCreator creator(m_desktop, *this);
    const PdfCreator::Result result = creator.createPdf(m_settings);
    if (result.outcome == PdfCreator::Outcome::Written)
        m_lastOutput = result.outputPath;
}

// --- What creation asks of the window -----------------------------------------------------------

void AppDelegate::closeWindow()
{
    if (m_window)
        m_window->close();
}

void AppDelegate::showMasterPassword()
{
    m_controls.tabView->setCurrentIndex(1);
    m_controls.passwordOwner->setFocus(Qt::OtherFocusReason);
}

void AppDelegate::writeStarted()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_progress = new QProgressDialog(QCoreApplication::translate("Zirn", "Creating the PDF file…"), QString(),
                                     0, 100, m_window);
    m_progress->setWindowTitle(QStringLiteral("Zirn PDF Writer"));
    m_progress->setMinimumDuration(500);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setWindowModality(Qt::NonModal);
}

void AppDelegate::writeProgress(int percent)
{
    if (!m_progress)
        return;
    m_progress->setValue(percent);
    // Repaint without taking clicks or network answers while the file is being written.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
}

void AppDelegate::writeFinished()
{
    delete m_progress;
    QApplication::restoreOverrideCursor();
}

// --- The end -----------------------------------------------------------------------------------

void AppDelegate::applicationWillTerminate()
{
    // Only the file that was handed over: another job may have been spooled under the same
    // name since, and an output that replaced the input is a new file too. The output is on
    // the disk already (written and flushed before it got its name).
    if (m_settings.InputFile.isEmpty() || !m_inputIdentity)
        return;
    removeIfSame(m_settings.InputFile, *m_inputIdentity);
}

} // namespace zirn
