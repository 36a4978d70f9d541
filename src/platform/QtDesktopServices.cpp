#include "platform/QtDesktopServices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

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
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zirn PDF Writer"), alert.message,
                    QMessageBox::NoButton, m_window);
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
    QMessageBox box(QMessageBox::Information, title, title, QMessageBox::NoButton, m_window);
    box.setInformativeText(message);
    showAsPlainText(box);
    QPushButton* yes = box.addButton(defaultButton, QMessageBox::YesRole);
    QPushButton* no = box.addButton(alternateButton, QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
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
