#include "ui/shell/picturebutton.h"

#include <QKeyEvent>
#include <QPainter>

namespace tilvora::ui {

PictureButton::PictureButton(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QAbstractButton(parent)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::setPixmap(const QPixmap& pixmap)
{
    m_pixmap = pixmap;
    update();
}

QSize PictureButton::sizeHint() const
{
    return m_pixmap.isNull() ? QSize(16, 16) : m_pixmap.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_pixmap.isNull())
        painter.drawPixmap(rect(), m_pixmap);
    if (!hasFocus())
        return;
    // Two rings, the window's text colour inside its background, so that
    // the focus shows on a light picture and on a dark one alike.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Window), 4));
    painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
    painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace tilvora::ui
