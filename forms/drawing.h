#pragma once
// Small drawing helpers that several control kinds share.

#include <QRect>
#include <QString>
#include <Qt>

class QPainter;

namespace forms {

enum class Align;

// A caption's text as drawn: CR LF and lone CR become line breaks.
QString displayText(const QString& caption);
Qt::Alignment toQt(Align align);
// The classic raised or sunken 3D edge of Windows controls.
void drawEdge(QPainter& p, const QRect& r, bool sunken);

}  // namespace forms
