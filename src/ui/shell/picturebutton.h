#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace tilvora::ui {

// A picture of the window that is also a control (the magnifier, the gear,
// the divider): painted to fill its rectangle, reached by Tab, pressed with
// Space or Enter, named for a screen reader, and ringed while it has the
// keyboard's focus.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString& objectName, const QString& accessibleName, QWidget* parent);

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return m_pixmap; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap m_pixmap;
};

} // namespace tilvora::ui
