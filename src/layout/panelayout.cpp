#include "layout/panelayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tilvora::layout {

namespace {

// A layout step that cannot be carried out: a negative width or height, or a
// whole number of twips out of range. It ends the operation that runs the step.
struct StepFailed { };

void setWidth(ControlGeometry& control, double width)
{
    if (width < 0)
        throw StepFailed{};
    control.width = width;
}

void setHeight(ControlGeometry& control, double height)
{
    if (height < 0)
        throw StepFailed{};
    control.height = height;
}

std::int32_t wholeTwips(double twips)
{
    const std::optional<std::int32_t> whole = toWholeTwips(twips);
    if (!whole)
        throw StepFailed{};
    return *whole;
}

template <typename Steps> bool attempt(Steps steps)
{
    try {
        steps();
        return true;
    } catch (const StepFailed&) {
        return false;
    }
}

bool fitsThirtyTwoBits(double value)
{
    return std::isfinite(value) && value >= std::numeric_limits<std::int32_t>::min()
        && value <= std::numeric_limits<std::int32_t>::max();
}

} // namespace

PaneLayout::PaneLayout()
    : m_controls{{
        {QStringLiteral("WebSearch"), 0, 0, 7410, 405, true},
        {QStringLiteral("LblSearch"), 1140, 930, 1395, 465, true},
        {QStringLiteral("PicSearch"), 4080, 1050, 240, 240, true},
        {QStringLiteral("WebSubject"), 0, 420, 3500, 405, true},
        {QStringLiteral("WebWord"), 3000, 420, 1550, 405, true},
        {QStringLiteral("WebSurah"), 4500, 420, 3750, 405, true},
        {QStringLiteral("WebMain"), 0, 1500, 7515, 5805, true},
        {QStringLiteral("ImgMain"), 570, 1050, 300, 3000, true},
        {QStringLiteral("WebControl"), 7440, 1530, 3000, 6885, true},
        {QStringLiteral("ImgBanner"), 4440, 780, 2250, 885, true},
        {QStringLiteral("Image1"), 4500, 870, 480, 480, true},
        {QStringLiteral("WinMediaPlayer"), 0, 7620, 11520, 675, true},
    }}
{
}

bool PaneLayout::arrangePanes(double outerWidth, double outerHeight)
{
    if (!fitsThirtyTwoBits(outerWidth) || !fitsThirtyTwoBits(outerHeight))
        return false;
    m_outerWidth = outerWidth;
    m_outerHeight = outerHeight;
    return attempt([this] { arrange(); });
}

bool PaneLayout::controlSetWidth(std::int32_t width)
{
    if (width > kMaxReachableWidth)
        return false;
    return attempt([this, width] { setControlWidth(width); });
}

bool PaneLayout::mainSetWidth(std::int32_t width)
{
    if (width > kMaxReachableWidth)
        return false;
    return attempt([this, width] { setMainWidth(width); });
}

bool PaneLayout::toggleControlPane()
{
    ControlGeometry& pane = at(PaneControl::WebControl);
    pane.visible = !pane.visible;
    return attempt([this] { placeControlPane(controlPaneWidth()); });
}

bool PaneLayout::chooseControlPaneWidth(double width)
{
    if (!std::isfinite(width) || !(m_outerWidth > 0))
        return false;
    m_chosenShare = clampedChosenWidth(width) / m_outerWidth;
    return attempt([this] { arrange(); });
}

bool PaneLayout::setChosenControlShare(std::optional<double> share)
{
    if (share && !(*share > 0 && *share < 1))
        return false;
    m_chosenShare = share;
    return attempt([this] { arrange(); });
}

