#include "skins/generator/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lumaskin::skingen {

QImage Canvas(QSize logicalSize, int scale)
{
    QImage image(logicalSize * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

QSize LogicalSizeOf(const QImage &image)
{
    return image.deviceIndependentSize().toSize();
}

QImage CropLogical(const QImage &image, const QRect &logical)
{
    const int scale = qRound(image.devicePixelRatio());
    QImage part = image.copy(QRect(logical.topLeft() * scale, logical.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

QColor Mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

QColor Lighter(const QColor &colour, double amount)
{
    return Mix(colour, QColor(255, 255, 255, colour.alpha()), amount);
}

QColor Darker(const QColor &colour, double amount)
{
    return Mix(colour, QColor(0, 0, 0, colour.alpha()), amount);
}

QColor Greyed(const QColor &colour, const QColor &towards, double amount)
{
    const int grey = qGray(colour.rgb());
    return Mix(Mix(colour, QColor(grey, grey, grey), amount), towards, amount * 0.5);
}

QColor WithAlpha(const QColor &colour, int alpha)
{
    QColor result = colour;
    result.setAlpha(alpha);
    return result;
}

void SetUpPainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath RoundedPath(const QRectF &rect, double radius)
{
    QPainterPath path;
    radius = std::min({radius, rect.width() / 2, rect.height() / 2});
    if (radius <= 0)
        path.addRect(rect);
    else
        path.addRoundedRect(rect, radius, radius);
    return path;
}

void FillVertical(QPainter &painter, const QPainterPath &path, const QColor &top,
                  const QColor &bottom)
{
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillPath(path, gradient);
}

void DrawBevel(QPainter &painter, const QRectF &rect, double radius, const QColor &light,
               const QColor &dark, bool raised)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = RoundedPath(inner, std::max(0.0, radius - 0.5));
    QLinearGradient gradient(inner.topLeft(), inner.bottomLeft());
    gradient.setColorAt(0, raised ? light : dark);
    gradient.setColorAt(0.5, WithAlpha(raised ? light : dark, 0));
    gradient.setColorAt(0.51, WithAlpha(raised ? dark : light, 0));
    gradient.setColorAt(1, raised ? dark : light);
    painter.setPen(QPen(QBrush(gradient), 1.0));
    painter.drawPath(path);
    painter.restore();
}

void DrawWell(QPainter &painter, const QRectF &rect, double radius, const QColor &fill,
              const QColor &border)
{
    painter.save();
    // A soft shadow cast by the upper edge into the well, then the fill and border on top.
    const QRectF outer = rect.adjusted(-2, -2, 2, 2);
    painter.fillPath(RoundedPath(outer, radius + 2), WithAlpha(Qt::black, 40));
    painter.fillPath(RoundedPath(rect.adjusted(-1, -1, 1, 1), radius + 1), border);
    painter.fillPath(RoundedPath(rect, radius), fill);
    QLinearGradient shade(rect.topLeft(), rect.topLeft() + QPointF(0, 6));
    shade.setColorAt(0, WithAlpha(Qt::black, 50));
    shade.setColorAt(1, WithAlpha(Qt::black, 0));
    painter.fillPath(RoundedPath(rect, radius), shade);
    painter.restore();
}

QImage HardMask(QSize size, const QPainterPath &shape, qreal scale)
{
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(shape, Qt::white);
    }
    return canvas.convertToFormat(QImage::Format_Alpha8);
}

void CutByMask(QImage &image, const QImage &insideMask)
{
    const qreal scale = image.devicePixelRatio();
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const uchar *inside = insideMask.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (inside[x] < 128)
                row[x] = kKeyColour;
            else if ((row[x] | 0xFF000000) == kKeyColour)
                row[x] = qRgb(254, 0, 255);
            else
                row[x] |= 0xFF000000;
        }
    }
}

void CutByShape(QImage &image, const QPainterPath &shape)
{
    CutByMask(image, HardMask(image.size(), shape, image.devicePixelRatio()));
}

} // namespace lumaskin::skingen
