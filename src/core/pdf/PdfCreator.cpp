#include "core/pdf/PdfCreator.h"

#include "BuildConfig.h"
#include "core/DesktopServices.h"
#include "core/Names.h"
#include "core/Paths.h"
#include "core/files/Files.h"
#include "core/pdf/CreationWindow.h"
#include "core/pdf/Passwords.h"
#include "core/settings/Settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>

namespace zirn {

namespace {

QString appendComponent(const QString& folder, const QString& name)
{
    return QFile::decodeName(files::join(Paths::encoded(folder), Paths::encoded(name)).c_str());
}

// "Zirn PDF Writer [<version>] [<home page>]"
QString creatorStamp()
{
    return QStringLiteral("%1 [%2] [%3]")
        .arg(kProgramName, QStringLiteral(ZIRN_VERSION), QStringLiteral(ZIRN_HOME_URL));
}

// OutputPath with a leading "~" expanded; the built-in folder when it is empty.
QString outputFolder(const Settings& settings)
{
    if (settings.OutputPath.isEmpty())
        return Paths::defaultOutputFolder();
    return Paths::expandTilde(settings.OutputPath);
}

// UserAccessPermissions (ignored when negative), with 2 added for AllowPrint and 16 for
// AllowCopyPaste.
quint32 grantedPermissions(const Settings& settings)
{
    quint32 bits = 0;
    if (settings.UserAccessPermissions > 0)
        bits = static_cast<quint32>(settings.UserAccessPermissions & 0xFFFFFFFF);
    if (settings.AllowPrint != 0)
        bits |= 2u;
    if (settings.AllowCopyPaste != 0)
        bits |= 16u;
    return bits;
}

// "Name 1.pdf", "Name 2.pdf", ...: the first free numbered name in folder from number on,
// which is left at the number used; nothing when every one is taken.
std::optional<QString> numberedLocation(const QString& folder, const QString& fileName, unsigned long& number)
{
    const std::optional<std::string> path = files::firstFreeNumberedName(
        AT_FDCWD, Paths::encoded(appendComponent(folder, Paths::deletingPathExtension(fileName))), number);
    if (!path)
        return std::nullopt;
    return QFile::decodeName(path->c_str());
}

QString noFreeNumber()
{
    return QCoreApplication::translate("Zirn", "Every numbered name for this file is taken.");
}

// Our own words for the usual system errors, the system's text for the rest, the PDF
// library's message as it is.
QString failureReason(const FileFailure& failure)
{
    switch (failure.error) {
    case 0:
        return failure.message;
    case ENOENT:
        return QCoreApplication::translate("Zirn", "The folder does not exist.");
    case ENOTDIR:
        return QCoreApplication::translate("Zirn", "A part of the folder's path is not a folder.");
    case EISDIR:
        return QCoreApplication::translate("Zirn", "A folder of that name is in the way.");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("Zirn", "The disk is full.");
    case EFBIG:
        return QCoreApplication::translate("Zirn", "The file is too large.");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Zirn", "Permission denied.");
    case EROFS:
        return QCoreApplication::translate("Zirn", "The disk is read-only.");
    case EOPNOTSUPP: // what the output file reports when the name cannot be given
    case ENOSYS:
        return QCoreApplication::translate("Zirn", "The folder's file system cannot rename files.");
    case EINVAL:
        return QCoreApplication::translate("Zirn", "The folder's file system does not allow this file name.");
    default:
        return QString::fromLocal8Bit(std::strerror(failure.error));
    }
}

} // namespace

PdfCreator::PdfCreator(DesktopServices& desktop, CreationWindow& window)
    : m_desktop(desktop), m_window(window)
{}

bool PdfCreator::mayReplace(const Settings& settings, const QString& location)
{
    const QString taken =
        QCoreApplication::translate("Zirn", "The file '%1' already exists in the same folder.")
            .arg(QFileInfo(location).fileName());
    // Silent asks nothing and writes nothing over it, but still says why nothing was written.
    if (settings.Silent != 0) {
        tell(settings, {taken, location, {}});
        return false;
    }
    return m_desktop.runCriticalAlert(
               {taken,
                QCoreApplication::translate("Zirn", "Do you want to overwrite this file?"),
                {QCoreApplication::translate("Zirn", "Overwrite"),
                 QCoreApplication::translate("Zirn", "Cancel")}}) == 0;
}

void PdfCreator::tell(const Settings& settings, const Alert& alert, bool alsoSilent)
{
    if (settings.Silent != 0) {
        // On standard error, which the journal keeps when the printer started the program.
        qWarning("%s", qUtf8Printable(alert.message + u' ' + QString(alert.detail).replace(u'\n', u' ')));
        if (!alsoSilent) {
            m_window.showFailure(alert.message, alert.detail);
            return;
        }
    }
    m_desktop.runCriticalAlert(alert);
}

PdfCreator::Result PdfCreator::fail(const Settings& settings, const QString& location, const QString& reason)
{
    // The path stays first and as it is; the reason follows on a line of its own.
    tell(settings, {QCoreApplication::translate("Zirn", "Can't create PDF file."),
                    reason.isEmpty() ? location : location + u'\n' + reason,
                    {}});
    return {};
}

PdfCreator::TakenName PdfCreator::takenName(const Settings& settings)
{
    switch (settings.Overwrite) {
    case 0:
        return TakenName::Ask;
    case 2:
        return TakenName::Number;
    default:
        return TakenName::Replace;
    }
}

PdfCreator::Result PdfCreator::place(std::unique_ptr<OutputFile> output, const Settings& settings,
                                     TakenName policy, QString location, unsigned long number,
                                     bool replaceConfirmed)
{
    for (;;) {
        // Only the replace policy, or the user's answer, puts the file over another.
        const bool replacing = policy == TakenName::Replace || replaceConfirmed;
        const std::optional<FileFailure> failure =
            replacing ? output->replace(location) : output->claim(location);
        if (!failure)
            return {Outcome::Written, location};
        if (replacing || failure->error != EEXIST) {
            output.reset();
            return fail(settings, location, failureReason(*failure));
        }
        // Taken since it was chosen (another Create at the same time): the policy again, the
        // numbering from the next number on, so that it ends.
        if (policy == TakenName::Number) {
            ++number;
            const std::optional<QString> next =
                numberedLocation(outputFolder(settings), settings.OutputFileName, number);
            if (!next) {
                output.reset();
                return fail(settings, location, noFreeNumber());
            }
            location = *next;
        } else if (!mayReplace(settings, location)) {
            return {}; // when asked again
        } else {
            replaceConfirmed = true;
        }
    }
}

PdfCreator::Result PdfCreator::createPdf(const Settings& settings, const QList<DocumentPart>& parts)
{
    // 1. Output location.
    const QString folder = outputFolder(settings);
    QString location = appendComponent(folder, settings.OutputFileName);

    // 2. Output name taken? Asked here, before a long write; claimed when the file is complete.
    const TakenName policy = takenName(settings);
    bool replaceConfirmed = false;
    unsigned long number = 1;
    if (policy == TakenName::Ask) {
        replaceConfirmed = files::isTaken(AT_FDCWD, Paths::encoded(location));
        if (replaceConfirmed && !mayReplace(settings, location))
            return {};
    } else if (policy == TakenName::Number) {
        const std::optional<QString> numbered = numberedLocation(folder, settings.OutputFileName, number);
        if (!numbered)
            return fail(settings, location, noFreeNumber());
        location = *numbered;
    }

    // 3. The input document; its absence is reported after the encryption checks.
    PdfDocument::OpenFailure unopened{};
    qsizetype failedPart = -1;
    const std::unique_ptr<PdfDocument> document =
        parts.size() > 1
            ? PdfDocument::combine(parts, &failedPart, &unopened)
            : PdfDocument::open(parts.size() == 1 ? parts[0].path : settings.InputFile, &unopened);

    // 4. Document information. An input without an information dictionary gets one: what the
    // user typed and saw saved must not be dropped because the producer wrote none.
    if (document)
        document->setDocumentInfo({.title = settings.Title,
                                   .subject = settings.Subject,
                                   .keywords = settings.Keywords,
                                   .author = settings.Author,
                                   .creator = creatorStamp(),
                                   .metadataDate = QDateTime::currentDateTime()});

    // 5. and 6. Protected or plain output.
    std::optional<PdfProtection> protection;
    if (settings.UseEncryption != 0) {
        // The field to fill in or to correct is shown, so these alerts come also with Silent.
        if (settings.PasswordOwner.isEmpty()) {
            tell(settings,
                 {QCoreApplication::translate("Zirn", "Please enter a master password first."), {}, {}},
                 true);
            m_window.showPassword(PdfProtection::Password::Owner);
            return {};
        }
        protection =
            PdfProtection{settings.PasswordUser, settings.PasswordOwner, grantedPermissions(settings),
                          settings.EncryptionKeyLength == 256 ? PdfProtection::Method::Aes256
                                                              : PdfProtection::Method::Aes128};
        // A password that no reader could type, one that would be cut, or a user password that
        // gives full control would protect less than the window promises.
        char32_t character = 0;
        PdfProtection::Password refused{};
        const PdfDocument::PasswordProblem problem =
            PdfDocument::checkPasswords(*protection, &character, &refused);
        if (problem != PdfDocument::PasswordProblem::None) {
            tell(settings, passwordRefusal(problem, protection->method, character), true);
            m_window.showPassword(refused);
            return {};
        }
    }
    if (!document) {
        QString reason =
            QCoreApplication::translate("Zirn", "The document to convert is missing or unreadable.");
        const bool deep = unopened == PdfDocument::OpenFailure::PagesTooDeep;
        if (failedPart >= 0 && failedPart < parts.size() && deep)
            reason =
                QCoreApplication::translate("Zirn", "The document '%1' is not a valid PDF: its pages are "
                                                    "nested more than %2 levels deep.")
                    .arg(parts[failedPart].name, QString::number(PdfDocument::maxPageTreeDepth));
        else if (failedPart >= 0 && failedPart < parts.size())
            reason = QCoreApplication::translate("Zirn", "The document '%1' is missing or unreadable.")
                         .arg(parts[failedPart].name);
        else if (settings.InputFile.isEmpty() && parts.isEmpty())
            reason = QCoreApplication::translate("Zirn", "There is no document to convert.");
        else if (deep)
            reason =
                QCoreApplication::translate(
                    "Zirn", "The document is not a valid PDF: its pages are nested more than %1 levels deep.")
                    .arg(PdfDocument::maxPageTreeDepth);
        return fail(settings, location, reason);
    }
    // Leftovers of writes that were cut off in earlier runs.
    OutputFile::removeStale(folder);
    std::unique_ptr<OutputFile> output;
    std::optional<FileFailure> failure;
    m_window.writeStarted();
    m_window.runWrite([&] {
        FileFailure notCreated;
        output = OutputFile::create(folder, notCreated);
        if (!output) {
            failure = notCreated;
            return;
        }
        failure =
            document->write(*output, protection, [this](int percent) { m_window.writeProgress(percent); });
        if (!failure)
            failure = output->sync();
    });
    m_window.writeFinished();
    if (failure) {
        output.reset();
        return fail(settings, location, failureReason(*failure));
    }
    // 7. After the write, the caller runs the post action and closes the window (see Result).
    const Result result = place(std::move(output), settings, policy, location, number, replaceConfirmed);
    if (result.outcome == Outcome::Written && document->repaired())
        reportRepair(settings, result.outputPath);
    return result;
}

void PdfCreator::reportRepair(const Settings& settings, const QString& location)
{
    // The file is written and stays; what the damage cost can only be judged by looking.
    if (settings.Silent != 0) {
        qWarning("The document %s was damaged and has been repaired; check the PDF file %s.",
                 qUtf8Printable(settings.InputFile), qUtf8Printable(location));
        return;
    }
    m_desktop.runCriticalAlert(
        {QCoreApplication::translate("Zirn", "The document was damaged and has been repaired."),
         location + u'\n' +
             QCoreApplication::translate(
                 "Zirn", "The PDF file was created from what could be read; check that nothing is missing."),
         {}});
}

} // namespace zirn
