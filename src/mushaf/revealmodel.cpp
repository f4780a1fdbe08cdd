#include "revealmodel.h"

namespace tilvora::mushaf {

void RevealModel::reset(std::vector<Unit> words)
{
    m_words = std::move(words);
    m_revealed = 0;
}

bool RevealModel::revealWord()
{
    if (allRevealed())
        return false;
    ++m_revealed;
    return true;
}

bool RevealModel::revealWhile(bool (*same)(const Unit&, const Unit&))
{
    if (allRevealed())
        return false;
    const Unit first = m_words[static_cast<std::size_t>(m_revealed)];
    while (m_revealed < wordCount() && same(first, m_words[static_cast<std::size_t>(m_revealed)]))
        ++m_revealed;
    return true;
}

bool RevealModel::revealLine()
{
    return revealWhile([](const Unit& a, const Unit& b) { return a.line == b.line; });
}

bool RevealModel::revealVerse()
{
    return revealWhile([](const Unit& a, const Unit& b) { return a.ayahRef == b.ayahRef; });
}

bool RevealModel::revealAll()
{
    if (allRevealed())
        return false;
    m_revealed = wordCount();
    return true;
}

bool RevealModel::hideLast()
{
    if (m_revealed == 0)
        return false;
    --m_revealed;
    return true;
}

} // namespace tilvora::mushaf
