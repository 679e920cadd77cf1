#include "platform/shell/DefaultErrorHandler.h"

#include <QApplication>

#include "platform/error/Error.h"
#include "platform/shell/ApplicationTitle.h"
#include "platform/shell/Dialogs.h"

namespace wv::shell {

namespace {

struct Described {
  bool abort = false;
  QString message;
};

// Walks the chain of wrapped errors; the innermost non-empty message wins.
Described describe(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const AbortError&) {
    return {true, {}};
  } catch (const Error& e) {
    if (e.inner()) {
      Described inner = describe(e.inner());
      if (inner.abort || !inner.message.isEmpty()) return inner;
    }
    return {false, e.message()};
  } catch (const std::exception& e) {
    return {false, QString::fromUtf8(e.what())};
  } catch (...) {
    return {false, QStringLiteral("Unknown error")};
  }
}

}  // namespace

std::optional<QString> errorDisplayText(const std::exception_ptr& error) {
  Described d = describe(error);
  if (d.abort) return std::nullopt;
  if (!d.message.isEmpty() && d.message.back().unicode() > u'.') d.message += QLatin1Char('.');
  return d.message;
}

void showDefaultError(const std::exception_ptr& error) noexcept {
  try {
    const std::optional<QString> text = errorDisplayText(error);
    if (!text) return;
    dialogs().showMessage(QApplication::activeWindow(),
                          {applicationTitle(), *text, MessageIcon::Stop, false});
  } catch (...) {
    // Nothing is left to report to; the event loop must go on.
  }
}

}  // namespace wv::shell
