#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}

namespace zirn {

// The program's only window, as the interface description lays it out. AppDelegate finds its
// controls by name and does all of its work; the window itself only gives Return and Escape
// the meaning they have in every dialog: Create and Cancel.
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
