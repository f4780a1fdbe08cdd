#include "ui/shell/menushortcutstyle.h"

#include <QStyleOptionMenuItem>

namespace tilvora::ui {

void MenuShortcutStyle::drawControl(
    ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    // A menu item's text is its name, a tab and its shortcut.
    const qsizetype tab = item != nullptr ? item->text.indexOf(QLatin1Char('\t')) : -1;
    if (element != CE_MenuItem || tab < 0 || option->direction != Qt::RightToLeft) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    constexpr QChar kLeftToRightMark(0x200E);
    QStyleOptionMenuItem shown = *item;
    shown.text = item->text.left(tab + 1) + kLeftToRightMark + item->text.mid(tab + 1) + kLeftToRightMark;
    QProxyStyle::drawControl(element, &shown, painter, widget);
}

} // namespace tilvora::ui
