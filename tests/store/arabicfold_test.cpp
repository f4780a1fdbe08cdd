#include "store/arabicfold.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::store::foldArabic;
using tilvora::store::searchFormOf;

TEST(ArabicFolding, DropsMarksAndWritesEachLetterOneWay)
{
    // Vowel marks, shadda, sukun, superscript alef, Quranic signs, tatweel.
    EXPECT_EQ(foldArabic(u"رَحْمَة"_s), u"رحمه"_s);
    EXPECT_EQ(foldArabic(u"ٱلرَّحْمَٰنِ"_s), u"الرحمن"_s);
    EXPECT_EQ(foldArabic(u"ذَٰلِكَ ٱلْكِتَٰبُ لَا رَيْبَ ۛ فِيهِ ۛ"_s), u"ذلك الكتب لا ريب  فيه "_s);
    EXPECT_EQ(foldArabic(u"اللــه"_s), u"الله"_s);
    // The letters written in several ways.
    EXPECT_EQ(foldArabic(u"أإآٱ ؤ ئى ة"_s), u"اااا و يي ه"_s);
    EXPECT_EQ(foldArabic(u"أَحَدٌ"_s), u"احد"_s);
}

TEST(ArabicFolding, LeavesOtherTextAsItIs)
{
    for (const QString& text :
        {u"Allah, the Merciful"_s, u"SÄG: han är GUD"_s, u"کہو، وہ اللہ ہے، یکتا"_s, u"*%_'"_s, QString()})
        EXPECT_EQ(foldArabic(text), text);
    // Folding works character by character: pieces fold as the whole does.
    EXPECT_EQ(foldArabic(u"قُلْ هُوَ\nٱللَّهُ أَحَدٌ"_s), foldArabic(u"قُلْ هُوَ"_s) + u'\n' + foldArabic(u"ٱللَّهُ أَحَدٌ"_s));
}

TEST(ArabicFolding, ASearchOfMarksOnlyIsSearchedAsTyped)
{
    EXPECT_EQ(searchFormOf(u"*إِيمَان"_s), u"*ايمان"_s);
    EXPECT_EQ(searchFormOf(u"َّ"_s), u"َّ"_s);
    EXPECT_EQ(searchFormOf(u"mercy"_s), u"mercy"_s);
}
