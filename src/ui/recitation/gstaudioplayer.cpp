#include "ui/recitation/gstaudioplayer.h"

#include <QFileInfo>
#include <QThreadPool>
#include <QTimer>
#include <QtDebug>

#include <gst/gst.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace tilvora::ui {

namespace {

// playbin's "flags": play the sound only (a picture in an MP3's tags opens
// no video window) and set the volume in the pipeline.
constexpr guint kPlayAudio = 1U << 1;
constexpr guint kSoftVolume = 1U << 4;
constexpr int kPositionReportMs = 100;
// How long the media may stand still while playing before its sound output
// is restarted, and how often in a row.
constexpr qint64 kStallMs = 500;
constexpr int kMostRestarts = 3;
// The end of a file plays out of the sink's buffer while the position
// stands at the end.
constexpr qint64 kEndMarginMs = 1000;

bool initialiseGStreamer(QString* problem)
{
    GError* error = nullptr;
    if (gst_init_check(nullptr, nullptr, &error))
        return true;
    *problem = error != nullptr ? QString::fromUtf8(error->message) : QString();
    g_clear_error(&error);
    return false;
}

// Loads the plugin of the element `name` makes, if GStreamer has it.
void loadElement(const char* name)
{
    GstElementFactory* factory = gst_element_factory_find(name);
    if (factory == nullptr)
        return;
    if (GstPluginFeature* loaded = gst_plugin_feature_load(GST_PLUGIN_FEATURE(factory)))
        gst_object_unref(loaded);
    gst_object_unref(factory);
}

GstElement* makeSink(const QString& description)
{
    if (description.isEmpty())
        return nullptr;
    GError* error = nullptr;
    GstElement* sink = gst_parse_bin_from_description(description.toUtf8().constData(), TRUE, &error);
    if (error != nullptr) {
        qWarning("Sound output \"%s\" not made: %s", qPrintable(description), error->message);
        g_clear_error(&error);
    }
    return sink;
}

using MessagePointer = std::shared_ptr<GstMessage>;

} // namespace

// The bus's sync handler: runs on whichever thread posts the report.
struct GstAudioPlayerBus {
    static GstBusSyncReply post(GstBus* /*bus*/, GstMessage* message, gpointer data)
    {
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS:
        case GST_MESSAGE_ERROR:
        case GST_MESSAGE_ASYNC_DONE:
        case GST_MESSAGE_DURATION_CHANGED:
            break;
        default:
            return GST_BUS_DROP;
        }
        auto* player = static_cast<GstAudioPlayer*>(data);
        const int opening = player->m_opening.load();
        const MessagePointer kept(gst_message_ref(message), gst_message_unref);
        QMetaObject::invokeMethod(
            player, [player, kept, opening] { player->handleMessage(kept.get(), opening); }, Qt::QueuedConnection);
        return GST_BUS_DROP;
    }
};

void GstAudioPlayer::prepareInBackground()
{
    // GStreamer's start and its plugin loading hold locks of their own: the
    // player's constructor waits for them only if they are not done yet.
    QThreadPool::globalInstance()->start([] {
        QString problem;
        if (!initialiseGStreamer(&problem))
            return;
        loadElement("playbin");
        loadElement("scaletempo");
    });
}

GstAudioPlayer::GstAudioPlayer(QObject* parent, const QString& sinkDescription) : AudioPlayer(parent)
{
    m_positionTimer = new QTimer(this);
    m_positionTimer->setInterval(kPositionReportMs);
    connect(m_positionTimer, &QTimer::timeout, this, [this] {
        // The length of an MP3 without a table of contents is known only
        // once some of it has played.
        if (m_duration == 0)
            readDuration();
        watchProgress();
        emit positionChanged(position());
    });

    QString problem;
    if (!initialiseGStreamer(&problem)) {
        qWarning("GStreamer could not start: %s", qPrintable(problem));
        return;
    }
    m_pipeline = gst_element_factory_make("playbin", nullptr);
    if (m_pipeline == nullptr) {
        qWarning("GStreamer has no playbin: is gstreamer1.0-plugins-base installed?");
        return;
    }
    gst_object_ref_sink(m_pipeline);
    g_object_set(m_pipeline, "flags", kPlayAudio | kSoftVolume, nullptr);
    if (GstElement* tempo = gst_element_factory_make("scaletempo", nullptr)) {
        g_object_set(m_pipeline, "audio-filter", tempo, nullptr);
        m_keepsPitch = true;
    } else {
        qWarning("GStreamer has no scaletempo (gstreamer1.0-plugins-good): other speeds change the pitch");
    }
    if (GstElement* sink = makeSink(sinkDescription))
        g_object_set(m_pipeline, "audio-sink", sink, nullptr);
    GstBus* bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, &GstAudioPlayerBus::post, this, nullptr);
    gst_object_unref(bus);
}

