#pragma once

#include "core/DesktopServices.h"

#include <QPointer>
#include <QWidget>

namespace zirn {

// The desktop services of a Qt desktop session: the user's default applications through
// QDesktopServices (xdg-open and the portals behind it), modal message boxes in the
// platform's style, and the platform's folder chooser.
class QtDesktopServices : public DesktopServices
{
public:
    // Alerts and the folder chooser are shown over window.
    void setWindow(QWidget* window) { m_window = window; }

    void openFile(const QString& path) override;
    void openUrl(const QUrl& url) override;
    int runCriticalAlert(const Alert& alert) override;
    bool runNotice(const QString& title, const QString& message, const QString& defaultButton,
                   const QString& alternateButton) override;
    void chooseFolder(const QString& start, std::function<void(std::optional<QString>)> done) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace zirn
