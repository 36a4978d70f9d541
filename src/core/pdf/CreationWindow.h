#pragma once

namespace zirn {

// What PDF creation needs of the main window.
class CreationWindow
{
public:
    virtual ~CreationWindow() = default;

    // Closes the main window, which ends the run.
    virtual void closeWindow() = 0;

    // Brings the "Encryption" tab forward and puts the keyboard focus into the master
    // password field.
    virtual void showMasterPassword() = 0;

    // The output is being written: started, progress from 0 to 100, finished (also after a
    // failure). A large document takes seconds; the window shows that it is busy.
    virtual void writeStarted() {}
    virtual void writeProgress(int percent) { (void)percent; }
    virtual void writeFinished() {}
};

} // namespace zirn
