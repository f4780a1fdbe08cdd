#pragma once

#include "host/texthost.h"
#include "navigation/mainwindowlogic.h"
#include "store/sharedstate.h"

#include <QStringList>

namespace tilvora::app {

// The text host's events for downloaded texts: "catalogue" BASE,
// "fetchtext" BASE IDENTIFIER (runs to its end before the next event) and
// "removetext" IDENTIFIER.
class CliTexts {
public:
    CliTexts(host::TextHost& host, store::SharedState& state);

    // How many fields the event's line has at most, 0 for an event not of these.
    static int fieldCountOf(const QString& event);
    // Handles the event; a failure is an error line.
    void handle(navigation::MainWindowLogic& logic, const QString& event, const QStringList& fields);

private:
    void listCatalogue(const QString& base);
    void fetch(navigation::MainWindowLogic& logic, const QString& base, const QString& identifier);
    void remove(navigation::MainWindowLogic& logic, const QString& identifier);

    host::TextHost& m_host;
    store::SharedState& m_state;
};

} // namespace tilvora::app
