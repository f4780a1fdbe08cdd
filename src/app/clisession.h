#pragma once

#include "climemorise.h"
#include "clitexts.h"
#include "host/texthost.h"
#include "layout/panelayout.h"
#include "mushaf/mushafindex.h"
#include "navigation/mainwindowlogic.h"
#include "store/sharedstate.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>

namespace tilvora::app {

// One run of the text host: start-up, then one event per input line until
// the end of the input. Each host operation the program performs is written
// as one line.
class CliSession {
public:
    CliSession(QTextStream& in, QTextStream& out);
    ~CliSession();

    // Returns the process's exit status: 0 at the end of the input, 1 when
    // start-up failed.
    int run(const QString& appFolder);

private:
    void handleLine(const QString& line);
    bool paneArgument(const QString& name, host::Pane* pane);
    void handleDialogAnswer(const QStringList& fields);
    void handleResize(const QStringList& fields);
    void handleSetWidth(const QStringList& fields);
    void handleDownload(const QStringList& fields);
    // Finds the verse starts of a voice's chapter recording and prints them;
    // with "store", stores them for the voice as well.
    void handleAlign(const QStringList& fields);
    void printLayout();
    // The mushaf events: "mushaf" PAGE and "pageof" S:A.
    void handleMushaf(const QString& event, const QString& argument);
    // The mushaf index, read at the first event that needs it.
    const mushaf::MushafIndex& mushafIndex();

    QTextStream& m_in;
    host::TextHost m_host;
    store::SharedState m_state;
    std::unique_ptr<navigation::MainWindowLogic> m_logic;
    layout::PaneLayout m_layout;
    // Read at the first mushaf event.
    std::unique_ptr<mushaf::MushafIndex> m_mushaf;
    CliTexts m_texts;
    CliMemorise m_memorise;
};

} // namespace tilvora::app