GstAudioPlayer::~GstAudioPlayer()
{
    if (m_pipeline == nullptr)
        return;
    // Going to NULL joins the streaming threads, so no report can come
    // after the handler is taken away; reports already queued to this
    // object are dropped with it.
    gst_element_set_state(m_pipeline, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    gst_object_unref(m_pipeline);
}

void GstAudioPlayer::setSource(const QUrl& url)
{
    if (m_pipeline != nullptr)
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
    ++m_opening;
    m_source = url;
    m_error.clear();
    m_pendingPosition.reset();
    m_seekingTo.reset();
    m_resumeAt.reset();
    m_restarts = 0;
    if (m_duration != 0) {
        m_duration = 0;
        emit durationChanged(0);
    }
    if (m_seekable) {
        m_seekable = false;
        emit seekableChanged(false);
    }
    setState(State::Stopped);
    if (url.isEmpty()) {
        setStatus(Status::NoMedia);
        return;
    }
    setStatus(Status::Loading);
    if (m_pipeline == nullptr) {
        fail(tr("The recording %1 cannot be played: GStreamer's playbin is not installed.").arg(url.fileName()));
        return;
    }
    g_object_set(m_pipeline, "uri", url.toEncoded().constData(), nullptr);
    // Opened paused: the first ASYNC_DONE says it can play and move.
    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE && m_status == Status::Loading)
        fail(tr("The recording %1 could not be opened.").arg(url.fileName()));
}

void GstAudioPlayer::play()
{
    if (m_pipeline == nullptr || m_status == Status::NoMedia || m_status == Status::Invalid)
        return;
    if (m_status == Status::EndOfMedia)
        seekTo(0);
    setState(State::Playing);
    // Each play the reader asks for may restart a stalled output again.
    m_restarts = 0;
    resetProgressWatch();
    // A restarting output plays once it has moved back to where it was.
    if (isOpen() && !m_resumeAt)
        gst_element_set_state(m_pipeline, GST_STATE_PLAYING);
}

void GstAudioPlayer::pause()
{
    if (m_pipeline == nullptr || m_status == Status::NoMedia || m_status == Status::Invalid)
        return;
    setState(State::Paused);
    gst_element_set_state(m_pipeline, GST_STATE_PAUSED);
    emit positionChanged(position());
}

void GstAudioPlayer::stop()
{
    if (m_pipeline == nullptr || m_status == Status::NoMedia || m_status == Status::Invalid) {
        setState(State::Stopped);
        return;
    }
    setState(State::Stopped);
    gst_element_set_state(m_pipeline, GST_STATE_PAUSED);
    setPosition(0);
}

void GstAudioPlayer::setPosition(qint64 milliseconds)
{
    milliseconds = std::max<qint64>(0, milliseconds);
    m_restarts = 0;
    if (m_status == Status::Loading) {
        m_pendingPosition = milliseconds;
        return;
    }
    if (m_resumeAt) {
        m_resumeAt = milliseconds;
        emit positionChanged(milliseconds);
        return;
    }
    if (isOpen())
        seekTo(milliseconds);
}

