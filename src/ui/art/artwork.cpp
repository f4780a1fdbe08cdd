#include "ui/art/artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace tilvora::ui {

namespace {

QColor colour(unsigned rgb, int alpha = 255)
{
    QColor c = QColor::fromRgb(static_cast<QRgb>(rgb));
    c.setAlpha(alpha);
    return c;
}

// The Arabic word "tilawa", recitation, with its short vowels.
QString tilawaWord()
{
    return QStringLiteral("تِلَاوَة");
}

QFont amiri(qreal pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Amiri"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont serifCaps(qreal pixelSize, qreal letterSpacing)
{
    QFont font = amiri(pixelSize, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

// A pixmap of `size` logical pixels, transparent, ready to paint on.
QPixmap blankPixmap(const QSize& size, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    QPixmap pixmap(QSize(std::max(1, static_cast<int>(std::ceil(size.width() * ratio))),
        std::max(1, static_cast<int>(std::ceil(size.height() * ratio)))));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPointF polar(const QPointF& centre, qreal radius, qreal degrees)
{
    const qreal radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

// The eight-pointed star of two overlapping squares, its points `radius` from
// the centre, the first point at `rotation` degrees.
QPainterPath eightPointStar(const QPointF& centre, qreal radius, qreal rotation = 0)
{
    const qreal inner = radius * std::cos(std::numbers::pi / 4) / std::cos(std::numbers::pi / 8);
    QPainterPath path;
    for (int k = 0; k < 16; ++k) {
        const QPointF point = polar(centre, k % 2 == 0 ? radius : inner, rotation + k * 22.5);
        if (k == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// A four-pointed spark, used for small ornaments between larger shapes.
QPainterPath spark(const QPointF& centre, qreal radius)
{
    QPainterPath path;
    const qreal waist = radius * 0.32;
    for (int k = 0; k < 8; ++k) {
        const QPointF point = polar(centre, k % 2 == 0 ? radius : waist, -90 + k * 45.0);
        if (k == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// The star-and-cross lattice: stars whose points touch their neighbours', the
// crosses between them left open, drawn as fine lines over `area`.
void drawLattice(QPainter& painter, const QRectF& area, qreal cell, const QColor& line, qreal width)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setPen(QPen(line, width));
    painter.setBrush(Qt::NoBrush);
    const int columns = static_cast<int>(std::ceil(area.width() / cell)) + 1;
    const int rows = static_cast<int>(std::ceil(area.height() / cell)) + 1;
    for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column <= columns; ++column) {
            const QPointF centre(area.left() + column * cell, area.top() + row * cell);
            painter.drawPath(eightPointStar(centre, cell * 0.5, 0));
            painter.drawEllipse(centre, cell * 0.12, cell * 0.12);
            painter.drawPath(spark(centre + QPointF(cell / 2, cell / 2), cell * 0.16));
        }
    }
    painter.restore();
}

QLinearGradient goldGradient(const QPointF& from, const QPointF& to)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, colour(palette::kPaleGold));
    gradient.setColorAt(0.45, colour(palette::kGold));
    gradient.setColorAt(1.0, colour(0x9c7a2e));
    return gradient;
}

// A round medallion: a ring of beads, two interlaced stars, and a small star
// in a green centre.
void drawMedallion(QPainter& painter, const QPointF& centre, qreal radius)
{
    painter.save();
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);

    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, colour(palette::kTeal, 150));
    glow.setColorAt(1.0, colour(palette::kDeepGreen, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(box);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour(palette::kGold), std::max(0.8, radius * 0.035)));
    painter.drawEllipse(centre, radius * 0.97, radius * 0.97);
    painter.setPen(QPen(colour(palette::kPaleGold, 160), std::max(0.5, radius * 0.015)));
    painter.drawEllipse(centre, radius * 0.89, radius * 0.89);

    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(palette::kGold));
    if (radius >= 16) {
        for (int k = 0; k < 32; ++k)
            painter.drawEllipse(polar(centre, radius * 0.93, k * 11.25), radius * 0.018, radius * 0.018);
    }

    const QLinearGradient gold = goldGradient(box.topLeft(), box.bottomRight());
    painter.setBrush(gold);
    painter.setPen(QPen(colour(0x7d6022), std::max(0.5, radius * 0.012)));
    painter.drawPath(eightPointStar(centre, radius * 0.84, 22.5).united(eightPointStar(centre, radius * 0.84, 0)));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour(palette::kDeepGreen, 200), std::max(0.5, radius * 0.025)));
    painter.drawPath(eightPointStar(centre, radius * 0.70, 0));
    painter.drawPath(eightPointStar(centre, radius * 0.70, 22.5));

    QRadialGradient core(centre, radius * 0.42);
    core.setColorAt(0.0, colour(palette::kTeal));
    core.setColorAt(1.0, colour(palette::kDeepGreen));
    painter.setBrush(core);
    painter.setPen(QPen(colour(palette::kPaleGold), std::max(0.6, radius * 0.02)));
    painter.drawEllipse(centre, radius * 0.40, radius * 0.40);

    painter.setPen(Qt::NoPen);
    painter.setBrush(
        goldGradient(centre - QPointF(radius * 0.3, radius * 0.3), centre + QPointF(radius * 0.3, radius * 0.3)));
    painter.drawPath(eightPointStar(centre, radius * 0.27, 22.5));
    painter.setBrush(colour(palette::kDeepGreen));
    painter.drawEllipse(centre, radius * 0.07, radius * 0.07);
    painter.restore();
}

// A green field with the lattice over it and a double gold frame.
void drawGreenPanel(QPainter& painter, const QRectF& rect, qreal cornerRadius, qreal cell)
{
    painter.save();
    QPainterPath shape;
    shape.addRoundedRect(rect, cornerRadius, cornerRadius);

    QRadialGradient field(
        rect.center() - QPointF(rect.width() * 0.18, 0), std::max(rect.width(), rect.height()) * 0.75);
    field.setColorAt(0.0, colour(palette::kTeal));
    field.setColorAt(0.55, colour(palette::kGreen));
    field.setColorAt(1.0, colour(palette::kDeepGreen));
    painter.setPen(Qt::NoPen);
    painter.setBrush(field);
    painter.drawPath(shape);

    painter.setClipPath(shape);
    drawLattice(painter, rect, cell, colour(palette::kGold, 38), 0.8);
    painter.setClipping(false);

    painter.setBrush(Qt::NoBrush);
    const qreal outer = std::max(2.0, cell * 0.18);
    painter.setPen(QPen(colour(palette::kGold), 1.4));
    painter.drawRoundedRect(rect.adjusted(outer, outer, -outer, -outer), cornerRadius * 0.7, cornerRadius * 0.7);
    painter.setPen(QPen(colour(palette::kPaleGold, 150), 0.7));
    const qreal inner = outer + 3;
    painter.drawRoundedRect(rect.adjusted(inner, inner, -inner, -inner), cornerRadius * 0.6, cornerRadius * 0.6);
    painter.restore();
}

// A cream page with a faint lattice.
void drawCreamGround(QPainter& painter, const QRectF& rect, qreal cell)
{
    painter.fillRect(rect, colour(palette::kCream));
    drawLattice(painter, rect, cell, colour(palette::kGold, 30), 0.7);
}

// A horizontal rule with a small star in the middle.
void drawStarRule(QPainter& painter, const QPointF& centre, qreal halfWidth, const QColor& line)
{
    painter.save();
    painter.setPen(QPen(line, 0.9));
    const qreal gap = 7;
    painter.drawLine(QPointF(centre.x() - halfWidth, centre.y()), QPointF(centre.x() - gap, centre.y()));
    painter.drawLine(QPointF(centre.x() + gap, centre.y()), QPointF(centre.x() + halfWidth, centre.y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(line);
    painter.drawPath(eightPointStar(centre, 4.2, 22.5));
    painter.restore();
}

void drawGoldText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, int flags)
{
    painter.save();
    painter.setFont(font);
    // A soft dark shadow lifts the gold off the green.
    painter.setPen(colour(0x04231c, 150));
    painter.drawText(rect.translated(0.8, 1.0), flags, text);
    painter.setPen(QPen(QBrush(goldGradient(rect.topLeft(), rect.bottomLeft())), 1));
    painter.drawText(rect, flags, text);
    painter.restore();
}

void prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

} // namespace

QPixmap bannerPixmap(qreal devicePixelRatio)
{
    const QSize size(150, 59);
    QPixmap pixmap = blankPixmap(size, devicePixelRatio);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF rect(0, 0, size.width(), size.height());
    drawGreenPanel(painter, rect, 4, 15);
    drawMedallion(painter, QPointF(29.5, 29.5), 22);

    const QRectF words(56, 1, 88, 37);
    drawGoldText(painter, words, tilawaWord(), amiri(27), Qt::AlignCenter);
    drawStarRule(painter, QPointF(100, 38.5), 36, colour(palette::kGold, 200));
    painter.setFont(serifCaps(9, 2.2));
    painter.setPen(colour(palette::kCream));
    painter.drawText(QRectF(56, 41, 88, 13), Qt::AlignCenter, QStringLiteral("TILVORA"));
    return pixmap;
}

QPixmap emblemPixmap(int size, qreal devicePixelRatio)
{
    const int side = std::max(8, size);
    QPixmap pixmap = blankPixmap(QSize(side, side), devicePixelRatio);
    QPainter painter(&pixmap);
    prepare(painter);
    const qreal s = side;
    const QRectF tile(0.5, 0.5, s - 1, s - 1);
    const qreal corner = s * 0.2;

    QLinearGradient field(tile.topLeft(), tile.bottomRight());
    field.setColorAt(0.0, colour(palette::kTeal));
    field.setColorAt(1.0, colour(palette::kDeepGreen));
    painter.setPen(QPen(colour(0x082b24), std::max(0.6, s / 40)));
    painter.setBrush(field);
    painter.drawRoundedRect(tile, corner, corner);
    if (side >= 24) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour(palette::kGold, 170), std::max(0.6, s / 48)));
        const qreal inset = s * 0.08;
        painter.drawRoundedRect(tile.adjusted(inset, inset, -inset, -inset), corner * 0.7, corner * 0.7);
    }

    const QPointF centre(s / 2, s / 2);
    painter.setPen(QPen(colour(0x7d6022), std::max(0.4, s / 64)));
    painter.setBrush(goldGradient(tile.topLeft(), tile.bottomRight()));
    painter.drawPath(eightPointStar(centre, s * 0.38, 22.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(palette::kDeepGreen));
    painter.drawEllipse(centre, s * 0.15, s * 0.15);
    painter.setBrush(colour(palette::kPaleGold));
    painter.drawPath(eightPointStar(centre, s * 0.09, 22.5));
    return pixmap;
}

