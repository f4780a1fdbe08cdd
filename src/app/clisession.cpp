#include "clisession.h"

#include "host/linefields.h"
#include "store/storestartup.h"

namespace tilvora::app {

CliSession::CliSession(QTextStream& in, QTextStream& out) : m_in(in), m_host(out) {}

int CliSession::run(const QString& appFolder)
{
    try {
        store::StartStore(m_state, appFolder);
    } catch (const store::StartupError& error) {
        m_host.writeLine({QStringLiteral("fatal"), error.message()});
        return 1;
    }
    QString line;
    while (m_in.readLineInto(&line))
        handleLine(line);
    return 0;
}

void CliSession::handleLine(const QString& line)
{
    // Events are added here as the program grows; unknown lines are read and ignored.
    Q_UNUSED(line);
}

} // namespace tilvora::app
