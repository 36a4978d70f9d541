#pragma once

#include "core/pdf/PdfDocument.h"

#include <QString>

namespace zirn {

class CreationWindow;
class DesktopServices;
class Settings;

// Writes the output file of one Create from the settings record: the output location and
// the policy for a taken name, the document information with the creator stamp, the
// protection, the post action and the messages. Reads the record only.
class PdfCreator
{
public:
    enum class Outcome {
        Written, // the post action ran and the window was closed
        Stopped, // nothing was written; the window stays open
    };

    struct Result
    {
        Outcome outcome = Outcome::Stopped;
        QString outputPath; // where the file was written; empty when stopped
    };

    PdfCreator(DesktopServices& desktop, CreationWindow& window);

    Result createPdf(const Settings& settings);

private:
    bool askOverwrite(const QString& location);
    // Gives the written file its name by the policy for a taken name, asked again or
    // numbered on (from number, the number of location) when the name has been taken since
    // it was chosen.
    enum class Placement { Placed, Declined, Failed };
    Placement place(OutputFile& output, const Settings& settings, QString& location, unsigned long& number,
                    bool replaceConfirmed, FileFailure& failure);
    Result fail(const Settings& settings, const QString& location, const QString& reason);

    DesktopServices& m_desktop;
    CreationWindow& m_window;
};

} // namespace zirn
