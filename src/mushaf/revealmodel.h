#pragma once

#include <QtGlobal>

#include <vector>

namespace tilvora::mushaf {

// What a memorising reader has revealed of hidden text: the words (in
// reading order, each with its line and verse) are hidden and come back in
// order, a word, the rest of a line or verse, or all at once; the last word
// revealed can be hidden again. The revealed words are always the first ones.
class RevealModel {
public:
    struct Unit {
        int line = 0;
        qint32 ayahRef = 0;
    };

    // Starts over with every one of these words hidden.
    void reset(std::vector<Unit> words);

    int wordCount() const { return static_cast<int>(m_words.size()); }
    int revealedCount() const { return m_revealed; }
    bool isRevealed(int index) const { return index < m_revealed; }
    bool allRevealed() const { return m_revealed == wordCount(); }

    // Each returns whether something changed.
    bool revealWord();
    // The next hidden word and the rest of its line, or of its verse.
    bool revealLine();
    bool revealVerse();
    bool revealAll();
    bool hideLast();

private:
    bool revealWhile(bool (*same)(const Unit&, const Unit&));

    std::vector<Unit> m_words;
    int m_revealed = 0;
};

} // namespace tilvora::mushaf