QPixmap searchPixmap(qreal devicePixelRatio)
{
    QPixmap pixmap = blankPixmap(QSize(16, 16), devicePixelRatio);
    QPainter painter(&pixmap);
    prepare(painter);
    const QPointF lens(6.5, 6.5);
    painter.setPen(QPen(colour(palette::kGold), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10.2, 10.2), QPointF(14.3, 14.3));
    painter.setPen(QPen(colour(palette::kGreen), 1.8));
    painter.setBrush(colour(palette::kPaleGold, 110));
    painter.drawEllipse(lens, 4.6, 4.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(palette::kGreen));
    painter.drawPath(eightPointStar(lens, 2.3, 22.5));
    return pixmap;
}

QIcon appIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(emblemPixmap(side));
    return icon;
}

namespace {

QIcon smallIcon(const std::function<void(QPainter&)>& paint)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap = blankPixmap(QSize(16, 16), ratio);
        QPainter painter(&pixmap);
        prepare(painter);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon folderIcon()
{
    return smallIcon([](QPainter& painter) {
        QPainterPath back;
        back.moveTo(1.5, 3.5);
        back.lineTo(6, 3.5);
        back.lineTo(7.5, 5);
        back.lineTo(14.5, 5);
        back.lineTo(14.5, 13.5);
        back.lineTo(1.5, 13.5);
        back.closeSubpath();
        painter.setPen(QPen(colour(0x9c7a2e), 1));
        painter.setBrush(colour(palette::kGold));
        painter.drawPath(back);
        QLinearGradient front(0, 6.5, 0, 13.5);
        front.setColorAt(0, colour(palette::kPaleGold));
        front.setColorAt(1, colour(0xdcbf72));
        painter.setBrush(front);
        painter.drawRect(QRectF(1.5, 6.5, 13, 7));
    });
}

QIcon volumeIcon()
{
    return smallIcon([](QPainter& painter) {
        painter.setPen(QPen(colour(palette::kDeepGreen), 1));
        QLinearGradient body(0, 4.5, 0, 12.5);
        body.setColorAt(0, colour(palette::kTeal));
        body.setColorAt(1, colour(palette::kGreen));
        painter.setBrush(body);
        painter.drawRoundedRect(QRectF(1.5, 4.5, 13, 8), 2, 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour(palette::kPaleGold));
        painter.drawEllipse(QPointF(12, 10), 1.1, 1.1);
        painter.setBrush(colour(palette::kGold, 200));
        painter.drawRect(QRectF(3.5, 9.3, 5, 1.4));
    });
}

QPixmap stripPixmap(const QSize& size, qreal devicePixelRatio)
{
    const QSize actual(std::max(1, size.width()), std::max(1, size.height()));
    QPixmap pixmap = blankPixmap(actual, devicePixelRatio);
    QPainter painter(&pixmap);
    prepare(painter);
    const qreal w = actual.width();
    const qreal h = actual.height();

    QLinearGradient across(0, 0, w, 0);
    across.setColorAt(0.0, colour(palette::kDeepGreen));
    across.setColorAt(0.5, colour(palette::kTeal));
    across.setColorAt(1.0, colour(palette::kDeepGreen));
    painter.fillRect(QRectF(0, 0, w, h), across);

    if (w >= 3) {
        painter.setPen(QPen(colour(palette::kGold, 200), 0.8));
        painter.drawLine(QPointF(0.6, 0), QPointF(0.6, h));
        painter.drawLine(QPointF(w - 0.6, 0), QPointF(w - 0.6, h));
    }
    // A chain of small stars down the middle, spaced by the strip's width.
    const qreal radius = std::max(1.2, w * 0.32);
    const qreal step = std::max(6.0, w * 1.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(palette::kGold));
    for (qreal y = step / 2; y < h; y += step)
        painter.drawPath(eightPointStar(QPointF(w / 2, y), radius, 22.5));
    return pixmap;
}

QPixmap splashPixmap(const QSize& size, qreal devicePixelRatio)
{
    QPixmap pixmap = blankPixmap(size, devicePixelRatio);
    QPainter painter(&pixmap);
    prepare(painter);
    const qreal w = size.width();
    const qreal h = size.height();
    drawCreamGround(painter, QRectF(0, 0, w, h), 24);

    // The green panel leaves a cream margin at the top for the version and at
    // the bottom for the progress strip and the two labels.
    const QRectF panel(10, 17, w - 20, h * 0.84 - 17);
    drawGreenPanel(painter, panel, 9, 26);

    const qreal radius = panel.height() * 0.38;
    const QPointF medal(panel.left() + panel.height() * 0.5 + 6, panel.center().y());
    drawMedallion(painter, medal, radius);

    const QRectF text(
        medal.x() + radius + 14, panel.top() + 10, panel.right() - 16 - (medal.x() + radius + 14), panel.height() - 20);
    const qreal unit = panel.height() / 195.0;
    drawGoldText(painter, QRectF(text.left(), text.top() + 2 * unit, text.width(), 88 * unit), tilawaWord(),
        amiri(58 * unit), Qt::AlignHCenter | Qt::AlignVCenter);
    drawStarRule(
        painter, QPointF(text.center().x(), text.top() + 98 * unit), text.width() * 0.42, colour(palette::kGold));
    painter.setFont(amiri(30 * unit, true));
    painter.setPen(colour(palette::kCream));
    painter.drawText(QRectF(text.left(), text.top() + 104 * unit, text.width(), 38 * unit), Qt::AlignCenter,
        QCoreApplication::translate("Artwork", "Tilvora"));
    painter.setFont(amiri(12.5 * unit));
    painter.setPen(colour(palette::kPaleGold));
    painter.drawText(QRectF(text.left(), text.top() + 142 * unit, text.width(), 20 * unit), Qt::AlignCenter,
        QCoreApplication::translate("Artwork", "Quran reader and recitation player"));
    return pixmap;
}

QPixmap aboutPixmap(const QSize& size, qreal devicePixelRatio)
{
    QPixmap pixmap = blankPixmap(size, devicePixelRatio);
    QPainter painter(&pixmap);
    prepare(painter);
    const qreal w = size.width();
    const qreal h = size.height();
    drawCreamGround(painter, QRectF(0, 0, w, h), 28);

    // The header: a green band with the medallion and the Arabic word.
    const qreal bandHeight = std::min(122.0, h * 0.24);
    const QRectF band(0, 0, w, bandHeight);
    painter.save();
    QLinearGradient field(band.topLeft(), band.bottomLeft());
    field.setColorAt(0.0, colour(palette::kGreen));
    field.setColorAt(1.0, colour(palette::kDeepGreen));
    painter.fillRect(band, field);
    drawLattice(painter, band, 30, colour(palette::kGold, 40), 0.8);
    painter.setPen(QPen(colour(palette::kGold), 2));
    painter.drawLine(QPointF(0, bandHeight - 4), QPointF(w, bandHeight - 4));
    painter.setPen(QPen(colour(palette::kPaleGold, 170), 0.8));
    painter.drawLine(QPointF(0, bandHeight - 1), QPointF(w, bandHeight - 1));
    painter.restore();

    const qreal radius = bandHeight * 0.40;
    drawMedallion(painter, QPointF(radius + 22, bandHeight / 2 - 2), radius);
    drawGoldText(painter, QRectF(w - 250, 4, 226, bandHeight - 12), tilawaWord(), amiri(bandHeight * 0.50),
        Qt::AlignRight | Qt::AlignVCenter);

    // The page the credits are written on.
    const QRectF page(22, bandHeight + 16, w - 44, h - bandHeight - 16 - 20);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(0x000000, 18));
    painter.drawRoundedRect(page.translated(1.5, 2), 8, 8);
    painter.setBrush(colour(0xfffdf7));
    painter.setPen(QPen(colour(palette::kGold), 1.2));
    painter.drawRoundedRect(page, 8, 8);
    painter.setPen(QPen(colour(palette::kGold, 120), 0.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(page.adjusted(4, 4, -4, -4), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(palette::kGold));
    for (const QPointF& corner : {page.topLeft() + QPointF(12, 12), page.topRight() + QPointF(-12, 12),
             page.bottomLeft() + QPointF(12, -12), page.bottomRight() + QPointF(-12, -12)})
        painter.drawPath(eightPointStar(corner, 5, 22.5));
    painter.restore();
    return pixmap;
}

namespace palette {

namespace {

double luminance(const QColor& colour)
{
    const auto channel
        = [](double value) { return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
        static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
        static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor legibleOn(const QColor& preferred, const QColor& background, double ratio)
{
    // Toward whichever end stands out more from the background.
    const QColor end = contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background) ? QColor(Qt::white)
                                                                                                   : QColor(Qt::black);
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = mixed(preferred, end, step / 20.0);
        if (contrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return end;
}

} // namespace palette

} // namespace tilvora::ui
