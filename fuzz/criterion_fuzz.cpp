// Any text as a record-set filter: parsed, then applied to the program list
// and walked, as the program narrows its record sets.

#include "fuzzfixture.h"

#include "store/criterion.h"
#include "store/dberror.h"

using namespace tilvora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::FuzzFixture fixture;
    const QString text = fuzz::textOf(data, size);
    try {
        store::Criterion::parse(text);
    } catch (const store::DbError&) {
        return 0;
    }
    store::RecordSet& programs = fixture.state().gPrograms;
    try {
        programs.setFilter(text);
        for (programs.moveFirst(); !programs.eof(); programs.moveNext())
            programs.value(QStringLiteral("MasterID"));
    } catch (const store::DbError&) {
    }
    programs.setFilter(QString());
    return 0;
}
