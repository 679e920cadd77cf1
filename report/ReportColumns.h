#pragma once

#include <vector>

#include "platform/grid/GridColumn.h"

// The report grids' columns in the grids' own order, with captions and widths.
namespace wv::report {

std::vector<grid::GridColumn> livrariColumns();  // cxGrid1DBTableView1, 27 columns
std::vector<grid::GridColumn> produseColumns();  // cxGrid2DBTableView1, 7 columns
std::vector<grid::GridColumn> clientiColumns();  // cxGrid3DBTableView1, 29 columns

}  // namespace wv::report
