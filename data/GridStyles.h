#pragma once

#include "platform/grid/GridStyleSheet.h"

namespace wv::data {

// The colours and fonts of the report grids (the data module's grid style sheet).
grid::GridStyleSheet reportGridStyleSheet();

}  // namespace wv::data
