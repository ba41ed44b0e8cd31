#pragma once
// Small drawing helpers that several control kinds share.

#include <QRectF>
#include <QString>
#include <Qt>

class QPainter;
class QWidget;

namespace forms {

enum class Align;

// A caption's text as drawn: CR LF and lone CR become line breaks.
QString displayText(const QString& caption);
Qt::Alignment toQt(Align align);
// The classic raised or sunken 3D edge of Windows controls, two rings of one layout pixel
// each, inside `r`.
void drawEdge(QPainter& p, const QRectF& r, bool sunken);
// Scales `p` to the program's zoom, so that paint code draws in pixels of the layout, and
// returns the widget's whole area in those pixels.
QRectF layoutArea(QPainter& p, const QWidget* widget);

}  // namespace forms
