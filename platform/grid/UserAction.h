#pragma once

#include <QCursor>
#include <QGuiApplication>

#include "platform/grid/GridPipeline.h"
#include "platform/shell/DefaultErrorHandler.h"

namespace wv::grid {

// Runs what the user asked of a grid from an event handler: with the busy cursor while it
// works over many rows, and with any error going to the default error handler, never through
// the event loop.
template <class Body>
void runUserAction(const GridPipeline& pipeline, Body&& body) noexcept {
  constexpr int kManyRows = 50000;
  const bool busy = pipeline.store() && pipeline.store()->rowCount() >= kManyRows;
  if (busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  shell::guarded(body);
  if (busy) QGuiApplication::restoreOverrideCursor();
}

}  // namespace wv::grid
