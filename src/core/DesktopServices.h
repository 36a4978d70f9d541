#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace zirn {

// A modal alert in the critical style. With no buttons the alert shows one default button.
struct Alert
{
    QString message;
    QString detail;
    QStringList buttons;
};

// What the program asks of the desktop: opening files and addresses with the user's default
// applications and modal questions. The program installs the real implementation; tests
// install a recorder that answers the questions.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // Opens the file with the user's default application for it. Failures are not reported.
    virtual void openFile(const QString& path) = 0;

    // Opens the address in the user's default browser. Failures are not reported.
    virtual void openUrl(const QUrl& url) = 0;

    // Shows alert modally and returns the index of the button pressed (0 for the first
    // button, also for the single default button), or -1 when it was dismissed otherwise.
    virtual int runCriticalAlert(const Alert& alert) = 0;

    // Shows the update notice modally: title, the message shown literally, a default and an
    // alternate button. True when the default button was chosen.
    virtual bool runNotice(const QString& title, const QString& message, const QString& defaultButton,
                           const QString& alternateButton) = 0;

    // Lets the user choose a folder (folders only, one, new folders allowed), starting in
    // start. Returns at once; done receives the chosen folder later, or nothing on cancel.
    virtual void chooseFolder(const QString& start, std::function<void(std::optional<QString>)> done) = 0;
};

} // namespace zirn
