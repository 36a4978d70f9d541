#include "gui/MainWindow.h"

#include "core/Names.h"
#include "core/settings/Settings.h"
#include "ui_MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QIcon>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <limits>

namespace zirn {

namespace {

void setChecked(QCheckBox* box, qint64 value)
{
    box->setCheckState(value != 0 ? Qt::Checked : Qt::Unchecked);
}

qint64 switchOf(const QCheckBox* box)
{
    return box->checkState() == Qt::Checked ? 1 : 0;
}

} // namespace

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
            clear->setAccessibleName(QCoreApplication::translate("MainWindow", "Clear"));
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

    // Why the last Create stopped, where no alert says it; the next Create takes it away.
    m_ui->failure->hide();
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_ui->failureIcon->setPixmap(style()
                                     ->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this)
                                     .pixmap(QSize(iconSize, iconSize), devicePixelRatio()));
    connect(m_ui->create, &QPushButton::clicked, this, [this] {
        m_ui->failure->hide();
        emit createClicked();
    });
    connect(m_ui->cancel, &QPushButton::clicked, this, &MainWindow::cancelClicked);
    connect(m_ui->passwordEnable, &QCheckBox::clicked, this, &MainWindow::passwordEnableClicked);
    connect(m_ui->path, &PathControl::clicked, this, &MainWindow::pathClicked);
    connect(m_ui->zirnIniLink, &LinkLabel::linkClicked, this, &MainWindow::linkClicked);
    connect(m_ui->combineDocuments, &QCheckBox::clicked, this, &MainWindow::combineDocumentsClicked);
    m_ui->documentsInfo->hide();
    m_ui->documents->hide();
    // Emitted by the writing thread, so queued into this one.
    connect(this, &MainWindow::writeProgressed, this, [this](int percent) {
        if (m_progress)
            m_progress->setValue(percent);
    });
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
    // their own keys. A key that still reaches the window meanwhile (sent past the modality)
    // must not start a second Create or close the window under them.
    if (QApplication::activeModalWidget())
        return true;
    const QList<QDialog*> dialogs = findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    return std::any_of(dialogs.begin(), dialogs.end(),
                       [](const QDialog* dialog) { return dialog->isVisible(); });
}

void MainWindow::showSettings(const Settings& s)
{
    m_ui->fileName->setText(s.OutputFileName);
    m_ui->path->setFolder(s.OutputPath);
    m_ui->title->setText(s.Title);
    m_ui->subject->setText(s.Subject);
    m_ui->keywords->setText(s.Keywords);
    m_ui->author->setText(s.Author);
    setChecked(m_ui->autoUpdateEnable, s.AutoUpdate);
    setChecked(m_ui->combineDocuments, s.CombineDocuments);
    setChecked(m_ui->passwordEnable, s.UseEncryption);
    // Only the settings file chooses the key length; the box names the one that applies.
    m_ui->passwordEnable->setText(s.EncryptionKeyLength == 256
                                      ? QCoreApplication::translate("MainWindow", "Use 256-bit &encryption")
                                      : QCoreApplication::translate("MainWindow", "Use 128-bit &encryption"));
    setChecked(m_ui->passwordAllowPrinting, s.AllowPrint);
    setChecked(m_ui->passwordAllowCopyPaste, s.AllowCopyPaste);
    m_ui->passwordUser->setText(s.PasswordUser);
    m_ui->passwordOwner->setText(s.PasswordOwner);
    // The settings file can hold any number; a tab that does not exist leaves the first.
    QTabWidget* tabs = m_ui->tabView;
    tabs->setCurrentIndex(
        s.SelectedTab >= 0 && s.SelectedTab < tabs->count() ? static_cast<int>(s.SelectedTab) : 0);
    m_ui->postAction->setCurrentIndex(s.PostAction == kPostActionOpenFile ? 0 : 1);
}

