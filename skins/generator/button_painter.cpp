#include "skins/generator/button_painter.h"

#include "controls/glyphs.h"
#include "skins/generator/paint_kit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace lumaskin::skingen {

namespace {

const QColor kWarning(0xD6, 0x3F, 0x36);

// The colours of one face of one kind of button.
struct FaceColours
{
    QColor top, bottom, border, text;
    bool raised = true;
};

FaceColours ColoursFor(const Theme &theme, ButtonRole role, Face face)
{
    const Palette &c = theme.colours;
    FaceColours f;
    switch (role) {
    case ButtonRole::Tool:
        f = {c.buttonTop, c.buttonBottom, c.buttonBorder, c.buttonText};
        break;
    case ButtonRole::Primary:
        f = {Lighter(c.accent, 0.18), Darker(c.accent, 0.12), Darker(c.accent, 0.4), c.accentText};
        break;
    case ButtonRole::Title:
    case ButtonRole::Close:
        f = {Lighter(c.headerTop, 0.14), Lighter(c.headerBottom, 0.06), Darker(c.headerBottom, 0.3),
             c.caption};
        break;
    }
    const bool flat = theme.buttons == ButtonStyle::Flat;
    switch (face) {
    case Face::Normal:
        break;
    case Face::Hover:
        if (role == ButtonRole::Close) {
            f = {Lighter(kWarning, 0.2), kWarning, Darker(kWarning, 0.35), Qt::white};
        } else if (role == ButtonRole::Title) {
            f.top = Mix(f.top, c.accent, 0.55);
            f.bottom = Mix(f.bottom, c.accent, 0.55);
            f.border = Darker(c.accent, 0.3);
            f.text = c.accentText;
        } else if (role == ButtonRole::Primary) {
            f.top = Lighter(f.top, 0.25);
            f.bottom = Lighter(f.bottom, 0.18);
            f.border = Darker(c.accent, 0.55);
        } else if (flat) {
            f.top = Mix(Lighter(f.top, 0.1), c.accent, 0.16);
            f.bottom = Mix(Lighter(f.bottom, 0.1), c.accent, 0.2);
            f.border = c.accent;
        } else {
            f.top = Lighter(f.top, 0.16);
            f.bottom = Lighter(f.bottom, 0.12);
            f.border = c.accent;
        }
        break;
    case Face::Pressed: {
        const QColor top = f.top;
        f.top = Darker(f.bottom, 0.16);
        f.bottom = Darker(top, 0.04);
        if (role == ButtonRole::Close) {
            f.top = Darker(kWarning, 0.2);
            f.bottom = kWarning;
            f.text = Qt::white;
        }
        f.raised = false;
        break;
    }
    case Face::Disabled: {
        const QColor base = c.panel;
        f.top = Greyed(f.top, base, 0.7);
        f.bottom = Greyed(f.bottom, base, 0.7);
        f.border = Greyed(f.border, base, 0.6);
        f.text = Mix(Greyed(f.text, base, 0.6), Mix(f.top, f.bottom, 0.5), 0.5);
        f.raised = false;
        break;
    }
    }
    return f;
}

double CornerRadius(const Theme &theme, const QRectF &body)
{
    switch (theme.buttons) {
    case ButtonStyle::Gloss:
        return 6;
    case ButtonStyle::Flat:
        return 4;
    case ButtonStyle::Bevel:
        return 3;
    case ButtonStyle::Pill:
        return body.height() / 2;
    }
    return 4;
}

// A button body in `box`: shadow, fill, style's highlight, border.
void PaintButtonBody(QPainter &p, const Theme &theme, const QRectF &box, const FaceColours &f,
                     Face face)
{
    const QRectF body = box.adjusted(0.5, 0.5, -0.5, -1.5);
    const double radius = CornerRadius(theme, body);
    if (f.raised)
        p.fillPath(RoundedPath(body.translated(0, 1), radius), WithAlpha(Qt::black, 50));
    else if (face == Face::Pressed)
        p.fillPath(RoundedPath(body.translated(0, 1), radius),
                   WithAlpha(Qt::white, Luma(theme.colours.panel) > 0.5 ? 120 : 24));

    const QPainterPath shape = RoundedPath(body, radius);
    FillVertical(p, shape, f.top, f.bottom);
    if (face == Face::Pressed) {
        // The face sinks: a shadow along its upper inside edge.
        QLinearGradient shade(body.topLeft(), body.topLeft() + QPointF(0, 5));
        shade.setColorAt(0, WithAlpha(Qt::black, 70));
        shade.setColorAt(1, WithAlpha(Qt::black, 0));
        p.fillPath(shape, shade);
    }
    switch (theme.buttons) {
    case ButtonStyle::Gloss:
    case ButtonStyle::Pill:
        if (face != Face::Pressed && face != Face::Disabled) {
            p.save();
            p.setClipPath(shape);
            const QRectF upper(body.left(), body.top(), body.width(), body.height() * 0.5);
            QLinearGradient gloss(upper.topLeft(), upper.bottomLeft());
            gloss.setColorAt(0, WithAlpha(Qt::white, 90));
            gloss.setColorAt(1, WithAlpha(Qt::white, 18));
            p.fillPath(RoundedPath(upper.adjusted(1, 1, -1, 0), radius - 1), gloss);
            p.restore();
        }
        break;
    case ButtonStyle::Bevel:
        DrawBevel(p, body.adjusted(1, 1, -1, -1), radius - 1, WithAlpha(Qt::white, 120),
                  WithAlpha(Qt::black, 90), face != Face::Pressed);
        break;
    case ButtonStyle::Flat:
        break;
    }
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(f.border, face == Face::Hover ? 1.4 : 1.0));
    p.drawPath(shape);
    p.restore();
}

