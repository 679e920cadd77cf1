#pragma once

#include <QString>
#include <exception>
#include <string>

namespace wv {

// The one error type of the program: a message and, optionally, the error it wraps.
class Error : public std::exception {
 public:
  explicit Error(QString message);
  Error(QString message, std::exception_ptr inner);

  const QString& message() const noexcept { return message_; }
  const std::exception_ptr& inner() const noexcept { return inner_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  QString message_;
  std::exception_ptr inner_;
  std::string utf8_;
};

// The silent abort: ends a handler without any message.
class AbortError : public Error {
 public:
  AbortError();
};

}  // namespace wv
