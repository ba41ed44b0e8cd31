#pragma once
// The number image: ten cells in two rows of five, numbered column by column (cells 1
// and 2 form the first column, top and bottom), so that the first n cells fill whole
// columns from the left, top cell first: 7 is four above and three below.

struct NumberImageGrid {
  int left;        // left of the first column, twips
  int top;         // top of the upper row
  int columnStep;  // from one column to the next
  int rowStep;     // from the upper row to the lower row

  int leftOf(int cell) const { return left + columnStep * ((cell - 1) / 2); }
  int topOf(int cell) const { return cell % 2 == 1 ? top : top + rowStep; }
};
