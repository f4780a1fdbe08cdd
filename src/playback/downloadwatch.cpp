#include "playback/downloadwatch.h"

namespace tilvora::playback {

bool isConnectionFailure(QNetworkReply::NetworkError error)
{
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

QString connectionFailureText(const QNetworkReply& reply)
{
    const QNetworkReply::NetworkError error = reply.error();
    if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
        return QStringLiteral("timed out");
    return reply.errorString();
}

void PaceWindow::begin()
{
    m_window.start();
    m_bytes = 0;
}

bool PaceWindow::isTooSlow(const DownloadLimits& limits)
{
    if (!m_window.isValid() || m_window.elapsed() < limits.floorWindowMs)
        return false;
    if (m_bytes < limits.floorBytes)
        return true;
    begin();
    return false;
}

void ConnectionFailureStreak::reset()
{
    m_failures = 0;
    m_answered = false;
}

std::optional<QString> ConnectionFailureStreak::count(bool failed, bool answered, const DownloadLimits& limits)
{
    if (!failed) {
        reset();
        return std::nullopt;
    }
    m_answered = m_answered || answered;
    if (++m_failures < limits.connectionFailuresToStop)
        return std::nullopt;
    return m_answered ? QStringLiteral("the server stopped answering") : QStringLiteral("the server cannot be reached");
}

} // namespace tilvora::playback
