#pragma once
// Every split of 2 to 10 as a grid: a row per number, a cell per part (0 to the number),
// coloured by how well it is known. Painted as vectors at the widget's size, so it stays
// sharp and readable however large the window is; a tooltip gives a cell's counts.

#include <QColor>
#include <QWidget>

#include "record/summary.h"

class SplitGrid : public QWidget {
  Q_OBJECT

 public:
  explicit SplitGrid(QWidget* parent = nullptr);
  void setSummary(const record::Summary& summary);
  const record::Summary& summary() const { return m_summary; }

  static QColor colour(record::Knowledge knowledge);
  static QString label(record::Knowledge knowledge);
  // The tooltip of a cell: the split, its counts and the median time.
  static QString describe(int number, int part, const record::SplitCell& cell);
  // The cell under a point, or {-1, -1}.
  QPoint cellAt(QPoint pos) const;

  QSize sizeHint() const override { return {560, 380}; }
  QSize minimumSizeHint() const override { return {300, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The rectangle of a cell at the present size (the row label column included).
  QRectF cellRect(int number, int part) const;
  qreal cellSize() const;

  record::Summary m_summary;
};
