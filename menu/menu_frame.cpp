#include "menu/menu_frame.h"

#include <QPainter>
#include <algorithm>

namespace lumaskin {

namespace {

// A rectangle from its left, top and exclusive right and bottom edges.
QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

void Fill(QPainter &painter, const QRect &rect, QRgb colour)
{
    if (rect.width() > 0 && rect.height() > 0)
        painter.fillRect(rect, QColor(colour));
}

// A one-pixel frame just inside `rect`.
void FrameRect(QPainter &painter, const QRect &rect, QRgb colour)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    Fill(painter, QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    Fill(painter, QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    Fill(painter, QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    Fill(painter, QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

// Writes pixels of the shadow image from the background, leaving those the background
// (or the window) does not cover transparent.
class ShadowWriter
{
public:
    ShadowWriter(const QImage &background, QSize window)
        : m_background(background.convertToFormat(QImage::Format_RGB32)),
          m_image(window, QImage::Format_ARGB32)
    {
        m_image.fill(Qt::transparent);
    }

    // Keeps the background pixel, darkened by k (0 keeps it as it is).
    void Darken(int x, int y, int k)
    {
        if (!m_image.rect().contains(x, y) || !m_background.rect().contains(x, y))
            return;
        m_image.setPixel(x, y, DarkenColour(k, m_background.pixel(x, y)) | 0xff000000u);
    }
    void Copy(int x, int y) { Darken(x, y, 0); }
    void Set(int x, int y, QRgb colour)
    {
        if (m_image.rect().contains(x, y))
            m_image.setPixel(x, y, colour | 0xff000000u);
    }

    QImage Take() { return std::move(m_image); }

private:
    QImage m_background;
    QImage m_image;
};

} // namespace

void DrawMenuFrame(QPainter &painter, const MenuFrame &frame, int pass, const QImage &shadow)
{
    const int w = frame.window.width();
    const int h = frame.window.height();
    const int s = MenuShadowSize(frame.systemShadows);
    const QRect inner = Edges(1, 1, w - s - 1, h - s - 1);
    const QRect outer = Edges(0, 0, w - s, h - s);
    const QRect &client = frame.client;
    const MenuColours &colours = frame.colours;

    if (pass == 0) {
        const int clientRight = client.left() + client.width();
        const int clientBottom = client.top() + client.height();
        const int innerRight = w - s - 1;
        const int innerBottom = h - s - 1;
        Fill(painter, Edges(1, 1, innerRight, client.top()), colours.a);
        Fill(painter, Edges(1, client.top(), client.left(), clientBottom), colours.a);
        Fill(painter, Edges(1, clientBottom, innerRight, innerBottom), colours.a);
        Fill(painter, Edges(clientRight, client.top(), innerRight, clientBottom), colours.a);
    }

    if (frame.highContrast) {
        FrameRect(painter, outer, frame.buttonText);
    } else {
        FrameRect(painter, inner, colours.a);
        Fill(painter, QRect(1, 2, 1, h - s - 4), colours.b);
        FrameRect(painter, outer, colours.d);
    }
    if (s > 0 && !shadow.isNull())
        painter.drawImage(0, 0, shadow);
}

QImage MenuShadow(const QImage &background, QSize window, int colourCount, QRgb buttonShadow)
{
    const int w = window.width();
    const int h = window.height();
    ShadowWriter out(background, window);

    if (colourCount > 256) {
        for (int r = 1; r <= 4; ++r) {
            const int x = w - r;
            for (int y = 0; y <= 3; ++y)
                out.Copy(x, y);
            for (int y = 4; y <= 7; ++y)
                out.Darken(x, y, 6 * r * (y - 3));
            for (int y = 8; y <= h - 5; ++y)
                out.Darken(x, y, 30 * r);
            for (int y = std::max(0, h - 4); y <= h - 1; ++y)
                out.Darken(x, y, 6 * r * (h - y));
        }
        for (int s = 1; s <= 4; ++s) {
            const int y = h - s;
            for (int x = 0; x <= 3; ++x)
                out.Copy(x, y);
            for (int x = 4; x <= 7; ++x)
                out.Darken(x, y, (6 * x - 18) * s);
            for (int x = 8; x <= w - 5; ++x)
                out.Darken(x, y, 30 * s);
        }
        return out.Take();
    }

    for (int y = 0; y < h; ++y) {
        out.Copy(w - 2, y);
        out.Copy(w - 1, y);
    }
    for (int x = 0; x < w; ++x) {
        out.Copy(x, h - 2);
        out.Copy(x, h - 1);
    }
    for (int x : {w - 3, w - 4}) {
        for (int y = 0; y <= 3; ++y)
            out.Copy(x, y);
        for (int y = 4; y <= h - 3; ++y)
            out.Set(x, y, buttonShadow);
    }
    for (int y : {h - 3, h - 4}) {
        for (int x = 0; x <= 3; ++x)
            out.Copy(x, y);
        for (int x = 4; x <= w - 5; ++x)
            out.Set(x, y, buttonShadow);
    }
    return out.Take();
}

QImage UnshadedStrips(const QImage &background, QSize window)
{
    const int w = window.width();
    const int h = window.height();
    ShadowWriter out(background, window);
    for (int y = 0; y < h; ++y)
        for (int x = std::max(0, w - 4); x < w; ++x)
            out.Copy(x, y);
    for (int y = std::max(0, h - 4); y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.Copy(x, y);
    return out.Take();
}

} // namespace lumaskin
