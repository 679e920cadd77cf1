#include "platform/error/Error.h"

#include <utility>

namespace wv {

Error::Error(QString message) : Error(std::move(message), nullptr) {}

Error::Error(QString message, std::exception_ptr inner)
    // NOLINTNEXTLINE(bugprone-throw-keyword-missing): keeps a caught exception, throws none
    : message_(std::move(message)), inner_(std::move(inner)), utf8_(message_.toStdString()) {}

AbortError::AbortError() : Error(QStringLiteral("Operation aborted")) {}

}  // namespace wv
