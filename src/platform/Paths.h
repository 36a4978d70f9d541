#pragma once

#include <QString>

namespace zirn {

// Per-user locations and names, read from the environment at each call so that tests can
// point HOME and XDG_CONFIG_HOME at scratch folders.
class Paths
{
public:
    // ${XDG_CONFIG_HOME:-~/.config}/org.zirn.PDFWriter: the settings file and the store.
    static QString configFolder();

    // The settings file inside configFolder().
    static QString settingsFile();

    // The user's home folder.
    static QString homeFolder();

    // The desktop folder as the desktop names it (XDG user-dirs), ~/Desktop otherwise.
    static QString desktopFolder();

    // The login name of the current user (the passwd entry, then $USER); empty if unknown.
    static QString loginName();

    // A leading "~" or "~/" becomes the home folder and "~name/" that user's home folder;
    // every other path is returned unchanged, as is "~name" for an unknown user.
    static QString expandTilde(const QString& path);

    // The text after the last "." of the last path component; empty when there is none or
    // when the only "." starts the name (".pdf" has no extension).
    static QString pathExtension(const QString& path);

    // path without the last "." of its last component and what follows it.
    static QString deletingPathExtension(const QString& path);
};

} // namespace zirn
