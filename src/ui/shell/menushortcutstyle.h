#pragma once

#include <QProxyStyle>

namespace tilvora::ui {

// The application's style, with menu shortcuts that read as they are typed
// in a right-to-left menu too. A shortcut is written left to right
// ("Ctrl++"), but in a right-to-left menu the plus signs at its end belong
// to the line's direction and are drawn on the other side ("++Ctrl"); marked
// as left to right at both ends, the shortcut is drawn whole.
class MenuShortcutStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override;
};

} // namespace tilvora::ui
