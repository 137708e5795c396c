#pragma once

#include "skin/entry_fields.h"
#include "skin/rect.h"

#include <QDialog>
#include <QImage>
#include <QRegion>
#include <QString>
#include <optional>

class QPainter;

namespace lumaskin {

// A frameless window drawn from a skin's background bitmap: its shape is the bitmap without
// the pixels of the skin's key colour, it paints the background and the skin's icon, it is
// moved by a press on its background, and Escape and Enter never close it.
class SkinWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SkinWindow(QWidget *parent = nullptr);

    // The key colour of the background, the icon and every control; magenta until a skin
    // names its own, the colour skins use by habit.
    ColourValue TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(ColourValue colour) { m_transparentColor = colour; }

    // Loads the background from `path` (empty: none). The window takes the bitmap's size and
    // shape; without a bitmap it keeps both.
    void LoadBackground(const QString &path);
    // Loads the icon drawn at rect's top-left corner, or none from an empty path.
    void LoadIcon(const QString &path, const Rect &rect);
    void ClearIcon();
    // Drops the background and its copy. The mask the window wears stays until the next shape
    // replaces it.
    void DropBackground();

    // Cuts the window's shape out of `bitmap` by `colour` into `region` and applies it.
    // True when at least one pixel was cut.
    bool ShapeWindow(QRegion &region, const QImage &bitmap, ColourValue colour);
    void ReshapeWindow();
    // The copy of the background that controls copy the area under them from.
    void BuildBackgroundDC();
    // A window without a background gets the desktop's frame, so that it can still be
    // closed; a skinned one has none.
    void FrameWithoutSkin();

    const QImage &BackgroundBitmap() const { return m_backgroundBitmap; }
    const QImage &BackgroundDC() const { return m_backgroundDC; }
    const QImage &IconBitmap() const { return m_iconBitmap; }
    const Rect &IconRect() const { return m_iconRect; }
    const QRegion &WindowRegion() const { return m_windowRegion; }

protected:
    // Background 1:1, then the icon with its key colour left out.
    void PaintSkin(QPainter &painter);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage m_backgroundBitmap;
    // What is painted of it: where the display cannot cut the window to its shape, the key
    // colour made transparent (the same pixels otherwise).
    QImage m_backgroundPainted;
    QImage m_backgroundDC;
    QImage m_iconBitmap;
    // The icon with its key-coloured pixels made transparent, ready to draw.
    QImage m_iconDrawn;
    Rect m_iconRect;
    ColourValue m_transparentColor = 0x00FF00FF;
    QRegion m_windowRegion;
    // The press point relative to the window while the window moves itself.
    std::optional<QPoint> m_dragOffset;
};

} // namespace lumaskin
