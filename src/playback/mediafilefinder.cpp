#include "playback/mediafilefinder.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace tilvora::playback {

namespace {

// Thrown from the walk's per-entry hook when its search was dropped.
struct Dropped { };

QThreadPool& searchPool()
{
    static QThreadPool pool;
    return pool;
}

// Searches started and neither handed over nor dropped yet. Finders are used
// from one thread, the one with the event loop.
int g_searching = 0;

void locate(QPromise<LocatedFile>& promise, const QString& storedFolder, const QString& name)
{
    try {
        promise.addResult(locateMediaFile(storedFolder, name, [&promise] {
            if (promise.isCanceled())
                throw Dropped{};
        }));
    } catch (const Dropped&) {
        // Nobody waits for this result any more.
    } catch (...) {
        // A walk that failed found nothing; the reader is told the file is missing.
        promise.addResult(LocatedFile{QString(), name});
    }
}

} // namespace

MediaFileFinder::MediaFileFinder() = default;

MediaFileFinder::~MediaFileFinder()
{
    cancel();
}

void MediaFileFinder::find(const QString& storedFolder, const QString& name, Done done)
{
    cancel();
    m_watcher = std::make_unique<QFutureWatcher<LocatedFile>>();
    QFutureWatcher<LocatedFile>* watcher = m_watcher.get();
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
        [this, watcher, done = std::move(done)] { handOver(watcher, done); });
    ++g_searching;
    watcher->setFuture(QtConcurrent::run(&searchPool(), locate, storedFolder, name));
}

void MediaFileFinder::cancel()
{
    if (!m_watcher)
        return;
    --g_searching;
    m_watcher->disconnect();
    m_watcher->cancel();
    m_watcher.reset();
}

void MediaFileFinder::handOver(QFutureWatcher<LocatedFile>* watcher, const Done& done)
{
    // The watcher is let go before the callback, which may start the next
    // search; it is deleted once its own signal has returned.
    std::unique_ptr<QFutureWatcher<LocatedFile>> finished = std::move(m_watcher);
    --g_searching;
    const LocatedFile found = watcher->future().resultCount() > 0 ? watcher->result() : LocatedFile{};
    finished.release()->deleteLater();
    done(found);
}

void MediaFileFinder::finishAll()
{
    while (g_searching > 0) {
        searchPool().waitForDone();
        QCoreApplication::sendPostedEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tilvora::playback
