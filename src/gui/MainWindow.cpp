#include "gui/MainWindow.h"

#include "ui_MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace zirn {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/zirn/org.zirn.PDFWriter.svg")));
    // QLineEdit silently cuts text at 32,767 characters; keywords or a title pasted from a long
    // document must reach the PDF whole.
    for (QLineEdit* field : {m_ui->fileName, m_ui->title, m_ui->subject, m_ui->keywords, m_ui->author,
                             m_ui->passwordUser, m_ui->passwordOwner}) {
        field->setMaxLength(std::numeric_limits<int>::max());
        // The field's clear button would reach a screen reader as a button without a name.
        for (QToolButton* clear : field->findChildren<QToolButton*>())
            clear->setAccessibleName(QCoreApplication::translate("Zirn", "Clear"));
    }

    // Ctrl+Tab is the tab widget's own; Ctrl+PgDown and Ctrl+PgUp step through the tabs as in
    // browsers and most other programs, even from the pop-up, which would take PgDown itself.
    QTabWidget* tabs = m_ui->tabView;
    const auto step = [tabs](int by) {
        tabs->setCurrentIndex((tabs->currentIndex() + by + tabs->count()) % tabs->count());
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this), &QShortcut::activated, this,
            [step] { step(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this), &QShortcut::activated, this,
            [step] { step(-1); });
}

MainWindow::~MainWindow() = default;

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // A key arrives here only when the focused control has no use for it: fields, check boxes,
    // the pop-up and the tab bar pass Return and Escape on, while buttons, path components and
    // links take them for themselves. A held key does not repeat Create.
    if (!event->isAutoRepeat() && !dialogIsUp()) {
        const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                           (event->modifiers() == Qt::NoModifier ||
                            (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter));
        if (enter) {
            event->accept();
            m_ui->create->click();
            return;
        }
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            m_ui->cancel->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool MainWindow::dialogIsUp() const
{
    // Alerts, the folder chooser and the progress dialog are children of this window and handle
    // their own keys. A key that still reaches the window meanwhile (one queued while the file
    // was written, or sent past the modality) must not start a second Create or close the window
    // under them.
    if (QApplication::activeModalWidget())
        return true;
    const QList<QDialog*> dialogs = findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    return std::any_of(dialogs.begin(), dialogs.end(),
                       [](const QDialog* dialog) { return dialog->isVisible(); });
}

} // namespace zirn
