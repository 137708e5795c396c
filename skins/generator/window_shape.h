#pragma once

#include "skins/generator/theme.h"

#include <QPainterPath>
#include <QRect>

namespace lumaskin::skingen {

// The outline of a window whose body fills `body`: corners rounded or cut, the top and
// bottom edges flat, waved, notched, crowned or scalloped, and optional bites out of the
// sides (a positive sideBite) or handles on them (a negative one, reaching out that far). Crowns
// rise above the body (leave room for them above `body`); notches, waves, scallops and bites eat
// into it by at most `EdgeDepth`.
QPainterPath WindowOutline(const QRect &body, const ShapeStyle &style);

// How far an edge feature reaches into (or, for a crown, out of) the body.
int EdgeDepth(EdgeStyle edge);

} // namespace lumaskin::skingen
