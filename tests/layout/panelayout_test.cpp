#include "layout/panelayout.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>

using tilvora::layout::ControlGeometry;
using tilvora::layout::PaneControl;
using tilvora::layout::PaneLayout;

namespace {

using Rect = std::array<double, 4>; // left, top, width, height

Rect rect(const PaneLayout& layout, PaneControl id)
{
    const ControlGeometry& c = layout.control(id);
    return {c.left, c.top, c.width, c.height};
}

// The columns below the pickers: the control pane's left and width, and the
// strip's left, which is also the reading pane's width (the player 150 less).
void expectColumns(const PaneLayout& layout, double paneLeft, double paneWidth, double readingWidth)
{
    EXPECT_EQ(layout.control(PaneControl::WebControl).left, paneLeft);
    EXPECT_EQ(layout.control(PaneControl::WebControl).width, paneWidth);
    EXPECT_EQ(layout.control(PaneControl::ImgMain).left, readingWidth);
    EXPECT_EQ(layout.control(PaneControl::WebMain).width, readingWidth);
    EXPECT_EQ(layout.control(PaneControl::WinMediaPlayer).width, readingWidth - 150);
}

TEST(PaneLayout, DesignSizesGiveTheRowsAndCorner)
{
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(8880, 8310));
    EXPECT_EQ(rect(layout, PaneControl::LblSearch), (Rect{0, 0, 1395, 405}));
    EXPECT_EQ(rect(layout, PaneControl::WebSearch), (Rect{1395, 0, 7410, 405}));
    EXPECT_EQ(rect(layout, PaneControl::PicSearch), (Rect{8805, 60, 240, 240}));
    EXPECT_EQ(rect(layout, PaneControl::WebSubject), (Rect{0, 405, 3500, 405}));
    EXPECT_EQ(rect(layout, PaneControl::WebWord), (Rect{3500, 405, 1550, 405}));
    EXPECT_EQ(rect(layout, PaneControl::WebSurah), (Rect{5050, 405, 3750, 405}));
    EXPECT_EQ(rect(layout, PaneControl::ImgBanner), (Rect{6630, 0, 2250, 885}));
    EXPECT_EQ(rect(layout, PaneControl::Image1), (Rect{6150, 240, 480, 480}));
    // 8880 x 0.26 = 2308.8, so the control pane is 2309 wide.
    EXPECT_EQ(rect(layout, PaneControl::WebControl), (Rect{6571, 810, 2309, 7500}));
    EXPECT_EQ(rect(layout, PaneControl::ImgMain), (Rect{6471, 810, 100, 7500}));
    EXPECT_EQ(rect(layout, PaneControl::WebMain), (Rect{0, 810, 6471, 6145}));
    EXPECT_EQ(rect(layout, PaneControl::WinMediaPlayer), (Rect{0, 6955, 6321, 675}));
}

TEST(PaneLayout, ControlPaneStopsGrowingAt3151)
{
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(12120, 9000)); // 12120 x 0.26 = 3151.2
    expectColumns(layout, 8969, 3151, 8869);
    EXPECT_EQ(rect(layout, PaneControl::WebControl)[3], 8190);
    ASSERT_TRUE(layout.arrangePanes(20000, 9000));
    expectColumns(layout, 16849, 3151, 16749);
    // 2525 x 0.26 = 656.5 goes to the even 656.
    ASSERT_TRUE(layout.arrangePanes(2525, 3000));
    expectColumns(layout, 1869, 656, 1769);
}

TEST(PaneLayout, HideAndShowTheControlPane)
{
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(12120, 9000));
    ASSERT_TRUE(layout.toggleControlPane());
    EXPECT_FALSE(layout.control(PaneControl::WebControl).visible);
    expectColumns(layout, 8969, 3151, 11720); // the strip at W - 400
    ASSERT_TRUE(layout.toggleControlPane());
    EXPECT_TRUE(layout.control(PaneControl::WebControl).visible);
    expectColumns(layout, 8969, 3151, 8869);
}

TEST(PaneLayout, ResizeWhileHiddenLaysOutTheHiddenPane)
{
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(12120, 9000));
    ASSERT_TRUE(layout.toggleControlPane());
    ASSERT_TRUE(layout.arrangePanes(15000, 9500));
    EXPECT_FALSE(layout.control(PaneControl::WebControl).visible);
    EXPECT_EQ(rect(layout, PaneControl::WebControl), (Rect{11849, 810, 3151, 8690}));
    expectColumns(layout, 11849, 3151, 14600);
    EXPECT_EQ(rect(layout, PaneControl::WebMain)[3], 7335);
}

TEST(PaneLayout, PagesSetWidths)
{
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(12120, 9000));
    ASSERT_TRUE(layout.controlSetWidth(2000));
    expectColumns(layout, 10120, 2000, 10020);
    ASSERT_TRUE(layout.controlSetWidth(5000));
    expectColumns(layout, 8969, 3151, 8869);
    ASSERT_TRUE(layout.mainSetWidth(4000));
    EXPECT_EQ(layout.control(PaneControl::WinMediaPlayer).width, 3850);
}

TEST(PaneLayout, ChosenWidthGrowsWithTheWindowUntilForgotten)
{
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(16000, 9000));
    ASSERT_TRUE(layout.chooseControlPaneWidth(6400)); // wider than the default's limit
    EXPECT_EQ(layout.chosenControlShare(), 0.4);
    expectColumns(layout, 9600, 6400, 9500);
    ASSERT_TRUE(layout.arrangePanes(20000, 9000)); // maximised
    expectColumns(layout, 12000, 8000, 11900);
    // Hidden and shown again, the pane keeps the chosen share.
    ASSERT_TRUE(layout.toggleControlPane());
    ASSERT_TRUE(layout.toggleControlPane());
    expectColumns(layout, 12000, 8000, 11900);
    ASSERT_TRUE(layout.setChosenControlShare(std::nullopt));
    expectColumns(layout, 16849, 3151, 16749);
}

