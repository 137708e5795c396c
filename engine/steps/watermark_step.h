#pragma once

#include "engine/image.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace lumaskin {

// A mark laid over the picture: a line of text or a picture (a PNG with transparency), placed
// at one of nine places with a margin from the edges and blended at an opacity.
//   text      the words, in `font` (a family name; "sans-serif" lets the system choose) at
//             `size` pixels high, or at `size` per cent of the picture's width with `percent`,
//             in `colour` (#RRGGBB)
//   image     a picture file, `size` pixels wide or, with `percent`, that share of the picture's
//             width; its height follows its aspect ratio
//   opacity   0 to 100 per cent, applied on top of the mark's own transparency
//   position  top-left, top, top-right, left, centre, right, bottom-left, bottom or bottom-right
//   margin    pixels between the mark and the picture's edges beside it (0 and up)
// The mark is laid over in premultiplied alpha (the "over" operation), so a transparent picture
// stays transparent where the mark is transparent. A mark larger than the picture is cut at its
// edges.
//
// Written as text, the settings are `key=value` pairs separated by ';' (a ';' or '\' in a value
// written "\;" or "\\"): "text=(c) Lumaskin;font=DejaVu Sans;size=4%;colour=#FFFFFF;
// opacity=60;position=bottom-right;margin=16".
struct WatermarkStep
{
    static constexpr const char *kKind = "watermark";

    enum class Position
    {
        TopLeft,
        Top,
        TopRight,
        Left,
        Centre,
        Right,
        BottomLeft,
        Bottom,
        BottomRight,
    };

    QString text;  // a text mark, or
    QString image; // the file of a picture mark
    QString font = QStringLiteral("sans-serif");
    double size = 5;
    bool percent = true;
    unsigned colour = 0xFFFFFF; // 0xRRGGBB
    int opacity = 60;
    Position position = Position::BottomRight;
    int margin = 16;
    // The picture mark once read, shared by every copy of the step so that a batch reads it
    // once; null until `Load`.
    std::shared_ptr<const Image> picture;

    bool IsText() const { return image.isEmpty(); }

    // Reads the picture of a picture mark, once. False, with a plain reason naming the file,
    // when it cannot be read.
    bool Load(QString *error);
    // Lays the mark over the picture (reading a picture mark not yet loaded). False, with a
    // plain reason, when the mark cannot be drawn or read.
    bool Apply(Image &image, QString *error) const;
    // Where a mark of `mark` size goes on a picture of `area` size.
    QPoint Place(QSize area, QSize mark) const;

    QString Text() const;
    // The step `Text` writes; any setting left out keeps its default. Nothing, with a plain
    // reason naming the value, for neither or both of text and image, an empty text, a size of
    // 0 or less, an opacity outside 0 to 100, an unknown position, a malformed colour or margin,
    // or an unknown key.
    static std::optional<WatermarkStep> Parse(const QString &text, QString *error);

    // Each setting alone, as the command line's --watermark-* options take them. False, with a
    // plain reason naming the value, for one that cannot be.
    bool SetSize(const QString &value, QString *error);
    bool SetColour(const QString &value, QString *error);
    bool SetOpacity(const QString &value, QString *error);
    bool SetPosition(const QString &value, QString *error);
    bool SetMargin(const QString &value, QString *error);
};

// The positions' names, in the order of `WatermarkStep::Position`.
QStringList WatermarkPositionNames();

// Lays `mark` (straight alpha) over `image` with its top-left corner at `at`, scaled in
// transparency by `opacity` (0 to 100): premultiplied "over", the result stored with straight
// alpha again. The part of the mark outside the picture is left out.
void BlendOver(Image &image, const Image &mark, QPoint at, int opacity);

} // namespace lumaskin