void MainWindow::readSettings(Settings& s) const
{
    s.Title = m_ui->title->text();
    s.Subject = m_ui->subject->text();
    s.Keywords = m_ui->keywords->text();
    s.Author = m_ui->author->text();
    s.AutoUpdate = switchOf(m_ui->autoUpdateEnable);
    s.CombineDocuments = switchOf(m_ui->combineDocuments);
    s.UseEncryption = switchOf(m_ui->passwordEnable);
    s.AllowPrint = switchOf(m_ui->passwordAllowPrinting);
    s.AllowCopyPaste = switchOf(m_ui->passwordAllowCopyPaste);
    s.PasswordUser = m_ui->passwordUser->text();
    s.PasswordOwner = m_ui->passwordOwner->text();
    s.OutputPath = m_ui->path->folder();
    if (m_ui->tabView->currentIndex() >= 0)
        s.SelectedTab = m_ui->tabView->currentIndex();
    s.OutputFileName = m_ui->fileName->text();
    s.PostAction = m_ui->postAction->currentIndex() == 0 ? QString(kPostActionOpenFile) : QString();
}

void MainWindow::enableEncryptionControls()
{
    const bool on = m_ui->passwordEnable->checkState() == Qt::Checked;
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_ui->passwordUser, m_ui->passwordOwner, m_ui->passwordAllowPrinting,
                                         m_ui->passwordAllowCopyPaste})
        control->setEnabled(on);
}

void MainWindow::showLastCheck(const QString& when)
{
    m_ui->autoUpdateInfo->setText(QCoreApplication::translate("MainWindow", "Last Check: %1").arg(when));
}

void MainWindow::setLinks(const QString& homeUrl, DesktopServices& desktop)
{
    m_ui->link->setUrl(homeUrl);
    m_ui->link->setDesktopServices(&desktop);
    m_ui->zirnIniLink->setDesktopServices(&desktop);
    m_ui->zirnIniLink->setEnabled(true);
}

std::optional<QString> MainWindow::clickedFolder() const
{
    return m_ui->path->clickedPathItem();
}

void MainWindow::showFolder(const QString& folder)
{
    m_ui->path->setFolder(folder);
}

void MainWindow::pressCreate()
{
    m_ui->create->click();
}

void MainWindow::listDocument(const QString& path, const QString& name, std::optional<int> pages)
{
    m_ui->documents->addDocument(path, name, pages);
    const bool several = m_ui->documents->paths().size() > 1;
    m_ui->documentsInfo->setVisible(several);
    m_ui->documents->setVisible(several);
    if (several) {
        // In the Tab order after the author, as on screen, and before the buttons of the window.
        m_ui->documents->followInTabOrder(m_ui->author);
        QApplication::alert(this);
    }
}

QStringList MainWindow::listedDocuments() const
{
    return m_ui->documents->paths();
}

bool MainWindow::combinesDocuments() const
{
    return switchOf(m_ui->combineDocuments) != 0;
}

void MainWindow::showPassword(PdfProtection::Password password)
{
    m_ui->tabView->setCurrentIndex(1);
    (password == PdfProtection::Password::User ? m_ui->passwordUser : m_ui->passwordOwner)
        ->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showFailure(const QString& message, const QString& detail)
{
    const QString text = detail.isEmpty() ? message : message + u'\n' + detail;
    m_ui->failureText->setText(text);
    m_ui->failureText->setToolTip(text); // a long path may be wider than the window
    m_ui->failure->show();
    // Read out as screen readers read an alert.
    QAccessibleEvent shown(m_ui->failureText, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
}

void MainWindow::writeStarted()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_progress = new QProgressDialog(QCoreApplication::translate("MainWindow", "Creating the PDF file…"),
                                     QString(), 0, 100, this);
    m_progress->setWindowTitle(windowTitle());
    m_progress->setMinimumDuration(500);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setWindowModality(Qt::NonModal);
}

void MainWindow::writeProgress(int percent)
{
    emit writeProgressed(percent);
}

void MainWindow::runWrite(const std::function<void()>& write)
{
    // The write runs on a worker; this thread paints, feeds the progress dialog and takes what
    // arrives meanwhile, none of it inside the write. The controls ignore keys and clicks until
    // it is done.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    centralWidget()->setEnabled(false);
    QEventLoop waiting;
    QFutureWatcher<void> watcher;
    connect(&watcher, &QFutureWatcher<void>::finished, &waiting, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([&write] { write(); }));
    waiting.exec();
    // The application's end also ends this loop early; the write still has to finish.
    watcher.waitForFinished();
    centralWidget()->setEnabled(true);
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
}

void MainWindow::writeFinished()
{
    delete m_progress;
    QApplication::restoreOverrideCursor();
}

} // namespace zirn
