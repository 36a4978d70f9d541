#pragma once

#include "core/DesktopServices.h"
#include "core/pdf/CreationWindow.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <deque>
#include <functional>

namespace zirn::test {

// Desktop services that record every request and answer alerts from a queue.
class RecordingDesktop : public DesktopServices
{
public:
    struct Notice
    {
        QString title, message;
    };

    void openFile(const QString& path) override { openedFiles.append(path); }
    void openUrl(const QUrl& url) override { openedUrls.append(url); }
    int runCriticalAlert(const Alert& alert) override
    {
        alerts.append(alert);
        if (alertAnswers.empty())
            return 0;
        const int answer = alertAnswers.front();
        alertAnswers.pop_front();
        return answer;
    }
    bool runNotice(const QString& title, const QString& message, const QString&, const QString&) override
    {
        notices.append({title, message});
        return noticeAnswer;
    }
    void chooseFolder(const QString& start, std::function<void(std::optional<QString>)> done) override
    {
        folderStarts.append(start);
        pendingFolderChoice = std::move(done);
    }

    std::deque<int> alertAnswers; // button index per alert; 0 when empty
    bool noticeAnswer = false;
    QList<Alert> alerts;
    QList<Notice> notices;
    QStringList openedFiles;
    QList<QUrl> openedUrls;
    QStringList folderStarts;
    std::function<void(std::optional<QString>)> pendingFolderChoice;
};

class RecordingWindow : public CreationWindow
{
public:
    void showPassword(PdfProtection::Password password) override { passwordsShown.append(password); }
    void showFailure(const QString& message, const QString& detail) override
    {
        failures.append({message, detail, {}});
    }
    void writeStarted() override
    {
        progress.append(-1);
        if (duringWrite)
            duringWrite();
    }
    void writeProgress(int percent) override { progress.append(percent); }
    void writeFinished() override { progress.append(-2); }

    QList<PdfProtection::Password> passwordsShown;
    QList<Alert> failures;             // shown in the window
    QList<int> progress;               // -1 started, -2 finished, else percent
    std::function<void()> duringWrite; // runs between the choice of the name and its claim
};

} // namespace zirn::test
