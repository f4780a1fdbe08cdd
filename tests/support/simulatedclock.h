#pragma once

// A clock of a test's own: time moves only when the test moves it, a
// millisecond at a time, and the alarms and players that run on it act at
// the millisecond they are due. Tests of timing logic run on it
// deterministically and much faster than the wall clock.

#include "playback/playbackalarm.h"

#include <QtGlobal>

#include <functional>
#include <vector>

namespace tilvora::testing {

class SimulatedClock {
public:
    SimulatedClock() = default;
    SimulatedClock(const SimulatedClock&) = delete;
    SimulatedClock& operator=(const SimulatedClock&) = delete;

    qint64 now() const { return m_now; }
    // Moves time on by `milliseconds`.
    void advance(qint64 milliseconds);
    // Moves time on until `condition` holds, at most `limit` milliseconds;
    // whether it holds.
    bool advanceUntil(const std::function<bool()>& condition, qint64 limit = 60000);

    // Alarms that ring on this clock. The clock outlives them.
    playback::AlarmFactory alarms();
    // `tick` runs at every millisecond, before the alarms due then.
    void onTick(std::function<void()> tick) { m_ticks.push_back(std::move(tick)); }

private:
    class Alarm;
    void step();

    qint64 m_now = 0;
    std::vector<Alarm*> m_alarms;
    std::vector<std::function<void()>> m_ticks;
};

} // namespace tilvora::testing
