#pragma once

#include "mushafindex.h"
#include "mushafpage.h"
#include "revealmodel.h"

#include <QString>

#include <vector>

namespace tilvora::mushaf {

// The markup of one or two facing pages as the mushaf view shows them, and
// the page's words in reading order for the memorising aid. Each word is a
// span that carries its verse (data-v) and its place in the reading order
// (data-i); the sign that ends a verse carries its verse too. Lines are
// laid out and justified by the view's style and script.
struct SpreadMarkup {
    QString html;
    std::vector<RevealModel::Unit> words;
};

// `pages` in reading order: the right-hand page first.
SpreadMarkup markSpread(const std::vector<MushafPage>& pages, const MushafIndex& index);

// The number in Arabic-Indic digits, as the print writes page numbers.
QString arabicDigits(int number);

} // namespace tilvora::mushaf
