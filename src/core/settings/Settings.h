#pragma once

#include <QString>
#include <QtGlobal>

namespace zirn {

// The one record of all options of a run. Text fields first, then signed 64-bit integer
// fields; a switch is 0 for off and anything else for on. The record has no behaviour:
// the document intake, the settings load, the window and the PDF creation read and write
// its fields directly.
class Settings
{
public:
    QString OutputFileName;
    QString InputFile;
    QString OutputPath;
    QString Title;
    QString Subject;
    QString Keywords;
    QString Author;
    QString PostAction;
    QString PasswordUser;
    QString PasswordOwner;

    qint64 AutoStart = 0;
    qint64 Overwrite = 0;
    qint64 SelectedTab = 0;
    qint64 RememberEncryptionSettings = 0;
    qint64 UseEncryption = 0;
    qint64 AllowCopyPaste = 0;
    qint64 AllowPrint = 0;
    qint64 Silent = 0;
    qint64 UserAccessPermissions = 0;
    qint64 AutoUpdate = 1;
    // Key length of the protection: 256, or 128 for any other value. Set by the settings file
    // only; the window does not save it.
    qint64 EncryptionKeyLength = 128;
    // On: a document the program is started on while this user's window is open on the same
    // display joins that window, and Create writes them all into one PDF. Never with AutoStart.
    qint64 CombineDocuments = 0;
};

} // namespace zirn
