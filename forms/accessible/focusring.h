#pragma once
// The ring that shows which control has the keyboard focus.

#include <QRectF>

class QPainter;

namespace forms {

// Paints the focus ring just inside `bounds` (layout pixels; the painter's scale makes
// it grow with the zoom): a white band outside a black one, so that one of the two
// stands out on every background, light or dark.
void paintFocusRing(QPainter& painter, const QRectF& bounds);

}  // namespace forms
