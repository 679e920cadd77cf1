#pragma once

#include <QColor>
#include <QFont>
#include <optional>

namespace wv::grid {

// How one element of a grid is drawn. An item left empty keeps the grid's own default.
struct GridStyle {
  std::optional<QColor> background;
  std::optional<QColor> textColor;
  std::optional<QFont> font;
  std::optional<QColor> fontColor;  // the font's own colour; the text colour wins when both are set
};

// The colours and fonts of every element of a grid, shared by several grids.
struct GridStyleSheet {
  GridStyle background;   // the area without rows
  GridStyle content;      // data cells; the base of contentEven and contentOdd
  GridStyle contentEven;  // data rows 0, 2, 4... counted in the order shown
  GridStyle contentOdd;   // data rows 1, 3, 5...
  GridStyle filterBox;    // the filter row editors and the active filter panel
  GridStyle incSearch;    // the text found by typing in a cell (incremental search)
  GridStyle footer;       // row count and sums under the columns
  GridStyle group;        // group rows
  GridStyle groupByBox;   // the area above the headers that takes columns to group by
  GridStyle header;       // column headers and the group-by box's column buttons
  GridStyle inactive;     // selected cells while the grid does not have the focus
  GridStyle indicator;    // the column left of the rows that marks the focused row
  GridStyle preview;      // a preview section; these grids show none, the sheet still carries it
  GridStyle selection;    // selected cells while the grid has the focus
};

}  // namespace wv::grid
