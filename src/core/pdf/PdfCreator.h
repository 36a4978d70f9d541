#pragma once

#include "core/DesktopServices.h"
#include "core/pdf/PdfDocument.h"

#include <QString>

#include <memory>

namespace zirn {

class CreationWindow;
class Settings;

// Writes the output file of one Create from the settings record: the output location and
// the policy for a taken name, the document information with the creator stamp, the
// protection and the messages. Reads the record only; the post action is the caller's.
class PdfCreator
{
public:
    enum class Outcome {
        Written, // the file has its name; the caller runs the post action and closes the window
        Stopped, // nothing was written; the window stays open
    };

    struct Result
    {
        Outcome outcome = Outcome::Stopped;
        QString outputPath; // where the file was written; empty when stopped
    };

    // What a Create does when the output's name is taken, worked out from Overwrite.
    enum class TakenName {
        Ask,     // 0: asks whether to replace it; Silent stops instead, and says so
        Replace, // any value other than 0 and 2
        Number,  // 2: "Name 1.pdf", "Name 2.pdf", ..., the first free one
    };
    static TakenName takenName(const Settings& settings);

    PdfCreator(DesktopServices& desktop, CreationWindow& window);

    // The input is InputFile, or the one document of parts; several parts are joined into one
    // PDF in their order (PdfDocument::combine), and one that cannot be read is named in the
    // failure message.
    Result createPdf(const Settings& settings, const QList<DocumentPart>& parts = {});

private:
    // Whether the file at location may be replaced: the user's answer to the question, or with
    // Silent, which asks nothing, no.
    bool mayReplace(const Settings& settings, const QString& location);
    // Tells why the Create stopped: in an alert, or with Silent on standard error and, unless
    // alsoSilent keeps the alert, in the window.
    void tell(const Settings& settings, const Alert& alert, bool alsoSilent = false);
    // Gives the written file its name by the policy for a taken name, asked again or
    // numbered on (from number, the number of location) when the name has been taken since
    // it was chosen.
    Result place(std::unique_ptr<OutputFile> output, const Settings& settings, TakenName policy,
                 QString location, unsigned long number, bool replaceConfirmed);
    Result fail(const Settings& settings, const QString& location, const QString& reason);
    // Tells that the output at location was written from a damaged input that qpdf repaired:
    // an alert, or with Silent a line in the log.
    void reportRepair(const Settings& settings, const QString& location);

    DesktopServices& m_desktop;
    CreationWindow& m_window;
};

} // namespace zirn
