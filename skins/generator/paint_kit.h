#pragma once

// SkinFont and Luma, shared with the controls that draw captions at run time.
#include "controls/face_caption.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace lumaskin::skingen {

// The colour that every skin cuts its shapes with: red 255, green 0, blue 255.
inline constexpr QRgb kKeyColour = 0xFFFF00FF;

// Every bitmap is painted in logical pixels onto a canvas of `scale` pixels per logical
// pixel (1, or 2 for the "@2x" bitmaps of fine screens), so the 2x bitmaps are drawn at 2x,
// not enlarged.
QImage Canvas(QSize logicalSize, int scale);
// An image's size in logical pixels.
QSize LogicalSizeOf(const QImage &image);
// The part of `image` under `logical` (logical pixels), at the image's own scale.
QImage CropLogical(const QImage &image, const QRect &logical);

// Colour arithmetic.
QColor Mix(const QColor &a, const QColor &b, double t); // t = 0 gives a, 1 gives b
QColor Lighter(const QColor &colour, double amount);    // towards white
QColor Darker(const QColor &colour, double amount);     // towards black
QColor Greyed(const QColor &colour, const QColor &towards, double amount); // desaturated
QColor WithAlpha(const QColor &colour, int alpha);

// A painter on `image` with antialiasing for shapes and text.
void SetUpPainter(QPainter &painter);

// A rounded rectangle path; a radius larger than half the short side makes a pill.
QPainterPath RoundedPath(const QRectF &rect, double radius);

// Vertical gradient fill of a path.
void FillVertical(QPainter &painter, const QPainterPath &path, const QColor &top,
                  const QColor &bottom);

// A 1-pixel line along the inside of a rounded rectangle: light on top and left, dark on
// bottom and right (raised), or the other way round (sunken).
void DrawBevel(QPainter &painter, const QRectF &rect, double radius, const QColor &light,
               const QColor &dark, bool raised);

// A recessed well: a soft inner shadow and a border around `rect`, filled with `fill`.
void DrawWell(QPainter &painter, const QRectF &rect, double radius, const QColor &fill,
              const QColor &border);

// Cuts `image` by `shape` with a hard edge: every pixel whose centre lies outside the shape
// becomes exactly the key colour, every pixel inside keeps its colour, nudged off the key
// colour if it happened to equal it. No pixel is left half-way, so no fringe of colours near
// the key colour appears along the outline.
void CutByShape(QImage &image, const QPainterPath &shape);

// Same cut with a mask already rasterised: true pixels are kept.
void CutByMask(QImage &image, const QImage &insideMask);

// A one-byte-per-pixel (Alpha8) coverage mask of `shape` (logical pixels) without
// antialiasing, `size` pixels at `scale` pixels per logical pixel: 255 inside, 0 outside.
QImage HardMask(QSize size, const QPainterPath &shape, qreal scale = 1);

} // namespace lumaskin::skingen
