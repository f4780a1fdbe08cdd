// The reading page rendered from random database content: the programs'
// names, directions, fonts, orders and selections and the verses' texts come
// from the input, then one view (chapter, part, word, root, subject, search)
// is rendered with a value from the input.

#include "fuzzfixture.h"

#include "pages/readingpage.h"
#include "store/error.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>

using namespace tilvora;
using testing::FixtureDb;

namespace {

const std::array<const char*, 6> kViews{"Surah", "Parah", "Word", "Root", "Subject", "Search"};

// Fixture text from the input; a NUL would cut the fixture's own statement.
QString fuzzText(FuzzedDataProvider& input, size_t maxLength)
{
    return QString::fromStdString(input.ConsumeRandomLengthString(maxLength)).remove(QChar(0));
}

QVariant fuzzValue(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return {};
    case 1:
        return input.ConsumeIntegral<int>();
    default:
        return fuzzText(input, 16);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::FuzzFixture fixture;
    FuzzedDataProvider input(data, size);
    FixtureDb& db = fixture.db();
    db.execute({QStringLiteral("DELETE FROM AP_Master_TAB"), QStringLiteral("DELETE FROM AP_Detail_TAB")});
    const int programs = input.ConsumeIntegralInRange(1, 5);
    for (int id = 1; id <= programs; ++id) {
        db.program({.id = id,
            .type = static_cast<FixtureDb::Type>(input.ConsumeIntegralInRange(1, 4)),
            .master = fuzzText(input, 12),
            .selected = input.ConsumeBool(),
            .order = fuzzValue(input),
            .data = fuzzText(input, 12),
            .direction = fuzzValue(input),
            .fontName = fuzzValue(input),
            .fontSize = fuzzValue(input),
            .fontBold = fuzzValue(input)});
        for (int verse = 1; verse <= 7; ++verse) {
            if (input.ConsumeBool())
                db.detail(id * 10 + verse, id, verse, fuzzText(input, 40), fuzzText(input, 8));
        }
    }
    const QString view = QString::fromLatin1(kViews[input.ConsumeIntegralInRange<size_t>(0, kViews.size() - 1)]);
    const QString value = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    try {
        fixture.reopen();
        fixture.host().lines.clear();
        pages::renderReadingPage(fixture.state(), fixture.host(), view, value);
    } catch (const store::Error&) {
    }
    return 0;
}
