#include "ui/recitation/focusringstyle.h"

#include <QPainter>
#include <QStyleOptionComplex>

namespace tilvora::ui {

void FocusRingStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const bool ringed = control == CC_ToolButton || control == CC_Slider || control == CC_ComboBox;
    if (!ringed || !(option->state & State_HasFocus))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1.6));
    painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 3);
    painter->restore();
}

} // namespace tilvora::ui
