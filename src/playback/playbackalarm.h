#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace tilvora::playback {

// A single-shot alarm: it calls back once, some milliseconds after it was
// started, unless it is stopped or started again first. The verse player
// sets its alarms through an AlarmFactory, so that a test can run them on a
// clock of its own instead of the wall clock.
class PlaybackAlarm {
public:
    virtual ~PlaybackAlarm() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// Makes an alarm that calls `onTimeout` from the event loop of `owner`'s
// thread and goes away with `owner` at the latest.
using AlarmFactory = std::function<std::unique_ptr<PlaybackAlarm>(QObject* owner, std::function<void()> onTimeout)>;

// Alarms on precise QTimers.
AlarmFactory timerAlarms();

} // namespace tilvora::playback
