#pragma once

#include "core/pdf/PdfDocument.h"

#include <QString>

#include <functional>

namespace zirn {

// What PDF creation needs of the main window.
class CreationWindow
{
public:
    virtual ~CreationWindow() = default;

    // Brings the "Encryption" tab forward and puts the keyboard focus into the field of the
    // password: the master password when it is missing, else the one that was refused.
    virtual void showPassword(PdfProtection::Password password) = 0;

    // Shows in the window itself why a Create stopped, where no alert may say it (Silent): the
    // message, and the detail below it. The next Create takes it away.
    virtual void showFailure(const QString& message, const QString& detail) = 0;

    // The output is being written: started, progress from 0 to 100, finished (also after a
    // failure). A large document takes seconds; the window shows that it is busy.
    virtual void writeStarted() {}
    virtual void writeProgress(int percent) { (void)percent; }
    virtual void writeFinished() {}

    // Runs the write between writeStarted and writeFinished and returns when it is done. A
    // window may run it on another thread, so that nothing of its own runs inside the write;
    // writeProgress is then called from that thread.
    virtual void runWrite(const std::function<void()>& write) { write(); }
};

} // namespace zirn
