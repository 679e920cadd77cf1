#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "platform/grid/ZipContainer.h"
#include "tests/support/PythonScript.h"

namespace wv::grid {
namespace {

// What Python's zipfile finds in the archive: "name size" per part after checking every CRC.
QString zipListing(const QString& path) {
  const QByteArray listing = test::pythonOutput(
      {"-c",
       "import sys, zipfile\n"
       "z = zipfile.ZipFile(sys.argv[1])\n"
       "assert z.testzip() is None\n"
       "print(' '.join('%s %d' % (i.filename, i.file_size) for i in z.infolist()))",
       path},
      600000);
  return QString::fromUtf8(listing).trimmed();
}

TEST(ZipContainer, PartsReadBackWithTheirContent) {
  QTemporaryDir dir;
  const QString path = dir.filePath("parts.zip");
  {
    ZipContainer zip(path);
    zip.beginPart("a.xml");
    zip.write("<a/>");
    zip.endPart();
    zip.beginPart("b/c.xml", true);
    for (int i = 0; i < 1000; ++i) zip.write("0123456789");
    zip.endPart();
    zip.finish();
  }
  EXPECT_EQ(zipListing(path), "a.xml 4 b/c.xml 10000");
}

// A sheet part can pass 4 GiB uncompressed: it needs the ZIP64 records.
TEST(ZipContainer, APartOver4GiBUsesZip64) {
  QTemporaryDir dir;
  const QString path = dir.filePath("large.zip");
  const std::string block(8 << 20, 'x');
  const long long blocks = (4LL << 30) / static_cast<long long>(block.size()) + 1;
  {
    ZipContainer zip(path);
    zip.beginPart("sheet.xml", true);
    for (long long i = 0; i < blocks; ++i) zip.write(block);
    zip.endPart();
    zip.finish();
  }
  EXPECT_EQ(zipListing(path),
            QStringLiteral("sheet.xml %1").arg(blocks * static_cast<long long>(block.size())));
}

}  // namespace
}  // namespace wv::grid
