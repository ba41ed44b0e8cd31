#include "record/splitgrid.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

using record::Knowledge;
using record::Summary;

namespace {

constexpr int Columns = Summary::Highest + 2;                 // the number, then each part from nul to tien
constexpr int Rows = Summary::Highest - Summary::Lowest + 2;  // the header, then 2 .. 10

QString seconds(qint64 ms) {
  return QLocale(QLocale::Dutch).toString(double(ms) / 1000.0, 'f', 1) + QStringLiteral(" s");
}

}  // namespace

SplitGrid::SplitGrid(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAccessibleName(QStringLiteral("Splitsingen van 2 tot 10"));
  m_summary.finish();
}

void SplitGrid::setSummary(const Summary& summary) {
  m_summary = summary;
  update();
}

QColor SplitGrid::colour(Knowledge knowledge) {
  switch (knowledge) {
    case Knowledge::NotPractised:
      return QColor(0xEE, 0xEE, 0xEE);
    case Knowledge::OftenWrong:
      return QColor(0xE5, 0x73, 0x73);
    case Knowledge::RightButSlow:
      return QColor(0xFF, 0xD5, 0x4F);
    case Knowledge::RightAndFast:
      return QColor(0x66, 0xBB, 0x6A);
  }
  return Qt::white;
}

QString SplitGrid::label(Knowledge knowledge) {
  switch (knowledge) {
    case Knowledge::NotPractised:
      return QStringLiteral("nog niet geoefend");
    case Knowledge::OftenWrong:
      return QStringLiteral("vaak fout");
    case Knowledge::RightButSlow:
      return QStringLiteral("goed maar traag");
    case Knowledge::RightAndFast:
      return QStringLiteral("goed en snel");
  }
  return QString();
}

QString SplitGrid::describe(int number, int part, const record::SplitCell& cell) {
  QString text = QStringLiteral("%1 = %2 + %3\n").arg(number).arg(part).arg(number - part);
  if (cell.answers == 0) return text + QStringLiteral("nog niet geoefend");
  text += QStringLiteral("%1 keer geoefend: %2 goed, %3 fout\n")
              .arg(cell.answers)
              .arg(cell.right)
              .arg(cell.wrong);
  text += QStringLiteral("laatste %1: %2 fout\n").arg(cell.recentCount).arg(cell.recentWrong);
  text += cell.medianMs >= 0 ? QStringLiteral("mediaan tijd (goed): ") + seconds(cell.medianMs)
                             : QStringLiteral("geen tijd van een goed antwoord");
  return text + QStringLiteral("\n") + label(cell.knowledge);
}

qreal SplitGrid::cellSize() const {
  return std::min(qreal(width()) / Columns, qreal(height()) / Rows);
}

QRectF SplitGrid::cellRect(int number, int part) const {
  const qreal s = cellSize();
  const QPointF origin((width() - s * Columns) / 2, (height() - s * Rows) / 2);
  const int row = number < 0 ? 0 : number - Summary::Lowest + 1;
  const int column = part < 0 ? 0 : part + 1;
  return QRectF(origin.x() + column * s, origin.y() + row * s, s, s);
}

QPoint SplitGrid::cellAt(QPoint pos) const {
  for (int n = Summary::Lowest; n <= Summary::Highest; ++n)
    for (int p = 0; p <= n; ++p)
      if (cellRect(n, p).contains(pos)) return {n, p};
  return {-1, -1};
}

void SplitGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = cellSize();
  QFont font = this->font();
  font.setPixelSize(std::max(8, int(s * 0.38)));
  p.setFont(font);
  const QColor ink = palette().color(QPalette::WindowText);
  // Header: the parts; first column: the numbers.
  font.setBold(true);
  p.setFont(font);
  p.setPen(ink);
  for (int part = 0; part <= Summary::Highest; ++part)
    p.drawText(cellRect(-1, part), Qt::AlignCenter, QString::number(part));
  for (int n = Summary::Lowest; n <= Summary::Highest; ++n)
    p.drawText(cellRect(n, -1), Qt::AlignCenter, QString::number(n));
  // The widest split, "10+0", fits inside its cell at every size.
  font.setBold(false);
  const qreal inset = std::max(1.0, s * 0.05);
  const qreal widest = QFontMetricsF(font).horizontalAdvance(QStringLiteral("10+0"));
  const qreal room = (s - 2 * inset) * 0.88;
  if (widest > room) font.setPixelSize(std::max(6, int(font.pixelSize() * room / widest)));
  p.setFont(font);
  for (int n = Summary::Lowest; n <= Summary::Highest; ++n) {
    for (int part = 0; part <= n; ++part) {
      const record::SplitCell& cell = m_summary.cell(n, part);
      const QRectF box = cellRect(n, part).adjusted(inset, inset, -inset, -inset);
      p.setPen(QPen(QColor(0, 0, 0, 60), 1));
      p.setBrush(colour(cell.knowledge));
      p.drawRoundedRect(box, s * 0.12, s * 0.12);
      if (cell.answers > 0) {
        p.setPen(QColor(0x21, 0x21, 0x21));
        p.drawText(box, Qt::AlignCenter, QStringLiteral("%1+%2").arg(part).arg(n - part));
      }
    }
  }
}

bool SplitGrid::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint c = cellAt(help->pos());
    if (c.x() < 0)
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), describe(c.x(), c.y(), m_summary.cell(c.x(), c.y())),
                         this, cellRect(c.x(), c.y()).toRect());
    return true;
  }
  return QWidget::event(event);
}
