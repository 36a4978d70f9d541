#pragma once

#include "core/FileIdentity.h"
#include "core/settings/Settings.h"

#include <QObject>
#include <QString>

#include <optional>

namespace zirn {

class UpdateCheck;
class DefaultsStore;
class DocumentHandover;
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

    // Where documents that later launches hand over come from (may be none): the window takes
    // them through addDocument, holds the name while the check box says so, and gives it up at
    // the end.
    void setHandover(DocumentHandover* handover);
    // A document handed over while the window is open: listed after the others, so that Create
    // joins them into one PDF, and consumed at the end like the others. Refused (false) unless
    // the window is open with a document and no Create runs, and unless path is absolute and
    // names a file of the user's.
    bool addDocument(const QString& path);

    // Actions of the window.
    void passwordEnable();
    void pathClicked();
    void create();
    void cancel();
    void linkClicked();
    void combineDocumentsClicked();

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
    DocumentHandover* m_handover = nullptr;
    bool m_creating = false;

    // The documents handed over, the launch's first: each with the file its path named when it
    // came (only that one is deleted) and the name the window lists it by.
    struct Input
    {
        QString path;
        std::optional<FileIdentity> identity;
        QString name;
    };
    QList<Input> m_inputs;
    void listDocument(Input& input);
};

} // namespace zirn
