#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace lumaskin {

class FocusMark;

// Shows where the keyboard focus is among a skin's controls: once the focus has moved by Tab,
// Backtab or a shortcut, the control that holds it wears a focus mark until a click with the
// mouse moves the focus (then the window is used with the mouse, and shows none). The mode
// outlives skin changes; the mark belongs to each skin's layer.
class KeyboardFocus : public QObject
{
    Q_OBJECT
public:
    explicit KeyboardFocus(QObject *parent = nullptr);

    // The controls of a new layer that take the focus, and the colours of its skin that a mark
    // may be drawn in (most fitting first). The mark is a child of `layer`.
    void Attach(QWidget *layer, const std::vector<QWidget *> &stops,
                std::vector<QColor> skinColours);
    bool KeyboardMode() const { return m_keyboardMode; }
    // The control the mark is over; null while none is marked.
    QWidget *Marked() const;
    FocusMark *Mark() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void MarkControl(QWidget *control);
    void Unmark();

    QPointer<QWidget> m_layer;
    QPointer<FocusMark> m_mark;
    QPointer<QWidget> m_marked;
    std::vector<QColor> m_skinColours;
    bool m_keyboardMode = false;
};

} // namespace lumaskin
