#include "ui/dialogs/splashwindow.h"

#include "ui/art/artwork.h"
#include "ui/dialogs/formmetrics.h"
#include "version.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <algorithm>

namespace tilvora::ui {

// The progress strip (PgbProgress): a slim track that fills from the left.
class ProgressStrip : public QWidget {
public:
    using QWidget::QWidget;

    void setPercent(int percent)
    {
        m_percent = std::clamp(percent, 0, 100);
        update();
    }
    int percent() const { return m_percent; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF track = QRectF(rect()).adjusted(0.5, 2.5, -0.5, -2.5);
        const qreal radius = track.height() / 2;
        painter.setPen(QPen(QColor::fromRgb(palette::kGold), 1));
        painter.setBrush(QColor::fromRgb(0xf4ecd2));
        painter.drawRoundedRect(track, radius, radius);
        if (m_percent > 0) {
            QRectF filled = track.adjusted(1.5, 1.5, -1.5, -1.5);
            filled.setWidth(filled.width() * m_percent / 100.0);
            QLinearGradient fill(filled.topLeft(), filled.topRight());
            fill.setColorAt(0, QColor::fromRgb(palette::kGreen));
            fill.setColorAt(1, QColor::fromRgb(palette::kTeal));
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawRoundedRect(filled, filled.height() / 2, filled.height() / 2);
        }
    }

private:
    int m_percent = 0;
};

namespace {

QLabel* splashLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, const QColor& colour,
    Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("Tilvora"));
    setWindowIcon(appIcon());
    setFont(formFont(8.25));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(formPixels(this, 6480), formPixels(this, 4035));

    const QColor navy = QColor::fromRgb(0x000080);
    const QColor blue = QColor::fromRgb(0x1f3fb0);

    // The version sits in the cream margin above the picture's green panel;
    // its box reaches further left than designed so the text is never cut.
    m_version = splashLabel(this, QStringLiteral("lblVersion"), versionText(), formFont(6.75), navy, Qt::AlignRight);
    m_version->setGeometry(formRect(this, 4200, 15, 2190, 225));

    m_progress = new ProgressStrip(this);
    m_progress->setObjectName(QStringLiteral("PgbProgress"));
    m_progress->setToolTip(tr("Progress Indicator"));
    m_progress->setGeometry(formRect(this, 180, 3600, 4545, 195));

    m_progressText = splashLabel(
        this, QStringLiteral("LblProgress"), tr("Loading, please wait..."), formFont(8.25, true), blue, Qt::AlignLeft);
    m_progressText->setGeometry(formRect(this, 180, 3810, 2700, 210));

    // Tanzil asks every use of its text to name it as the source.
    m_contact = splashLabel(
        this, QStringLiteral("Label3"), tr("Quran text: tanzil.net"), formFont(8.25, true), blue, Qt::AlignRight);
    m_contact->setGeometry(formRect(this, 3600, 3810, 2700, 210));
}

SplashWindow::~SplashWindow() = default;

QString SplashWindow::versionText()
{
    //: %1 is the version, e.g. 2.08.09A.
    return tr("Version: %1").arg(shownVersion());
}

void SplashWindow::showNow()
{
    QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr)
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    // The window system maps the window some time after show(): a picture
    // painted before it is exposed is lost, and the window would stay black
    // while the main window's loading keeps the program busy. So the splash
    // waits (a second at most) to be exposed, then paints.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    repaintNow();
}

void SplashWindow::setProgressText(const QString& text)
{
    m_progressText->setText(text);
    if (isVisible())
        repaintNow();
}

void SplashWindow::setProgress(int percent)
{
    m_progress->setPercent(percent);
    if (isVisible())
        repaintNow();
}

void SplashWindow::repaintNow()
{
    repaint();
    // Let the window system take the new picture before the work goes on;
    // only paint and window events, the user cannot act yet.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::sync();
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.deviceIndependentSize().toSize() != size()
        || !qFuzzyCompare(m_picture.devicePixelRatio(), ratio))
        m_picture = splashPixmap(size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    // The window's single border.
    painter.setPen(QColor::fromRgb(palette::kDeepGreen));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tilvora::ui
