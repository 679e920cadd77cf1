#pragma once

#include <gtest/gtest.h>

#include "tests/support/PrivateCluster.h"
#include "tests/support/ProgramUnderTest.h"

namespace wv::test {

// The fault tests' own server, which they pause and restart: the registry with "Firma F" and
// that company's database (user ana, password secret, the report's March 2026 deliveries).
// Made at first use; removed when the test program ends.
PrivateCluster& faultServer();
inline constexpr const char* kFaultCompany = "faults_company";

// A program whose registry is the fault server, which is running when each test starts.
class FaultServerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(faultServer().start()); }

  // Signs in to "Firma F" as ana, failing the test unless that works without a message.
  void signIn();

  PrivateCluster& server = faultServer();
  ProgramUnderTest program{server.port()};
};

}  // namespace wv::test
