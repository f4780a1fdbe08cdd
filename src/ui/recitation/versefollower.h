#pragma once

#include "playback/recordingverses.h"

#include <QObject>

namespace tilvora::playback {
class VersePlayer;
}

namespace tilvora::ui {

// Follows a recording that holds several verses as it plays on (a
// double-click plays on to the end of the file): tells which verse is heard
// whenever that changes, and when the recording has ended.
class VerseFollower : public QObject {
    Q_OBJECT

public:
    explicit VerseFollower(playback::VersePlayer* player, QObject* parent = nullptr);

    // Follows `verses` while the player plays their file; a recording of one
    // verse is not followed.
    void follow(const playback::RecordingVerses& verses);
    void stop();
    bool isFollowing() const { return m_following; }
    // The verse heard last; 0 before the first report.
    qint32 heardVerse() const { return m_heard; }

signals:
    void verseHeard(qint32 ayahRef);
    // The followed recording played to its end.
    void finished();

private:
    void onPositionChanged(qint64 milliseconds);

    playback::VersePlayer* m_player = nullptr;
    playback::RecordingVerses m_verses;
    bool m_following = false;
    qint32 m_heard = 0;
};

} // namespace tilvora::ui