constexpr int kTogglePixels = 12;
constexpr double kIndicatorSide = 14;
constexpr int kToggleTextLeft = static_cast<int>(kIndicatorSide) + 10;

QImage Face0(const QImage &under)
{
    QImage face = under.convertToFormat(QImage::Format_RGB32);
    face.setDevicePixelRatio(under.devicePixelRatio());
    return face;
}

} // namespace

FaceCaption ButtonCaption(const Theme &theme, const ButtonSpec &button)
{
    const bool primary = button.role == ButtonRole::Primary;
    FaceCaption caption;
    caption.text = button.text;
    caption.fontFamily = theme.font;
    caption.pixelSize = primary ? 13 : 12;
    caption.bold = primary;
    caption.glyph = button.glyph;
    for (int i = 0; i < kStateCount; ++i)
        caption.colours[i] = ColoursFor(theme, button.role, kFaces[i]).text;
    return caption;
}

FaceCaption ToggleCaption(const Theme &theme, const ToggleSpec &toggle)
{
    const Palette &c = theme.colours;
    FaceCaption caption;
    caption.text = toggle.text;
    caption.fontFamily = theme.font;
    caption.pixelSize = kTogglePixels;
    caption.indent = kToggleTextLeft;
    caption.colours = {c.label, c.label, Mix(c.label, c.accent, 0.5), Mix(c.label, c.panel, 0.6)};
    return caption;
}

bool ContentFits(const Theme &theme, const ButtonSpec &button)
{
    return CaptionFits(ButtonCaption(theme, button), ToQRect(button.rect).size());
}

bool ContentFits(const Theme &theme, const ToggleSpec &toggle)
{
    return CaptionFits(ToggleCaption(theme, toggle), ToQRect(toggle.rect).size());
}

QImage JoinFaces(const QImage (&faces)[4])
{
    const QSize size = LogicalSizeOf(faces[0]);
    QImage strip =
        Canvas(QSize(size.width() * 4, size.height()), qRound(faces[0].devicePixelRatio()));
    QPainter p(&strip);
    for (int i = 0; i < 4; ++i)
        p.drawImage(QPoint(i * size.width(), 0), faces[i]);
    return strip;
}

QImage ButtonStrip(const Theme &theme, const ButtonSpec &button, const QImage &under)
{
    QImage faces[4];
    for (int i = 0; i < 4; ++i) {
        const Face face = kFaces[i];
        faces[i] = Face0(under);
        QPainter p(&faces[i]);
        SetUpPainter(p);
        const FaceColours f = ColoursFor(theme, button.role, face);
        const QRectF box(QPointF(0, 0), LogicalSizeOf(under));
        PaintButtonBody(p, theme, box, f, face);
        // A glyph alone is part of the face; words, and the glyph beside them, are the
        // program's to draw in the user's language.
        if (button.text.isEmpty())
            PaintFaceCaption(p, box, ButtonCaption(theme, button), i);
    }
    return JoinFaces(faces);
}

