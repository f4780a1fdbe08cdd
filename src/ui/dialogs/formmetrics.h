#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

#include <cmath>

namespace tilvora::ui {

// The fixed forms (the folder dialog, the splash and About windows) give their
// controls' places in twips, 1/1440 inch, so that they keep their proportions
// at any resolution; these convert them to pixels at the widget's logical
// resolution (15 twips to the pixel at 96 dots per inch).

inline int formPixels(const QWidget* widget, double twips)
{
    const double dpi = widget->logicalDpiX() > 0 ? widget->logicalDpiX() : 96;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

// A rectangle given as left, top, width and height in twips. Its edges are
// converted, not its size, so controls that touch in twips touch in pixels.
inline QRect formRect(const QWidget* widget, double left, double top, double width, double height)
{
    const int x = formPixels(widget, left);
    const int y = formPixels(widget, top);
    return {x, y, formPixels(widget, left + width) - x, formPixels(widget, top + height) - y};
}

// Tahoma, which the forms' places are measured for, or the nearest font installed:
// Noto Sans is as compact, DejaVu Sans is always there.
inline QFont formFont(double pointSize, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace tilvora::ui
