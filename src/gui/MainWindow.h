#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}

namespace zirn {

// The program's only window, as the interface description lays it out. AppDelegate finds its
// controls by name and does all of its work. The window itself only makes it work from the
// keyboard: Return and Escape mean Create and Cancel, as in every dialog, Ctrl+PgDown and
// Ctrl+PgUp step through the tabs, and its text fields take text of any length.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool dialogIsUp() const;

    std::unique_ptr<Ui::MainWindow> m_ui;
};

} // namespace zirn
