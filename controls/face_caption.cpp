#include "controls/face_caption.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lumaskin {

namespace {

constexpr int kPressed = 2;
constexpr int kDisabled = 3;

// How a caption is set on a face of `height`: its font, glyph and text widths.
struct CaptionMetrics
{
    QFont font;
    QString text;
    double glyphSide = 0;
    double glyphWidth = 0;
    double gap = 0;
    double textWidth = 0;
    Glyph glyph = Glyph::None;
    double Total() const { return glyphWidth + gap + textWidth; }
};

CaptionMetrics Measure(const FaceCaption &caption, int pixelSize, double height,
                       bool withGlyph = true)
{
    CaptionMetrics m;
    m.font = SkinFont(caption.fontFamily, pixelSize, caption.bold);
    m.text = caption.text;
    if (caption.indent == 0) {
        m.glyph = withGlyph ? caption.glyph : Glyph::None;
        m.glyphSide = caption.text.isEmpty() ? std::min(height - 9, 16.0) : 13;
        m.glyphWidth = m.glyph == Glyph::None ? 0 : m.glyphSide;
        m.gap = m.glyph == Glyph::None || caption.text.isEmpty() ? 0 : 5;
    }
    m.textWidth = QFontMetricsF(m.font).horizontalAdvance(m.text);
    return m;
}

// The room the caption's glyph and text may take on a face of `width`.
double Room(const FaceCaption &caption, double width)
{
    return caption.indent == 0 ? width - 8 : width - caption.indent - 4;
}

// The caption at its own size when it fits; else a little smaller; else without its glyph,
// down to two thirds of its size; else cut short to the room there is.
CaptionMetrics Fitted(const FaceCaption &caption, QSizeF size)
{
    const double room = Room(caption, size.width());
    const int readable = std::max(1, (caption.pixelSize * 5 + 5) / 6);
    const int smallest = std::max(1, (caption.pixelSize * 2 + 2) / 3);
    CaptionMetrics m = Measure(caption, caption.pixelSize, size.height());
    for (int pixels = caption.pixelSize - 1; m.Total() > room && pixels >= readable; --pixels)
        m = Measure(caption, pixels, size.height());
    if (m.Total() > room && !caption.text.isEmpty() && caption.glyph != Glyph::None) {
        for (int pixels = caption.pixelSize; pixels >= smallest; --pixels) {
            m = Measure(caption, pixels, size.height(), false);
            if (m.Total() <= room)
                break;
        }
    }
    if (m.Total() > room) {
        const QFontMetricsF metrics(m.font);
        m.text =
            metrics.elidedText(m.text, Qt::ElideRight, std::max(0.0, room - m.glyphWidth - m.gap));
        m.textWidth = metrics.horizontalAdvance(m.text);
    }
    return m;
}

QColor Shadow(const QColor &text)
{
    QColor shadow = Luma(text) > 0.55 ? QColor(Qt::black) : QColor(Qt::white);
    shadow.setAlpha(Luma(text) > 0.55 ? 90 : 110);
    return shadow;
}

// Glyph and text side by side, centred; the pressed face moves them a pixel down.
void PaintCentred(QPainter &p, const QRectF &box, const FaceCaption &caption,
                  const CaptionMetrics &m, int face)
{
    const QColor ink = caption.colours[face];
    const QRectF area = box.adjusted(2, 1, -2, -2).translated(0, face == kPressed ? 1 : 0);
    p.setFont(m.font);
    double x = std::round(area.center().x() - m.Total() / 2);
    const QColor shadow = Shadow(ink);
    if (m.glyph != Glyph::None) {
        const QRectF glyphBox(x, area.center().y() - m.glyphSide / 2, m.glyphSide, m.glyphSide);
        if (face != kDisabled)
            DrawGlyph(p, m.glyph, glyphBox.translated(0, 1), shadow);
        DrawGlyph(p, m.glyph, glyphBox, ink);
        x += m.glyphWidth + m.gap;
    }
    if (!m.text.isEmpty()) {
        const QRectF textBox(x, area.top(), m.textWidth + 1, area.height());
        if (face != kDisabled) {
            p.setPen(shadow);
            p.drawText(textBox.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, m.text);
        }
        p.setPen(ink);
        p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, m.text);
    }
}

} // namespace

QFont SkinFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

double Luma(const QColor &colour)
{
    return (0.2126 * colour.red() + 0.7152 * colour.green() + 0.0722 * colour.blue()) / 255.0;
}

bool CaptionFits(const FaceCaption &caption, QSizeF size)
{
    const CaptionMetrics m = Measure(caption, caption.pixelSize, size.height());
    if (m.Total() > Room(caption, size.width()))
        return false;
    return caption.indent == 0 || QFontMetricsF(m.font).height() <= size.height();
}

void PaintFaceCaption(QPainter &painter, const QRectF &box, const FaceCaption &caption, int face)
{
    face = std::clamp(face, 0, kStateCount - 1);
    if (caption.text.isEmpty() && caption.glyph == Glyph::None)
        return;
    const CaptionMetrics m = Fitted(caption, box.size());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(box, Qt::IntersectClip);
    if (caption.indent == 0) {
        PaintCentred(painter, box, caption, m, face);
    } else {
        painter.setFont(m.font);
        painter.setPen(caption.colours[face]);
        painter.drawText(QRectF(box.left() + caption.indent, box.top(),
                                box.width() - caption.indent, box.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, m.text);
    }
    painter.restore();
}

void PaintCaptionOnStrip(QImage &strip, const FaceCaption &caption, qreal skinScale)
{
    if (strip.isNull() || skinScale <= 0 ||
        (caption.text.isEmpty() && caption.glyph == Glyph::None))
        return;
    if (strip.format() != QImage::Format_RGB32 && strip.format() != QImage::Format_ARGB32 &&
        strip.format() != QImage::Format_ARGB32_Premultiplied) {
        const qreal ratio = strip.devicePixelRatio();
        strip = strip.convertToFormat(QImage::Format_RGB32);
        strip.setDevicePixelRatio(ratio);
    }
    const qreal ratio = strip.devicePixelRatio();
    strip.setDevicePixelRatio(ratio * skinScale);
    const QSizeF size = strip.deviceIndependentSize();
    const double width = std::floor(size.width() / kStateCount);
    {
        QPainter painter(&strip);
        for (int face = 0; face < kStateCount; ++face)
            PaintFaceCaption(painter, QRectF(face * width, 0, width, size.height()), caption, face);
    }
    strip.setDevicePixelRatio(ratio);
}

} // namespace lumaskin
