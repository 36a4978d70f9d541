#pragma once

#include <QString>

#include <string>

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

    // The built-in output folder: the desktop folder, or the home folder on systems and
    // accounts that have no desktop folder.
    static QString defaultOutputFolder();

    // Creates path and every missing folder above it, each readable by its owner only: the
    // settings file and the store hold passwords. Folders that exist are left as they are.
    // True when path is a folder afterwards.
    static bool makePrivateFolder(const QString& path);

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

    // path in the file system's encoding, as the file primitives (core/files) take it.
    static std::string encoded(const QString& path);
};

} // namespace zirn
