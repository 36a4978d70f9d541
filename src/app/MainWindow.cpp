#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include <QIcon>

namespace zirn {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/zirn/org.zirn.PDFWriter.svg")));
}

MainWindow::~MainWindow() = default;

} // namespace zirn
