#pragma once

#include "host/texthost.h"
#include "store/sharedstate.h"

#include <QString>
#include <QTextStream>

namespace tilvora::app {

// One run of the text host: start-up, then one event per input line until
// the end of the input.
class CliSession {
public:
    CliSession(QTextStream& in, QTextStream& out);

    // Returns the process's exit status: 0 at the end of the input, 1 when
    // start-up failed.
    int run(const QString& appFolder);

private:
    void handleLine(const QString& line);

    QTextStream& m_in;
    host::TextHost m_host;
    store::SharedState m_state;
};

} // namespace tilvora::app
