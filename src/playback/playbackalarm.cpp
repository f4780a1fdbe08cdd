#include "playback/playbackalarm.h"

#include <QPointer>
#include <QTimer>

namespace tilvora::playback {

namespace {

class TimerAlarm : public PlaybackAlarm {
public:
    TimerAlarm(QObject* owner, std::function<void()> onTimeout) : m_timer(new QTimer(owner))
    {
        m_timer->setSingleShot(true);
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, std::move(onTimeout));
    }
    ~TimerAlarm() override { delete m_timer; }
    TimerAlarm(const TimerAlarm&) = delete;
    TimerAlarm& operator=(const TimerAlarm&) = delete;

    void start(int milliseconds) override
    {
        if (m_timer)
            m_timer->start(milliseconds);
    }
    void stop() override
    {
        if (m_timer)
            m_timer->stop();
    }
    bool isActive() const override { return m_timer && m_timer->isActive(); }

private:
    // The owner may delete the timer first, as it deletes its children.
    QPointer<QTimer> m_timer;
};

} // namespace

AlarmFactory timerAlarms()
{
    return [](QObject* owner, std::function<void()> onTimeout) -> std::unique_ptr<PlaybackAlarm> {
        return std::make_unique<TimerAlarm>(owner, std::move(onTimeout));
    };
}

} // namespace tilvora::playback
