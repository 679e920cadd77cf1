#include <gtest/gtest.h>

#include <QApplication>

// Every test executable gets a QApplication, so widget tests and Qt types work alike.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
