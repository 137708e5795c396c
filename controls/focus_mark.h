#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <span>

namespace lumaskin {

// How far two colours stand apart to the eye: the ratio of their relative luminances (each
// plus 0.05), from 1 (the same) to 21 (black on white). 4.5 reads well.
double ContrastRatio(const QColor &a, const QColor &b);

// The colours a focus mark is drawn in over `under` (the pixels of the area it marks): the
// first of `skinColours`, then black or white, that stands 4.5:1 apart from (nearly) every
// pixel under the mark's 2-pixel ring 1 pixel inside the area's edge. Where none does, the
// best of them, with the one of black and white farthest from it as `inner`, so that one of
// the two lines always shows. `inner` is invalid when one colour is enough.
struct MarkColours
{
    QColor outer;
    QColor inner;
};
MarkColours ChooseMarkColours(const QImage &under, std::span<const QColor> skinColours);

// The mark over the control that has the keyboard focus: a 2-pixel ring 1 pixel inside its
// area in colours that stand out from what is under it, or the skin's own focus bitmap
// stretched over it. It takes no mouse input and lies above the controls.
class FocusMark : public QWidget
{
    Q_OBJECT
public:
    explicit FocusMark(QWidget *parent);

    // Marks `area` (in the parent's coordinates), read against `under` (its pixels without the
    // mark), with `bitmap` when it is not null.
    void Cover(const QRect &area, const QImage &under, const QImage &bitmap,
               std::span<const QColor> skinColours);
    const MarkColours &Colours() const { return m_colours; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    MarkColours m_colours;
    QImage m_bitmap;
};

} // namespace lumaskin
