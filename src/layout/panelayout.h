#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace tilvora::layout {

// The controls of the main window, in the order of its control table.
enum class PaneControl {
    WebSearch,
    LblSearch,
    PicSearch,
    WebSubject,
    WebWord,
    WebSurah,
    WebMain,
    ImgMain,
    WebControl,
    ImgBanner,
    Image1,
    WinMediaPlayer,
};
inline constexpr int kPaneControlCount = 12;

// A control's place in the window's client area, in twips (1/1440 inch).
// Values may be fractional; they are kept exactly as the arithmetic gives them.
struct ControlGeometry {
    QString name;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool visible = true;
};

// The main window's layout arithmetic, in twips, with no widgets: the desktop
// window applies the result to its widgets, the text host prints it.
//
// Every operation runs its steps in order. A step that would give a control a
// negative width or height, or a value that does not fit a 32-bit whole number
// of twips where one is needed, fails: the operation ends there, the steps
// before it stay applied, and it returns false. Nothing else reports it; the
// next resize lays the window out again.
class PaneLayout {
public:
    // The window's client area as designed.
    static constexpr double kDesignClientWidth = 8880;
    static constexpr double kDesignClientHeight = 8310;
    // What the arithmetic leaves below the player for the window's title
    // bar, menu bar and frame, within the outer height.
    static constexpr double kFrameAllowance = 680;
    // The control pane is never wider than this, unless the reader chose a
    // width of their own.
    static constexpr std::int32_t kMaxControlPaneWidth = 3151;
    // A width the reader chooses keeps both panes usable: the control pane at
    // least this wide, the reading pane at least kMinReadingPaneWidth.
    static constexpr double kMinControlPaneWidth = 1500;
    static constexpr double kMinReadingPaneWidth = 8400;
    // The widest a page may ask a pane to be: the widest window the display
    // server draws (32,767 pixels) at 96 dots per inch.
    static constexpr std::int32_t kMaxReachableWidth = 32767 * 15;

    // Every control at its design rectangle, the control pane shown, and the
    // outer size taken as the design client size until the first resize.
    PaneLayout();

    // The window's outer size became `outerWidth` x `outerHeight`: lays out
    // every control (the window's resize). A size that is not a finite number
    // within the 32-bit range changes nothing and gives false.
    bool arrangePanes(double outerWidth, double outerHeight);
    // The control pane's width (at most kMaxControlPaneWidth) and everything
    // to its left; also what a width request from the control pane's page does.
    // A width beyond kMaxReachableWidth changes nothing and gives false.
    bool controlSetWidth(std::int32_t width);
    // The reading pane's width, and the player 150 narrower; also what a width
    // request from the reading pane's page does. A width beyond
    // kMaxReachableWidth changes nothing and gives false.
    bool mainSetWidth(std::int32_t width);
    // Shows or hides the control pane and re-derives the widths.
    bool toggleControlPane();

    // The reader gives the control pane `width` twips (by dragging the strip
    // between the panes). The width is clamped so that neither pane vanishes,
    // kept as a share of the outer width, so that the pane grows and shrinks
    // with the window, and the window is laid out again. A width that is not
    // a finite number changes nothing and gives false.
    bool chooseControlPaneWidth(double width);
    // The chosen share of the outer width (0 < share < 1), or nothing: then
    // the pane takes 26 % of the outer width, at most kMaxControlPaneWidth.
    std::optional<double> chosenControlShare() const { return m_chosenShare; }
    // Takes a share kept from an earlier run (or forgets the choice with
    // nothing) and lays the window out again. A share outside (0, 1) is
    // ignored and gives false.
    bool setChosenControlShare(std::optional<double> share);

    double outerWidth() const { return m_outerWidth; }
    double outerHeight() const { return m_outerHeight; }
    const ControlGeometry& control(PaneControl id) const { return m_controls[static_cast<std::size_t>(id)]; }
    // All controls in table order.
    const std::array<ControlGeometry, kPaneControlCount>& controls() const { return m_controls; }

private:
    ControlGeometry& at(PaneControl id) { return m_controls[static_cast<std::size_t>(id)]; }
    void arrange();
    void setControlWidth(std::int32_t width);
    void setMainWidth(std::int32_t width);
    double controlPaneWidth() const;
    double clampedChosenWidth(double width) const;
    void placeControlPane(double width);

    double m_outerWidth = kDesignClientWidth;
    double m_outerHeight = kDesignClientHeight;
    std::optional<double> m_chosenShare;
    std::array<ControlGeometry, kPaneControlCount> m_controls;
};

// `value` rounded to a whole number, halves going to the even neighbour.
double roundHalfEven(double value);

// `twips` converted to a whole number of twips as the layout does it (halves
// to the even neighbour); nothing when it does not fit 32 bits.
std::optional<std::int32_t> toWholeTwips(double twips);

// The fields of a control's layout line: name, left, top, width and height in
// whole twips (halves to the even neighbour), and "1" or "0" for visible.
QStringList layoutFields(const ControlGeometry& control);

// Twips per pixel at a logical resolution: 1440 / dots per inch (15 at 96).
double twipsPerPixel(double logicalDpi);
int twipsToPixels(double twips, double logicalDpi);
double pixelsToTwips(double pixels, double logicalDpi);
// A control's rectangle in pixels. Its edges are converted, not its size, so
// controls that touch in twips touch in pixels too.
QRect pixelRect(const ControlGeometry& control, double logicalDpi);

} // namespace tilvora::layout
