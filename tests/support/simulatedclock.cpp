#include "support/simulatedclock.h"

#include <algorithm>

namespace tilvora::testing {

class SimulatedClock::Alarm : public playback::PlaybackAlarm {
public:
    Alarm(SimulatedClock& clock, std::function<void()> onTimeout) : m_clock(clock), m_onTimeout(std::move(onTimeout))
    {
        m_clock.m_alarms.push_back(this);
    }
    ~Alarm() override { std::erase(m_clock.m_alarms, this); }
    Alarm(const Alarm&) = delete;
    Alarm& operator=(const Alarm&) = delete;

    void start(int milliseconds) override { m_due = m_clock.m_now + std::max(1, milliseconds); }
    void stop() override { m_due = -1; }
    bool isActive() const override { return m_due >= 0; }

    // Rings when due; one started with 0 rings at the next millisecond, as a
    // zero timer waits for the next turn of the event loop.
    void ringIfDue()
    {
        if (m_due < 0 || m_due > m_clock.m_now)
            return;
        m_due = -1;
        m_onTimeout();
    }

private:
    SimulatedClock& m_clock;
    std::function<void()> m_onTimeout;
    qint64 m_due = -1;
};

playback::AlarmFactory SimulatedClock::alarms()
{
    return [this](QObject* /*owner*/, std::function<void()> onTimeout) -> std::unique_ptr<playback::PlaybackAlarm> {
        return std::make_unique<Alarm>(*this, std::move(onTimeout));
    };
}

void SimulatedClock::step()
{
    ++m_now;
    for (const auto& tick : m_ticks)
        tick();
    // An alarm may be made or dropped by another's ringing.
    const std::vector<Alarm*> alarms = m_alarms;
    for (Alarm* alarm : alarms) {
        if (std::find(m_alarms.cbegin(), m_alarms.cend(), alarm) != m_alarms.cend())
            alarm->ringIfDue();
    }
}

void SimulatedClock::advance(qint64 milliseconds)
{
    for (qint64 done = 0; done < milliseconds; ++done)
        step();
}

bool SimulatedClock::advanceUntil(const std::function<bool()>& condition, qint64 limit)
{
    for (qint64 done = 0; done < limit && !condition(); ++done)
        step();
    return condition();
}

} // namespace tilvora::testing
