#include "controls/focus_mark.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace lumaskin {

namespace {

// Share of the ring's pixels a colour must stand out from: a few may fall on a glint or an
// edge of the same colour without the ring being lost.
constexpr double kEnough = 0.95;
constexpr double kReadable = 4.5;

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &colour)
{
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) +
           0.0722 * Linear(colour.blue());
}

// The luminances under the ring: 2 pixels wide, 1 pixel inside the edge.
std::vector<double> RingLuminances(const QImage &under)
{
    std::vector<double> ring;
    const QImage image = under.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    for (int y = 1; y < h - 1; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 1; x < w - 1; ++x) {
            const bool onRing = x <= 2 || y <= 2 || x >= w - 3 || y >= h - 3;
            if (onRing)
                ring.push_back(Luminance(QColor::fromRgb(line[x])));
        }
    }
    return ring;
}

// The share of `ring` that `colour` stands 4.5:1 apart from.
double Standing(const QColor &colour, const std::vector<double> &ring)
{
    if (ring.empty())
        return 1.0;
    const double l = Luminance(colour);
    const auto apart = std::count_if(ring.begin(), ring.end(), [l](double under) {
        return (std::max(l, under) + 0.05) / (std::min(l, under) + 0.05) >= kReadable;
    });
    return double(apart) / double(ring.size());
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

MarkColours ChooseMarkColours(const QImage &under, std::span<const QColor> skinColours)
{
    std::vector<QColor> candidates;
    for (const QColor &colour : skinColours) {
        if (colour.isValid())
            candidates.push_back(colour);
    }
    candidates.push_back(Qt::black);
    candidates.push_back(Qt::white);
    const std::vector<double> ring = RingLuminances(under);
    QColor best;
    double bestShare = -1;
    for (const QColor &colour : candidates) {
        const double share = Standing(colour, ring);
        if (share >= kEnough)
            return {colour, QColor()};
        if (share > bestShare) {
            best = colour;
            bestShare = share;
        }
    }
    const QColor inner = ContrastRatio(best, Qt::black) > ContrastRatio(best, Qt::white)
                             ? QColor(Qt::black)
                             : QColor(Qt::white);
    return {best, inner};
}

FocusMark::FocusMark(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::Cover(const QRect &area, const QImage &under, const QImage &bitmap,
                      std::span<const QColor> skinColours)
{
    m_bitmap = bitmap;
    m_colours = bitmap.isNull() ? ChooseMarkColours(under, skinColours) : MarkColours{};
    setGeometry(area);
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_bitmap.isNull()) {
        painter.drawImage(rect(), m_bitmap);
        return;
    }
    if (width() < 6 || height() < 6)
        return;
    painter.setBrush(Qt::NoBrush);
    // Two 1-pixel lines make the ring: the outer one 1 pixel inside the edge.
    painter.setPen(QPen(m_colours.outer, 1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.setPen(QPen(m_colours.inner.isValid() ? m_colours.inner : m_colours.outer, 1));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

} // namespace lumaskin
