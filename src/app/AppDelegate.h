#pragma once

#include "core/OutputFile.h"
#include "core/pdf/CreationWindow.h"
#include "core/settings/Settings.h"
#include "gui/widgets/C_NSTextFieldWithLink.h"

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class QProgressDialog;
class QPushButton;
class QTabWidget;

namespace zirn {

class C_AutoUpdate;
class DefaultsStore;
class DesktopServices;
class PathControl;

// The one controller of the program. The application loop creates it with the loaded
// window and tells it of the launch, of every document handed over and of the coming end;
// it owns the settings record and the updater, and does all of the window's work.
class AppDelegate : public QObject, public CreationWindow, public LinkClickedDelegate
{
    Q_OBJECT

public:
    struct Config
    {
        QString settingsFile;        // where Zirn.ini lives (zirnIniURL)
        QString defaultSettingsFile; // the shipped default copied on the first run
        QString updateUrl;           // address of the update service
        QString homeUrl;             // the maker's home page

        // The installed program's configuration: the per-user settings file, the default
        // built into the program, and the build's addresses.
        static Config standard();
    };

    // The window's 27 controls, found by name in the window.
    struct Controls
    {
        QTabWidget* tabView;
        QLineEdit* fileName;
        QLabel* fileNameInfo;
        PathControl* path;
        QPushButton* create;
        QPushButton* cancel;
        C_NSTextFieldWithLink* link;
        QLineEdit* title;
        QLabel* titleInfo;
        QLineEdit* subject;
        QLabel* subjectInfo;
        QLineEdit* keywords;
        QLabel* keywordsInfo;
        QLineEdit* author;
        QLabel* authorInfo;
        QCheckBox* passwordEnable;
        QLineEdit* passwordUser;
        QLabel* passwordUserInfo;
        QLineEdit* passwordOwner;
        QLabel* passwordOwnerInfo;
        QCheckBox* passwordAllowPrinting;
        QCheckBox* passwordAllowCopyPaste;
        QLabel* autoUpdateInfo;
        QCheckBox* autoUpdateEnable;
        C_NSTextFieldWithLink* zirnIniLink;
        QComboBox* postAction;
        QLabel* postActionInfo;
    };

    AppDelegate(QMainWindow* window, DesktopServices& desktop, DefaultsStore& store, Config config,
                QObject* parent = nullptr);
    ~AppDelegate() override;

    // Callbacks of the application loop, in the order it sends them.
    void applicationWillFinishLaunching();
    bool application(const QString& openFile);
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    bool applicationSupportsSecureRestorableState() const { return true; }
    bool applicationShouldTerminateAfterLastWindowClosed() const { return true; }

    // Actions of the window.
    void passwordEnable();
    void pathClicked();
    void create();
    void cancel();
    void linkClicked(C_NSTextFieldWithLink* sender) override;

    // Operations of the launch and of Create.
    void prepareSettingsFile();
    void readDocumentInfo();
    void loadSettings();
    void saveSettings();
    void createPdf();

    // CreationWindow
    void closeWindow() override;
    void showMasterPassword() override;
    void writeStarted() override;
    void writeProgress(int percent) override;
    void writeFinished() override;

    // "File.pdf" for an empty name; ".pdf" appended unless the extension is exactly "pdf".
    static QString normalizedFileName(const QString& name);

    Settings& settings() { return m_settings; }
    const Controls& controls() const { return m_controls; }
    C_AutoUpdate* autoUpdate() const { return m_autoUpdate; }
    const QString& zirnIniURL() const { return m_config.settingsFile; }
    QMainWindow* window() const { return m_window; }
    // Where the last Create wrote its file; empty when nothing was written.
    const QString& lastOutput() const { return m_lastOutput; }

private:
    void setFixedTexts();
    void showSettings();
    void showLastCheck();
    void setLinks();

    QPointer<QMainWindow> m_window;
    Controls m_controls{};
    C_AutoUpdate* m_autoUpdate;
    Settings m_settings;
    Config m_config;

    DesktopServices& m_desktop;
    DefaultsStore& m_store;
    QString m_lastOutput;
    // The file that the input path named when it was handed over: only that one is deleted.
    std::optional<FileIdentity> m_inputIdentity;
    QPointer<QProgressDialog> m_progress;
};

} // namespace zirn
