#pragma once

#include <QProxyStyle>

namespace tilvora::ui {

// The application's style, with a ring drawn around a flat button, a slider
// or a list that has the keyboard's focus: the desktop style draws none
// around the strip's flat buttons and sliders. The ring is in the window's
// text colour, which stands out from the window in every theme.
class FocusRingStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override;
};

} // namespace tilvora::ui