// Each step reads what the steps before it have set; the widths and heights
// not assigned here stay at their design values.
void PaneLayout::arrange()
{
    const double w = m_outerWidth;
    const double h = m_outerHeight;
    ControlGeometry& search = at(PaneControl::WebSearch);
    ControlGeometry& label = at(PaneControl::LblSearch);
    ControlGeometry& icon = at(PaneControl::PicSearch);
    ControlGeometry& subject = at(PaneControl::WebSubject);
    ControlGeometry& word = at(PaneControl::WebWord);
    ControlGeometry& surah = at(PaneControl::WebSurah);
    ControlGeometry& reading = at(PaneControl::WebMain);
    ControlGeometry& strip = at(PaneControl::ImgMain);
    ControlGeometry& pane = at(PaneControl::WebControl);
    ControlGeometry& banner = at(PaneControl::ImgBanner);
    ControlGeometry& image1 = at(PaneControl::Image1);
    ControlGeometry& player = at(PaneControl::WinMediaPlayer);

    // The search row: label, search pane, icon.
    label.top = 0;
    label.left = 0;
    setHeight(label, search.height);
    search.top = 0;
    search.left = label.width;
    icon.top = search.top + 60;
    icon.left = search.left + search.width;
    // The pickers' row below it.
    subject.top = search.height;
    subject.left = 0;
    word.top = subject.top;
    word.left = subject.width;
    surah.top = subject.top;
    surah.left = word.left + word.width;
    // The player along the bottom, the control pane down the right edge.
    player.top = h - player.height - kFrameAllowance;
    player.left = 0;
    pane.top = subject.top + subject.height;
    pane.left = w - pane.width;
    setHeight(pane, h - pane.top);
    // The banner in the top right corner, the small icon left of it.
    banner.top = 0;
    banner.left = w - banner.width;
    image1.top = image1.height / 2 + banner.top;
    image1.left = banner.left - image1.width;
    // The reading pane above the player, the strip beside the control pane.
    reading.top = pane.top;
    reading.left = 0;
    setHeight(reading, player.top - reading.top);
    strip.top = reading.top;
    setWidth(strip, 100);
    setHeight(strip, pane.height);
    placeControlPane(controlPaneWidth());
}

void PaneLayout::setControlWidth(std::int32_t width)
{
    placeControlPane(width > kMaxControlPaneWidth ? kMaxControlPaneWidth : width);
}

void PaneLayout::placeControlPane(double width)
{
    ControlGeometry& pane = at(PaneControl::WebControl);
    ControlGeometry& strip = at(PaneControl::ImgMain);
    if (pane.visible) {
        setWidth(pane, width);
        pane.left = m_outerWidth - pane.width;
        strip.left = pane.left - strip.width;
    } else {
        strip.left = m_outerWidth - 4 * strip.width;
    }
    setMainWidth(wholeTwips(strip.left));
}

void PaneLayout::setMainWidth(std::int32_t width)
{
    ControlGeometry& reading = at(PaneControl::WebMain);
    setWidth(reading, width);
    setWidth(at(PaneControl::WinMediaPlayer), reading.width - 150);
}

// The control pane's width for the window: the reader's share of the outer
// width when one was chosen, otherwise 26 % of it, at most
// kMaxControlPaneWidth; in whole twips.
double PaneLayout::controlPaneWidth() const
{
    if (m_chosenShare)
        return wholeTwips(clampedChosenWidth(*m_chosenShare * m_outerWidth));
    const std::int32_t share = wholeTwips(m_outerWidth * 0.26);
    return share > kMaxControlPaneWidth ? kMaxControlPaneWidth : share;
}

// `width` kept between the smallest control pane and the width that leaves
// the reading pane its smallest width. In a window too narrow for both, the
// control pane keeps its smallest width.
double PaneLayout::clampedChosenWidth(double width) const
{
    const double widest = m_outerWidth - control(PaneControl::ImgMain).width - kMinReadingPaneWidth;
    return std::clamp(width, kMinControlPaneWidth, std::max(kMinControlPaneWidth, widest));
}

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction < 0.5)
        return floor;
    if (fraction > 0.5)
        return floor + 1;
    return std::fmod(floor, 2) == 0 ? floor : floor + 1;
}

std::optional<std::int32_t> toWholeTwips(double twips)
{
    const double whole = roundHalfEven(twips);
    if (!fitsThirtyTwoBits(whole))
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

QStringList layoutFields(const ControlGeometry& control)
{
    const auto whole = [](double twips) { return QString::number(static_cast<qint64>(roundHalfEven(twips))); };
    return {control.name, whole(control.left), whole(control.top), whole(control.width), whole(control.height),
        control.visible ? QStringLiteral("1") : QStringLiteral("0")};
}

double twipsPerPixel(double logicalDpi)
{
    return 1440.0 / logicalDpi;
}

int twipsToPixels(double twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel(logicalDpi)));
}

double pixelsToTwips(double pixels, double logicalDpi)
{
    return pixels * twipsPerPixel(logicalDpi);
}

QRect pixelRect(const ControlGeometry& control, double logicalDpi)
{
    const int left = twipsToPixels(control.left, logicalDpi);
    const int top = twipsToPixels(control.top, logicalDpi);
    const int right = twipsToPixels(control.left + control.width, logicalDpi);
    const int bottom = twipsToPixels(control.top + control.height, logicalDpi);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace tilvora::layout
