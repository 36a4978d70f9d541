#include "gui/QtDesktopServices.h"

#include "core/Names.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zirn {

namespace {

// Texts from files and servers are shown as they are, never as markup.
void showAsPlainText(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

} // namespace

void QtDesktopServices::openFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtDesktopServices::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

int QtDesktopServices::runCriticalAlert(const Alert& alert)
{
    QMessageBox box(QMessageBox::Critical, QString(kProgramName), alert.message, QMessageBox::NoButton,
                    m_window);
    box.setInformativeText(alert.detail);
    showAsPlainText(box);
    QList<QAbstractButton*> buttons;
    if (alert.buttons.isEmpty()) {
        buttons.append(box.addButton(QMessageBox::Ok));
    } else {
        for (qsizetype i = 0; i < alert.buttons.size(); ++i) {
            const auto role = i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
            buttons.append(box.addButton(alert.buttons[i], role));
        }
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

bool QtDesktopServices::runNotice(const QString& title, const QString& message, const QString& defaultButton,
                                  const QString& alternateButton)
{
    // A dialog of our own rather than a message box: a long text scrolls and a long word
    // wraps, so that the notice and its buttons always fit the screen.
    QDialog dialog(m_window);
    dialog.setWindowTitle(title);
    const QScreen* screen = m_window ? m_window->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(800, 600);
    const int width = std::min(520, available.width() * 9 / 10);

    auto* heading = new QLabel(title, &dialog);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setTextFormat(Qt::PlainText); // texts from the server are never markup
    heading->setWordWrap(true);
    heading->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // a long word is cut
    auto* text = new QTextEdit(&dialog);
    text->setReadOnly(true);
    text->setPlainText(message);
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setFrameShape(QFrame::NoFrame);
    text->viewport()->setAutoFillBackground(false);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* yes = buttons->addButton(defaultButton, QDialogButtonBox::YesRole);
    buttons->addButton(alternateButton, QDialogButtonBox::NoRole);
    yes->setDefault(true);
    bool chosen = false;
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton* button) {
        chosen = button == yes;
        dialog.done(chosen ? QDialog::Accepted : QDialog::Rejected);
    });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(heading);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);

    // The text's own height, up to half the screen; beyond that it scrolls.
    const QMargins margins = layout->contentsMargins();
    text->document()->setTextWidth(width - margins.left() - margins.right() -
                                   text->verticalScrollBar()->sizeHint().width());
    const int textHeight = static_cast<int>(std::ceil(text->document()->size().height()));
    text->setFixedHeight(std::min(textHeight, available.height() / 2));
    dialog.setFixedWidth(width);
    dialog.exec();
    return chosen;
}

void QtDesktopServices::chooseFolder(const QString& start, std::function<void(std::optional<QString>)> done)
{
    auto* dialog = new QFileDialog(m_window, QString(), start);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly, true);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty())
            done(chosen.first());
        else
            done(std::nullopt);
    });
    dialog->open();
}

} // namespace zirn
