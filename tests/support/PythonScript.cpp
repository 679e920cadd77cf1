#include "tests/support/PythonScript.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace wv::test {

QByteArray pythonOutput(const QStringList& arguments, int timeoutMs) {
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"), arguments);
  python.waitForFinished(timeoutMs);
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  return python.readAllStandardOutput();
}

}  // namespace wv::test
