#pragma once

#include "pdf/CreationWindow.h"
#include "platform/DesktopServices.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <deque>

namespace zirn::test {

// Desktop services that record every request and answer alerts from a queue.
class RecordingDesktop : public DesktopServices
{
public:
    struct Notice
    {
        QString title, message, defaultButton, alternateButton;
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
    bool runNotice(const QString& title, const QString& message, const QString& defaultButton,
                   const QString& alternateButton) override
    {
        notices.append({title, message, defaultButton, alternateButton});
        return noticeAnswer;
    }

    std::deque<int> alertAnswers; // button index per alert; 0 when empty
    bool noticeAnswer = false;
    QList<Alert> alerts;
    QList<Notice> notices;
    QStringList openedFiles;
    QList<QUrl> openedUrls;
};

class RecordingWindow : public CreationWindow
{
public:
    void closeWindow() override { ++closed; }
    void showMasterPassword() override { ++masterPasswordShown; }

    int closed = 0;
    int masterPasswordShown = 0;
};

} // namespace zirn::test
