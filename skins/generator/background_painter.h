#pragma once

#include "skins/generator/skin_layout.h"
#include "skins/generator/theme.h"

#include <QImage>
#include <QPainterPath>

namespace lumaskin::skingen {

// The main window's background: the shaped body with its caption bar, ornament, the cards
// that group the controls, recessed wells under the list, viewer and fields, the grooves
// of the sliders and the skin's name in its quiet corner. Everything outside the outline is
// exactly the key colour.
QImage PaintBackground(const Theme &theme, const SkinLayout &layout, int scale = 1);

// The notifier's bitmap: a small shaped card with a caption strip (the close button goes
// there) and a recessed area for the page.
QImage PaintNotifier(const Theme &theme, const NotifierLayout &layout, int scale = 1);

// The groove a slider runs in, shared by the background (empty groove) and the slider's
// channel bitmap (filled groove): a rounded bar along the middle of `rect`.
QRectF SliderGroove(const QRectF &rect);

} // namespace lumaskin::skingen