qint64 GstAudioPlayer::position() const
{
    if (m_status == Status::Loading)
        return m_pendingPosition.value_or(0);
    if (m_resumeAt)
        return *m_resumeAt;
    // A pipeline that never says it has finished is asked after a second.
    if (m_seekingTo && !m_seekDone && m_seekClock.elapsed() < 1000)
        return *m_seekingTo;
    gint64 nanoseconds = 0;
    if (m_pipeline == nullptr || !gst_element_query_position(m_pipeline, GST_FORMAT_TIME, &nanoseconds))
        return m_seekingTo.value_or(0);
    const qint64 milliseconds = nanoseconds / GST_MSECOND;
    if (m_seekingTo) {
        // Taken as arrived once the media tells a position between the
        // target and as far as it can have played since.
        const auto elapsed = static_cast<double>(m_seekClock.elapsed());
        const qint64 target = *m_seekingTo;
        const bool arrived = milliseconds >= target - 50
            && static_cast<double>(milliseconds) <= static_cast<double>(target) + elapsed * m_rate + 250;
        if (!arrived && elapsed < 3000)
            return target;
        m_seekingTo.reset();
    }
    return milliseconds;
}

void GstAudioPlayer::setPlaybackRate(double rate)
{
    if (!(rate > 0.0) || qFuzzyCompare(rate, m_rate))
        return;
    m_rate = rate;
    // The speed travels with a move: the media moves to where it is, at the
    // new speed. While opening, the move made on opening carries it; so
    // does the move of a restarting output.
    if (isOpen() && m_status != Status::EndOfMedia && !m_resumeAt)
        seekTo(position());
}

void GstAudioPlayer::setVolume(float volume)
{
    m_volume = std::clamp(volume, 0.0F, 1.0F);
    if (m_pipeline != nullptr)
        g_object_set(m_pipeline, "volume", static_cast<gdouble>(m_volume), nullptr);
}

void GstAudioPlayer::setMuted(bool muted)
{
    m_muted = muted;
    if (m_pipeline != nullptr)
        g_object_set(m_pipeline, "mute", static_cast<gboolean>(muted), nullptr);
}

bool GstAudioPlayer::isOpen() const
{
    return m_status == Status::Loaded || m_status == Status::EndOfMedia;
}

void GstAudioPlayer::seekTo(qint64 milliseconds)
{
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    // No stop position: the media plays to its end, whether or not its
    // duration is known yet.
    if (!gst_element_seek(m_pipeline, m_rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET,
            static_cast<gint64>(milliseconds) * GST_MSECOND, GST_SEEK_TYPE_NONE,
            static_cast<gint64>(GST_CLOCK_TIME_NONE))) {
        qWarning("The recording %s could not be moved to %lld ms", qPrintable(m_source.fileName()), milliseconds);
        return;
    }
    m_seekingTo = milliseconds;
    m_seekDone = false;
    m_seekClock.start();
    m_pendingPosition.reset();
    resetProgressWatch();
    if (m_status == Status::EndOfMedia)
        setStatus(Status::Loaded);
    emit positionChanged(milliseconds);
}

void GstAudioPlayer::handleMessage(GstMessage* message, int opening)
{
    if (opening != m_opening.load() || m_status == Status::NoMedia || m_status == Status::Invalid)
        return;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ASYNC_DONE:
        if (m_status == Status::Loading)
            onOpened();
        else if (m_resumeAt)
            onOutputRestarted();
        else
            onSeekDone();
        break;
    case GST_MESSAGE_DURATION_CHANGED:
        readDuration();
        break;
    case GST_MESSAGE_EOS:
        onEndOfStream();
        break;
    case GST_MESSAGE_ERROR:
        onError(message);
        break;
    default:
        break;
    }
}

void GstAudioPlayer::onOpened()
{
    readDuration();
    GstQuery* query = gst_query_new_seeking(GST_FORMAT_TIME);
    gboolean seekable = FALSE;
    if (gst_element_query(m_pipeline, query))
        gst_query_parse_seeking(query, nullptr, &seekable, nullptr, nullptr);
    gst_query_unref(query);
    if (m_seekable != static_cast<bool>(seekable)) {
        m_seekable = seekable;
        emit seekableChanged(m_seekable);
    }
    setStatus(Status::Loaded);
    // A move or a speed asked for while opening; a status handler may have
    // moved it already.
    if (m_pendingPosition || (!qFuzzyCompare(m_rate, 1.0) && !m_seekingTo))
        seekTo(m_pendingPosition.value_or(0));
    m_pendingPosition.reset();
    if (m_state == State::Playing)
        gst_element_set_state(m_pipeline, GST_STATE_PLAYING);
}

