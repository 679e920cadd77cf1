#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/error/Error.h"
#include "platform/shell/ApplicationTitle.h"
#include "platform/shell/DefaultErrorHandler.h"
#include "tests/support/FakeDialogs.h"

using wv::Error;
using wv::shell::errorDisplayText;

namespace {

std::exception_ptr errorWith(const QString& message) {
  return std::make_exception_ptr(Error(message));
}

TEST(DefaultErrorHandler, AppendsAFullStopOnlyAfterCharactersAboveIt) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Companie inexistenta", "Companie inexistenta."},
      {"Eroare 42", "Eroare 42."},
      {"Motiv:", "Motiv:."},
      {"De ce?", "De ce?."},
      {"Gata.", "Gata."},
      {"Atentie!", "Atentie!"},
      {"unu,", "unu,"},
      {"(vezi)", "(vezi)"},
      {"spatiu ", "spatiu "},
      {"cratima-", "cratima-"},
      {"slash/", "slash/."},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(errorDisplayText(errorWith(QString::fromUtf8(c.message))), QString::fromUtf8(c.shown))
        << c.message;
}

TEST(DefaultErrorHandler, ShowsTheInnermostNonEmptyMessage) {
  const auto innermost = std::make_exception_ptr(Error(QStringLiteral("conexiune pierduta")));
  const auto middle = std::make_exception_ptr(Error(QStringLiteral("interogare"), innermost));
  EXPECT_EQ(errorDisplayText(std::make_exception_ptr(Error(QStringLiteral("sus"), middle))),
            QStringLiteral("conexiune pierduta."));

  const auto emptyInner = std::make_exception_ptr(Error(QString()));
  EXPECT_EQ(errorDisplayText(std::make_exception_ptr(Error(QStringLiteral("afara"), emptyInner))),
            QStringLiteral("afara."));

  EXPECT_EQ(errorDisplayText(std::make_exception_ptr(std::runtime_error("std error"))),
            QStringLiteral("std error."));
}

TEST(DefaultErrorHandler, TheSilentAbortShowsNothing) {
  wv::test::FakeDialogs dialogs;
  EXPECT_FALSE(errorDisplayText(std::make_exception_ptr(wv::AbortError())).has_value());
  wv::shell::guarded([] { throw wv::AbortError(); });
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(DefaultErrorHandler, GuardedHandlersShowTheErrorInAStopBoxCaptionedWithTheTitle) {
  wv::test::FakeDialogs dialogs;
  bool after = false;
  wv::shell::guarded([] { throw Error(QStringLiteral("User, Password eronate")); });
  wv::shell::guarded([&] { after = true; });
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("User, Password eronate."));
  EXPECT_EQ(dialogs.messages[0].caption, wv::shell::applicationTitle());
  EXPECT_EQ(dialogs.messages[0].icon, wv::shell::MessageIcon::Stop);
  EXPECT_TRUE(after);
}

}  // namespace
