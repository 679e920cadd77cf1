#include <gtest/gtest.h>

#include "platform/shell/ApplicationTitle.h"

using wv::shell::deriveApplicationTitle;

namespace {

struct TitleCase {
  const char16_t* path;
  char16_t separator;
  const char16_t* title;
};

TEST(ApplicationTitle, DerivedFromTheExecutableName) {
  const TitleCase cases[] = {
      {u"C:\\Program Files\\wVelora\\wVelora.exe", u'\\', u"wvelora"},
      {u"C:\\apps\\WVELORA.EXE", u'\\', u"Wvelora"},
      {u"C:\\apps\\a.b.exe", u'\\', u"a"},
      {u"C:\\apps\\NoDotHERE", u'\\', u"Nodothere"},
      {u"/opt/wvelora/bin/wVelora", u'/', u"wvelora"},
      {u"/opt/x.y/Prog", u'/', u"Prog"},    // a dot in a folder does not cut
      {u"/opt/ĂBCȘ.exe", u'/', u"Ăbcș"},    // non-ASCII lower-cased after the first
      {u"/opt/ébc", u'/', u"ébc"},          // the first character is never changed
      {u"wVelora.exe", u'\\', u"wvelora"},  // no folder at all
      {u"C:\\apps\\.hidden", u'\\', u""},
  };
  for (const TitleCase& c : cases) {
    EXPECT_EQ(deriveApplicationTitle(QString::fromUtf16(c.path), QChar(c.separator)),
              QString::fromUtf16(c.title))
        << QString::fromUtf16(c.path).toStdString();
  }
}

TEST(ApplicationTitle, OnlyTheFirst255CharactersOfThePathCount) {
  const QString folder =
      QStringLiteral("C:\\") + QString(240, QLatin1Char('d')) + QLatin1Char('\\');
  // 244 characters of folder leave 11 for the name: "wVelora.exe" fits exactly...
  EXPECT_EQ(deriveApplicationTitle(folder + QStringLiteral("wVelora.exe"), QLatin1Char('\\')),
            QStringLiteral("wvelora"));
  // ...and a longer name is cut before its dot is reached.
  EXPECT_EQ(deriveApplicationTitle(folder + QStringLiteral("wVeloraLonger.exe"), QLatin1Char('\\')),
            QStringLiteral("wveloralong"));
  // A path whose folders alone exceed the buffer leaves a part of a folder name.
  const QString deep =
      QStringLiteral("/") + QString(300, QLatin1Char('Q')) + QStringLiteral("/wVelora");
  EXPECT_EQ(deriveApplicationTitle(deep, QLatin1Char('/')),
            QStringLiteral("Q") + QString(253, QLatin1Char('q')));
}

TEST(ApplicationTitle, TheRunningExecutableGivesItsOwnName) {
  EXPECT_EQ(wv::shell::applicationTitle(), QStringLiteral("test_shell"));
}

}  // namespace
