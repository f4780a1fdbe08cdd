#pragma once

// A host that records what the program asked of it, one line per operation,
// for tests that check what the user would have seen.

#include "host/host.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace tilvora::testing {

class FakeHost : public host::Host {
public:
    QStringList calls;
    QStringList labels;
    // Answers for the media folder dialog, used in order; Closed when none is left.
    std::deque<host::MediaFolderDialogAnswer> dialogAnswers;

    void navigate(host::Pane pane, const QString& target) override
    {
        calls << QStringLiteral("navigate ") + host::paneName(pane) + QLatin1Char(' ') + target;
    }
    void setSearchLabel(const QString& caption) override
    {
        labels << caption;
        calls << QStringLiteral("label ") + caption;
    }
    void showMessage(host::MessageIcon icon, const QString& title, const QString& text) override
    {
        calls << QStringLiteral("message ")
                     + (icon == host::MessageIcon::Critical ? QStringLiteral("critical ") : QStringLiteral("information "))
                     + title + QLatin1Char(' ') + text;
    }
    void reportError(const QString& text) override { calls << QStringLiteral("error ") + text; }
    void playerSetUrl(const QString& path) override { calls << QStringLiteral("player url ") + path; }
    void playerSetPosition(double seconds) override
    {
        calls << QStringLiteral("player position ") + QString::number(seconds);
    }
    void playerPlay() override { calls << QStringLiteral("player play"); }
    void resetPickerSelector(const QString& elementId) override { calls << QStringLiteral("reset ") + elementId; }
    void setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag) override
    {
        calls << QStringLiteral("menu %1 %2 ").arg(index).arg(visible ? 1 : 0) + caption + QLatin1Char(' ') + tag;
    }
    void setDataPathMenuVisible(bool visible) override
    {
        calls << QStringLiteral("menu setdatapath %1").arg(visible ? 1 : 0);
    }
    host::MediaFolderDialogAnswer showMediaFolderDialog(const host::MediaFolderDialogRequest& request) override
    {
        calls << QStringLiteral("dialog ") + request.tag + QLatin1Char(' ') + request.initialPath;
        if (dialogAnswers.empty())
            return {};
        host::MediaFolderDialogAnswer answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }
    void processEvents() override {}
};

} // namespace tilvora::testing
