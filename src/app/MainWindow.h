#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}

namespace zirn {

// The program's only window, as the interface description lays it out. It has no logic of
// its own: AppDelegate finds its controls by name and does all of its work.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

private:
    std::unique_ptr<Ui::MainWindow> m_ui;
};

} // namespace zirn