void GstAudioPlayer::onSeekDone()
{
    m_seekDone = true;
    if (m_duration == 0)
        readDuration();
    emit positionChanged(position());
}

void GstAudioPlayer::onEndOfStream()
{
    m_seekingTo.reset();
    emit positionChanged(position());
    setState(State::Stopped);
    setStatus(Status::EndOfMedia);
}

void GstAudioPlayer::onError(GstMessage* message)
{
    GError* error = nullptr;
    gchar* details = nullptr;
    gst_message_parse_error(message, &error, &details);
    const QString reason = error != nullptr ? QString::fromUtf8(error->message) : tr("unknown error");
    if (details != nullptr)
        qWarning("%s: %s", qPrintable(reason), details);
    g_clear_error(&error);
    g_free(details);
    fail(tr("The recording %1 could not be played: %2").arg(m_source.fileName(), reason));
}

void GstAudioPlayer::fail(const QString& message)
{
    if (m_pipeline != nullptr)
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
    ++m_opening; // reports still on their way belong to the failed media
    m_pendingPosition.reset();
    m_seekingTo.reset();
    m_resumeAt.reset();
    setState(State::Stopped);
    m_error = message;
    setStatus(Status::Invalid);
    emit errorOccurred(message);
}

void GstAudioPlayer::resetProgressWatch()
{
    m_movedTo.reset();
    m_standingClock.start();
}

void GstAudioPlayer::watchProgress()
{
    if (m_state != State::Playing || m_status != Status::Loaded) {
        resetProgressWatch();
        return;
    }
    gint64 nanoseconds = 0;
    const bool known = !m_resumeAt && gst_element_query_position(m_pipeline, GST_FORMAT_TIME, &nanoseconds);
    const qint64 now = nanoseconds / GST_MSECOND;
    if (known && now != m_movedTo.value_or(now)) {
        // Moving on as it plays, not landing after a move: the output plays.
        if (now > *m_movedTo && now - *m_movedTo < kStallMs * 4)
            m_restarts = 0;
        m_movedTo = now;
        m_standingClock.start();
        return;
    }
    if (known && !m_movedTo)
        m_movedTo = now;
    const bool draining = m_duration > 0 && now >= m_duration - kEndMarginMs;
    if (m_standingClock.elapsed() < kStallMs || m_restarts >= kMostRestarts || draining)
        return;
    restartOutput(position());
}

void GstAudioPlayer::restartOutput(qint64 milliseconds)
{
    qWarning("The sound output of %s stood still at %lld ms while playing; it is restarted there",
        qPrintable(m_source.fileName()), milliseconds);
    ++m_restarts;
    // READY closes the sound output's stream; reports of the stalled
    // pipeline still on their way are dropped with it.
    gst_element_set_state(m_pipeline, GST_STATE_READY);
    ++m_opening;
    m_seekingTo.reset();
    m_resumeAt = milliseconds;
    resetProgressWatch();
    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        fail(tr("The recording %1 could not be opened.").arg(m_source.fileName()));
}

void GstAudioPlayer::onOutputRestarted()
{
    const qint64 milliseconds = *std::exchange(m_resumeAt, std::nullopt);
    seekTo(milliseconds);
    if (m_state == State::Playing)
        gst_element_set_state(m_pipeline, GST_STATE_PLAYING);
}

void GstAudioPlayer::readDuration()
{
    gint64 nanoseconds = 0;
    if (!gst_element_query_duration(m_pipeline, GST_FORMAT_TIME, &nanoseconds) || nanoseconds <= 0)
        return;
    const qint64 milliseconds = nanoseconds / GST_MSECOND;
    if (milliseconds != m_duration) {
        m_duration = milliseconds;
        emit durationChanged(milliseconds);
    }
}

void GstAudioPlayer::setState(State state)
{
    if (state == State::Playing)
        m_positionTimer->start();
    else
        m_positionTimer->stop();
    if (state == m_state)
        return;
    m_state = state;
    emit playbackStateChanged(state);
}

void GstAudioPlayer::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit mediaStatusChanged(status);
}

} // namespace tilvora::ui
