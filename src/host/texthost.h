#pragma once

#include "host.h"

#include <QStringList>
#include <QTextStream>

#include <deque>

namespace tilvora::host {

// The host of tilvora-cli: every platform operation becomes one line on the
// output, fields separated by TAB. The media folder dialog answers from a
// queue that the input's dialog events fill.
class TextHost : public Host {
public:
    explicit TextHost(QTextStream& out);

    void queueDialogAnswer(const MediaFolderDialogAnswer& answer);
    // Writes one line of fields.
    void writeLine(const QStringList& fields);

    void navigate(Pane pane, const QString& target) override;
    void setSearchLabel(const QString& caption) override;
    void showMessage(MessageIcon icon, const QString& title, const QString& text) override;
    void reportError(const QString& text) override;
    void playerSetUrl(const QString& path) override;
    void playerSetPosition(double seconds) override;
    void playerPlay() override;
    void playerSetEnd(double seconds) override;
    void playerSetRate(double rate) override;
    void playerStop() override;
    void highlightVerse(qint32 ayahRef, const QString& reference) override;
    void recitationWait(int milliseconds) override;
    void recitationFinished(const QStringList& skipped) override;
    void recitationSkipped(const QString& reference, const QString& voice, const QStringList& skippedSoFar) override;
    void resetPickerSelector(const QString& elementId) override;
    void setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag) override;
    void setDataPathMenuVisible(bool visible) override;
    MediaFolderDialogAnswer showMediaFolderDialog(const MediaFolderDialogRequest& request) override;

private:
    QTextStream& m_out;
    std::deque<MediaFolderDialogAnswer> m_dialogAnswers;
};

// Numbers as the text host prints them: the shortest decimal form.
QString shortestNumber(double value);

} // namespace tilvora::host
