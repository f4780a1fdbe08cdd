#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace tilvora::ui {

// The program's own pictures, painted in code so that they stay sharp at any
// size and need no image plug-in: deep green and gold, eight-pointed stars
// and a lattice of them, the Arabic word "tilawa" (recitation) in Amiri.
//
// Each function paints a new pixmap of the given size in device-independent
// pixels; `devicePixelRatio` above 1 paints it with that many device pixels
// per pixel, for high-density screens.

// The banner in the window's top right corner (ImgBanner), 150 x 59.
QPixmap bannerPixmap(qreal devicePixelRatio = 1);

// The small emblem (Image1 of the main window and of the folder dialog):
// a gold star on a green tile, 32 x 32 as designed.
QPixmap emblemPixmap(int size = 32, qreal devicePixelRatio = 1);

// The icon right of the search pane (PicSearch), 16 x 16.
QPixmap searchPixmap(qreal devicePixelRatio = 1);

// The application's icon, with the emblem at the usual icon sizes.
QIcon appIcon();

// Small icons for lists of folders and of volumes (the folder dialog).
QIcon folderIcon();
QIcon volumeIcon();

// The narrow strip between the reading pane and the control pane (ImgMain).
// It is painted for the size it is shown at, so its ornaments keep their
// shape however tall the strip becomes; 20 x 200 is the design size.
QPixmap stripPixmap(const QSize& size = QSize(20, 200), qreal devicePixelRatio = 1);

// The picture that covers the splash window and the one behind the About
// page, for a window of `size`.
QPixmap splashPixmap(const QSize& size, qreal devicePixelRatio = 1);
QPixmap aboutPixmap(const QSize& size, qreal devicePixelRatio = 1);

// The colours the pictures are made of, for widgets drawn to match them.
namespace palette {
inline constexpr unsigned kDeepGreen = 0x0b3d33;
inline constexpr unsigned kGreen = 0x12594a;
inline constexpr unsigned kTeal = 0x1f7a68;
inline constexpr unsigned kGold = 0xc9a54e;
inline constexpr unsigned kPaleGold = 0xecd9a0;
inline constexpr unsigned kCream = 0xfbf7ec;

// The contrast ratio of two colours as accessibility guidelines define it,
// from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

// `preferred` (one of the colours above, say), darkened or lightened toward
// black or white until it stands out from `background` by at least
// `ratio`: the green of the glyphs stays green on a light window and turns
// pale green on a dark one.
QColor legibleOn(const QColor& preferred, const QColor& background, double ratio = 4.5);
} // namespace palette

} // namespace tilvora::ui
