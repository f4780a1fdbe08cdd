#include "pages/readingtheme.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Qt::Literals::StringLiterals;
using namespace tilvora::pages;

TEST(ReadingTheme, ContrastRatioFollowsTheLuminanceFormula)
{
    EXPECT_DOUBLE_EQ(contrastRatio(u"#000000"_s, u"#ffffff"_s), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(u"#ffffff"_s, u"#000000"_s), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(u"#777777"_s, u"#777777"_s), 1.0);
    EXPECT_NEAR(contrastRatio(u"#767676"_s, u"#ffffff"_s), 4.54, 0.01);
    EXPECT_EQ(contrastRatio(u"white"_s, u"#ffffff"_s), 0.0);
}

TEST(ReadingTheme, EveryThemeKeepsItsTextReadableAndItsBandsDistinct)
{
    for (const Theme theme : allThemes()) {
        const ThemeColours& c = themeColours(theme);
        const std::string name = themeName(theme).toStdString();
        EXPECT_GE(contrastRatio(c.text, c.page), 7.0) << name;
        EXPECT_GE(contrastRatio(c.text, c.field), 7.0) << name;
        EXPECT_GE(contrastRatio(c.text, c.reciting), 7.0) << name;
        EXPECT_GE(contrastRatio(c.markText, c.mark), 7.0) << name;
        EXPECT_GE(contrastRatio(c.markText, c.currentMark), 7.0) << name;
        EXPECT_GE(contrastRatio(u"#ffffff"_s, c.heading), 7.0) << name;
        EXPECT_GE(contrastRatio(c.link, c.page), 4.5) << name;
        EXPECT_GE(contrastRatio(c.focusRing, c.page), 4.5) << name;
        EXPECT_GE(contrastRatio(c.focusRing, c.field), 4.5) << name;
        QSet<QString> bands;
        for (const QString& band : c.bands) {
            EXPECT_GE(contrastRatio(c.text, band), 7.0) << name << " " << band.toStdString();
            EXPECT_GE(contrastRatio(c.focusText, band), 7.0) << name << " " << band.toStdString();
            bands.insert(band);
        }
        EXPECT_EQ(bands.size(), 4) << name;
        EXPECT_EQ(themeNamed(themeName(theme)), theme);
    }
    EXPECT_FALSE(themeNamed(u"Purple"_s).has_value());
}

TEST(ReadingTheme, LightAddsNoColoursAndTheArabicFontGoesToTheArabicRowsOnly)
{
    const QString light = readingPaneStyle(Theme::Light, QString(), {0});
    EXPECT_FALSE(light.contains(u".CSS0"_s));
    EXPECT_FALSE(light.contains(u"body"_s));
    EXPECT_FALSE(otherPaneStyle(Theme::Light).contains(u"body"_s));
    EXPECT_TRUE(readingPaneStyle(Theme::Dark, QString(), {}).contains(themeColours(Theme::Dark).bands[2]));

    const QString withFont = readingPaneStyle(Theme::Light, u"Amiri Quran'; } body { x"_s, {0, 3});
    EXPECT_TRUE(withFont.contains(u".CSS0, .CSS0_Sel { font-family: 'Amiri Quran  body  x'"_s));
    EXPECT_TRUE(withFont.contains(u".CSS3, .CSS3_Sel { font-family"_s));
    EXPECT_FALSE(withFont.contains(u".CSS1, .CSS1_Sel"_s));
}