QImage ToggleStrip(const Theme &theme, const ToggleSpec &toggle, const QImage &under)
{
    const Palette &c = theme.colours;
    QImage faces[4];
    for (int i = 0; i < 4; ++i) {
        const Face face = kFaces[i];
        faces[i] = Face0(under);
        QPainter p(&faces[i]);
        SetUpPainter(p);
        const double w = LogicalSizeOf(under).width();
        const double h = LogicalSizeOf(under).height();
        const QRectF all(0.5, 0.5, w - 1, h - 1);
        if (face == Face::Hover)
            p.fillPath(RoundedPath(all, 5), WithAlpha(c.accent, 40));

        const double side = kIndicatorSide;
        const QRectF box(4.5, std::round((h - side) / 2) + 0.5, side - 1, side - 1);
        const bool checked = face == Face::Pressed;
        const bool disabled = face == Face::Disabled;
        const QColor border = disabled              ? Greyed(c.editBorder, c.panel, 0.7)
                              : face == Face::Hover ? c.accent
                                                    : c.editBorder;
        const QColor fill = disabled ? Greyed(c.editBack, c.panel, 0.6) : c.editBack;
        const QPainterPath indicator =
            toggle.radio ? [&] { QPainterPath e; e.addEllipse(box); return e; }()
                         : RoundedPath(box, 3);
        p.fillPath(indicator, fill);
        p.setPen(QPen(border, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(indicator);
        if (checked) {
            if (toggle.radio) {
                p.setPen(Qt::NoPen);
                p.setBrush(c.accent);
                p.drawEllipse(box.center(), 3.6, 3.6);
            } else {
                p.fillPath(RoundedPath(box, 3), c.accent);
                DrawGlyph(p, Glyph::Check, box.adjusted(1, 1, -1, -1), c.accentText);
            }
        }
    }
    return JoinFaces(faces);
}

QImage ComboDropStrip(const Theme &theme, const QImage &under)
{
    QImage faces[4];
    for (int i = 0; i < 4; ++i) {
        const Face face = kFaces[i];
        faces[i] = Face0(under);
        QPainter p(&faces[i]);
        SetUpPainter(p);
        const FaceColours f = ColoursFor(theme, ButtonRole::Tool, face);
        const QSize size = LogicalSizeOf(under);
        const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
        // Square on the left, where it meets the edit field; rounded on the right.
        QPainterPath shape = RoundedPath(body, 4);
        shape = shape.united([&] {
            QPainterPath left;
            left.addRect(QRectF(body.left(), body.top(), body.width() / 2, body.height()));
            return left;
        }());
        FillVertical(p, shape, f.top, f.bottom);
        if (theme.buttons == ButtonStyle::Gloss || theme.buttons == ButtonStyle::Pill) {
            if (face == Face::Normal || face == Face::Hover) {
                p.save();
                p.setClipPath(shape);
                QLinearGradient gloss(body.topLeft(),
                                      body.topLeft() + QPointF(0, body.height() / 2));
                gloss.setColorAt(0, WithAlpha(Qt::white, 80));
                gloss.setColorAt(1, WithAlpha(Qt::white, 14));
                p.fillRect(QRectF(body.left(), body.top(), body.width(), body.height() / 2), gloss);
                p.restore();
            }
        }
        p.setPen(QPen(f.border, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape.simplified());
        const QRectF glyph =
            body.adjusted(4, 4, -4, -4).translated(0, face == Face::Pressed ? 1 : 0);
        DrawGlyph(p, Glyph::Chevron, glyph, f.text);
    }
    return JoinFaces(faces);
}

QImage SkinIcon(const Theme &theme, const QImage &under)
{
    const Palette &c = theme.colours;
    QImage icon = Face0(under);
    QPainter p(&icon);
    SetUpPainter(p);
    const QSize size = LogicalSizeOf(icon);
    const QRectF box(1.5, 1.5, size.width() - 3, size.height() - 3);
    p.fillPath(RoundedPath(box.translated(0, 1), 8), WithAlpha(Qt::black, 70));
    FillVertical(p, RoundedPath(box, 8), Lighter(c.accent, 0.3), Darker(c.accent, 0.25));
    p.setPen(QPen(Darker(c.accent, 0.45), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedPath(box, 8));
    // A lens: a light disc with a dark half, for an image program about light and colour.
    const QPointF centre = box.center();
    const double r = box.width() * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(centre, r, r);
    QPainterPath half;
    half.moveTo(centre + QPointF(r * 0.707, -r * 0.707));
    half.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 45, -180);
    half.closeSubpath();
    p.setBrush(Darker(c.accent, 0.55));
    p.drawPath(half);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(centre + QPointF(-r * 1.05, -r * 1.05), 2.2, 2.2);
    return icon;
}

} // namespace lumaskin::skingen
