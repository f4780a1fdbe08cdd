#include "fuzzfixture.h"

#include "store/storestartup.h"

namespace tilvora::fuzz {

using testing::FixtureDb;

FuzzFixture::FuzzFixture()
{
    fill();
    reopen();
}

void FuzzFixture::fill()
{
    m_db.program({.id = 1, .type = FixtureDb::Matan, .master = QStringLiteral("Text"), .selected = true, .order = 0});
    m_db.program({.id = 2,
        .type = FixtureDb::Translation,
        .master = QStringLiteral("English"),
        .selected = true,
        .order = 1,
        .direction = QStringLiteral("ltr")});
    m_db.program({.id = 3, .type = FixtureDb::Translation, .master = QStringLiteral("Urdu"), .order = 2});
    m_db.program({.id = 4, .type = FixtureDb::Tafseer, .master = QStringLiteral("Notes"), .order = 3});
    m_db.program({.id = 5,
        .type = FixtureDb::Voice,
        .master = QStringLiteral("Reciter"),
        .selected = true,
        .data = m_db.folder() + QStringLiteral("/media")});
    for (int verse = 1; verse <= 7; ++verse) {
        m_db.verse(verse, 1, verse, 1);
        m_db.detail(verse * 10 + 1, 1, verse, QStringLiteral("نص %1").arg(verse), QStringLiteral("نص"));
        m_db.detail(verse * 10 + 2, 2, verse, QStringLiteral("English %1").arg(verse), QStringLiteral("english"));
        m_db.detail(verse * 10 + 3, 3, verse, QStringLiteral("Urdu %1").arg(verse));
        m_db.detail(verse * 10 + 5, 5, verse, QStringLiteral("00%1.mp3").arg(verse));
        m_db.word(QStringLiteral("word%1").arg(verse % 3), QStringLiteral("root%1").arg(verse % 2), verse);
        m_db.subject(verse % 4, verse);
    }
}

void FuzzFixture::reopen()
{
    m_state = store::SharedState();
    store::startStore(m_state, m_db.folder());
}

QString textOf(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace tilvora::fuzz
