#pragma once

#include "core/pdf/CreationWindow.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class QProgressDialog;

namespace Ui {
class MainWindow;
}

namespace zirn {

class DesktopServices;
class Settings;

// The program's only window: shows a settings record and reads it back, and tells of its
// actions by signals. It works from the keyboard: Return and Escape mean Create and Cancel,
// as in every dialog, Ctrl+PgDown and Ctrl+PgUp step through the tabs, and its text fields
// take text of any length. A Create writes its file on a worker thread while the window's
// controls are disabled and a progress dialog follows the write.
class MainWindow : public QMainWindow, public CreationWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Fills the controls from the record; later changes of the record are not shown.
    void showSettings(const Settings& settings);
    // Copies the controls into the record, whether they are enabled or not; the file name as typed.
    void readSettings(Settings& settings) const;

    // Enables the four encryption controls while the encryption box is on, without changing them.
    void enableEncryptionControls();
    void showLastCheck(const QString& when);
    // The home page link opens homeUrl; both links open through desktop.
    void setLinks(const QString& homeUrl, DesktopServices& desktop);
    // The folder of the path component clicked last, and showing a chosen folder.
    std::optional<QString> clickedFolder() const;
    void showFolder(const QString& folder);
    // Create, pressed by the program as a click would.
    void pressCreate();

    // The documents of the next Create: another one appended (the list shows once it holds
    // more than one, and the window asks for attention), and those listed, in their order.
    void listDocument(const QString& path, const QString& name, std::optional<int> pages);
    QStringList listedDocuments() const;
    // Whether the box that adds documents printed meanwhile is on.
    bool combinesDocuments() const;

    // CreationWindow
    void showPassword(PdfProtection::Password password) override;
    // A line above the buttons, with the critical icon.
    void showFailure(const QString& message, const QString& detail) override;
    void writeStarted() override;
    void writeProgress(int percent) override;
    void writeFinished() override;
    void runWrite(const std::function<void()>& write) override;

signals:
    void createClicked();
    void cancelClicked();
    void passwordEnableClicked();
    void pathClicked();
    void linkClicked();
    void combineDocumentsClicked();
    // From the thread that writes; delivered to the progress dialog in the window's thread.
    void writeProgressed(int percent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool dialogIsUp() const;

    std::unique_ptr<Ui::MainWindow> m_ui;
    QPointer<QProgressDialog> m_progress;
};

} // namespace zirn
