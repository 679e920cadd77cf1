#include "tests/faults/FaultServer.h"

#include "tests/support/LoginFixture.h"
#include "tests/support/TestCluster.h"

namespace wv::test {

namespace {

void fill(const PrivateCluster& server) {
  const int port = server.port();
  recreateRegistry(port);
  setRegistryRow("Firma F", kFaultCompany, std::to_string(port), "NULL", port);
  recreateReportCompany(kFaultCompany, port);
}

}  // namespace

PrivateCluster& faultServer() {
  static PrivateCluster server(56201);
  static const bool ready = [] {
    if (!server.start()) ADD_FAILURE() << "the fault server did not start";
    fill(server);
    return true;
  }();
  (void)ready;
  return server;
}

void FaultServerTest::signIn() {
  program.attemptLogin(QStringLiteral("Firma F"), QStringLiteral("ana"), QStringLiteral("secret"));
  ASSERT_TRUE(program.dialogs.messages.empty()) << program.dialogs.takeOnlyMessage().toStdString();
  ASSERT_TRUE(program.signedIn());
}

}  // namespace wv::test
