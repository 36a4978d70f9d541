#pragma once

#include "core/FileIdentity.h"
#include "core/settings/Settings.h"

#include <QObject>
#include <QString>

#include <optional>

namespace zirn {

class UpdateCheck;
class DefaultsStore;
class DesktopServices;
class MainWindow;

// The one controller of the program. The application loop creates it with the loaded
// window and tells it of the launch, of every document handed over and of the coming end;
// it owns the settings record and the update check, and runs the launch, Create and the end.
class AppController : public QObject
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

    AppController(MainWindow& window, DesktopServices& desktop, DefaultsStore& store, Config config,
                  QObject* parent = nullptr);

    // Callbacks of the application loop, in the order it sends them.
    void prepareLaunch();
    bool openDocument(const QString& path);
    void finishLaunch();
    void aboutToQuit();
    bool quitOnLastWindowClosed() const { return true; }

    // Actions of the window.
    void passwordEnable();
    void pathClicked();
    void create();
    void cancel();
    void linkClicked();

    // Operations of the launch and of Create.
    void prepareSettingsFile();
    void readDocumentInfo();
    void loadSettings();
    void saveSettings();
    void createPdf();

    // "File.pdf" for an empty name; ".pdf" appended unless the extension is exactly "pdf".
    static QString normalizedFileName(const QString& name);

private:
    MainWindow& m_window;
    UpdateCheck* m_updateCheck;
    Settings m_settings;
    Config m_config;

    DesktopServices& m_desktop;
    DefaultsStore& m_store;
    // The file that the input path named when it was handed over: only that one is deleted.
    std::optional<FileIdentity> m_inputIdentity;
};

} // namespace zirn