TEST(PaneLayout, ChosenWidthLeavesBothPanesUsable)
{
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(12000, 9000));
    ASSERT_TRUE(layout.chooseControlPaneWidth(-300));
    expectColumns(layout, 10500, 1500, 10400);
    ASSERT_TRUE(layout.chooseControlPaneWidth(11990)); // the reading pane keeps 8400
    expectColumns(layout, 8500, 3500, 8400);
    // A share kept from a wider window is clamped again in a narrower one.
    ASSERT_TRUE(layout.arrangePanes(11000, 9000));
    expectColumns(layout, 8500, 2500, 8400);
    // Too narrow for both: the control pane keeps its smallest width.
    ASSERT_TRUE(layout.arrangePanes(5000, 9000));
    expectColumns(layout, 3500, 1500, 3400);
    // Nonsense changes nothing.
    const auto share = layout.chosenControlShare();
    EXPECT_FALSE(layout.chooseControlPaneWidth(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(layout.setChosenControlShare(1.5));
    EXPECT_FALSE(layout.setChosenControlShare(0));
    EXPECT_EQ(layout.chosenControlShare(), share);
    expectColumns(layout, 3500, 1500, 3400);
}

TEST(PaneLayout, FailingStepEndsTheOperationWithEarlierStepsApplied)
{
    PaneLayout layout;
    // Too low for the reading pane: its top is set, its height fails, the
    // strip and the widths keep their design values.
    EXPECT_FALSE(layout.arrangePanes(3000, 1500));
    EXPECT_EQ(rect(layout, PaneControl::WebControl), (Rect{0, 810, 3000, 690}));
    EXPECT_EQ(layout.control(PaneControl::ImgBanner).left, 750);
    EXPECT_EQ(rect(layout, PaneControl::WebMain), (Rect{0, 810, 7515, 5805}));
    EXPECT_EQ(rect(layout, PaneControl::ImgMain), (Rect{570, 1050, 300, 3000}));
    // Minimised: the control pane's height fails, the banner stays.
    EXPECT_FALSE(layout.arrangePanes(3000, 400));
    EXPECT_EQ(layout.control(PaneControl::WinMediaPlayer).top, -955);
    EXPECT_EQ(layout.control(PaneControl::WebControl).height, 690);
    // Restored, everything is laid out again.
    ASSERT_TRUE(layout.arrangePanes(12120, 9000));
    expectColumns(layout, 8969, 3151, 8869);

    EXPECT_FALSE(layout.controlSetWidth(-5));
    EXPECT_EQ(layout.control(PaneControl::WebControl).width, 3151);
    EXPECT_FALSE(layout.mainSetWidth(100)); // the player would be -50 wide
    EXPECT_EQ(layout.control(PaneControl::WebMain).width, 100);
    EXPECT_EQ(layout.control(PaneControl::WinMediaPlayer).width, 8719);

    // Hiding in a window too narrow for the player: hidden, then it stops.
    ASSERT_TRUE(layout.arrangePanes(500, 3000));
    EXPECT_FALSE(layout.toggleControlPane());
    EXPECT_FALSE(layout.control(PaneControl::WebControl).visible);
    EXPECT_EQ(layout.control(PaneControl::WebMain).width, 100);
    EXPECT_EQ(layout.control(PaneControl::WinMediaPlayer).width, 120);

    EXPECT_FALSE(layout.arrangePanes(1e12, 9000));
    EXPECT_EQ(layout.outerWidth(), 500);
}

TEST(PaneLayout, LayoutLinesRoundHalvesToEven)
{
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(12121.5, 9000));
    const auto& controls = layout.controls();
    EXPECT_EQ(controls.front().name, QStringLiteral("WebSearch"));
    EXPECT_EQ(controls.back().name, QStringLiteral("WinMediaPlayer"));
    const QStringList expected{QStringLiteral("WebControl"), QStringLiteral("8970"), QStringLiteral("810"),
        QStringLiteral("3151"), QStringLiteral("8190"), QStringLiteral("1")};
    EXPECT_EQ(tilvora::layout::layoutFields(layout.control(PaneControl::WebControl)), expected);
    // The strip's left, 8870.5, becomes the reading pane's 8870 twips.
    EXPECT_EQ(layout.control(PaneControl::WebMain).width, 8870);
    EXPECT_EQ(tilvora::layout::toWholeTwips(-2.5), -2);
    EXPECT_EQ(tilvora::layout::toWholeTwips(3e9), std::nullopt);
}

TEST(PaneLayout, PixelsAtTheLogicalResolution)
{
    EXPECT_EQ(tilvora::layout::twipsPerPixel(96), 15);
    EXPECT_EQ(tilvora::layout::pixelsToTwips(808, 96), 12120);
    PaneLayout layout;
    ASSERT_TRUE(layout.arrangePanes(12120, 9000));
    // At 120 dpi (12 twips a pixel) 1395 twips is 116.25 pixels: the label
    // and the search pane still meet.
    const QRect label = tilvora::layout::pixelRect(layout.control(PaneControl::LblSearch), 120);
    const QRect search = tilvora::layout::pixelRect(layout.control(PaneControl::WebSearch), 120);
    EXPECT_EQ(label, QRect(0, 0, 116, 34));
    EXPECT_EQ(search.left(), label.right() + 1);
}

} // namespace
