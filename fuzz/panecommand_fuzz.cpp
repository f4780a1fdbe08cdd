// Any text as the address a pane navigates to: the command parser, the
// dispatcher and everything a command runs (selections, the voice menu, the
// reading page and its file, playback), against the fuzz fixture's database.
// The first byte picks the pane.

#include "fuzzfixture.h"

#include "host/host.h"
#include "navigation/mainwindowlogic.h"

#include <array>
#include <memory>

using namespace tilvora;

namespace {

constexpr std::array<host::Pane, 6> kPanes{host::Pane::WebSearch, host::Pane::WebSurah, host::Pane::WebWord,
    host::Pane::WebSubject, host::Pane::WebControl, host::Pane::WebMain};

struct Session {
    fuzz::FuzzFixture fixture;
    std::unique_ptr<navigation::MainWindowLogic> logic;

    Session()
    {
        logic = std::make_unique<navigation::MainWindowLogic>(fixture.state(), fixture.host());
        logic->load();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Session session;
    if (size == 0)
        return 0;
    const host::Pane pane = kPanes[data[0] % kPanes.size()];
    session.fixture.host().lines.clear();
    session.logic->beforeNavigate(pane, fuzz::textOf(data + 1, size - 1));
    return 0;
}
