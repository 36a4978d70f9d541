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
};

} // namespace zirn
