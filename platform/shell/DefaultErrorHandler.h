#pragma once

#include <QString>
#include <exception>
#include <optional>

class QWidget;

namespace wv::shell {

// The text the default error handler shows for an error: the innermost non-empty message of
// a chain of wrapped errors, with "." appended when its last character's code is above that
// of "."; nullopt for the silent abort.
std::optional<QString> errorDisplayText(const std::exception_ptr& error);

// Shows the error as a modal box with the stop icon, one OK button and the application
// title as caption (nothing for the silent abort). Never throws.
void showDefaultError(const std::exception_ptr& error) noexcept;

// Runs an event handler's body; whatever it throws goes to the default error handler, so no
// exception crosses a Qt frame.
template <class Body>
void guarded(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
    showDefaultError(std::current_exception());
  }
}

}  // namespace wv::shell
