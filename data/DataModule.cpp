#include "data/DataModule.h"

#include "data/AccountQueries.h"
#include "data/Configuration.h"
#include "data/GridStyles.h"

using wv::pg::Connection;
using wv::pg::ParamType;

namespace {

// The settings all three connections share; the caller sets what differs.
void configure(Connection& con, const QString& server, const QString& database, bool pooling,
               bool uuidWithBraces, wv::pg::TSSLMode mode) {
  con.setServer(server);
  con.setDatabase(database);
  con.setUsername(QStringLiteral("vek"));
  con.setPassword(wv::data::databasePassword());
  con.setPooling(pooling);
  con.setLoginPrompt(false);
  con.options().disconnectedMode = true;
  con.options().useUnicode = true;
  con.options().uuidWithBraces = uuidWithBraces;
  con.setSslMode(mode);
}

// The registry's port: 5432 is the default and leaves the port unset.
int registryPortSetting() {
  const int port = wv::data::registryPort();
  return port == Connection::kDefaultPort ? 0 : port;
}

}  // namespace

TdmCon::TdmCon(QObject* parent)
    : QObject(parent),
      conVek(QStringLiteral("conVek")),
      conVekMob(QStringLiteral("conVekMob")),
      conVekGen(QStringLiteral("conVekGen")),
      dsEmitent(
          QStringLiteral("dsEmitent"), conVek, wv::data::emitentStatement(),
          {{QStringLiteral("pEmitent"), ParamType::Text}, {QStringLiteral("pP"), ParamType::Text}},
          wv::data::emitentFields(), this),
      dsAplicatieMob(QStringLiteral("dsAplicatieMob"), conVek, wv::data::aplicatieMobStatement(),
                     {{QStringLiteral("pAplicatieMob"), ParamType::Text}},
                     wv::data::aplicatieMobFields(), this),
      dsEu(QStringLiteral("dsEu"), conVek, wv::data::euStatement(), {}, wv::data::euFields(), this),
      dsAplicatieMobEmitent(QStringLiteral("dsAplicatieMobEmitent"), conVek,
                            wv::data::aplicatieMobEmitentStatement(),
                            {{QStringLiteral("pEmitent"), ParamType::Text},
                             {QStringLiteral("pAplicatieMob"), ParamType::Text}},
                            wv::data::aplicatieMobEmitentFields(), this),
      GridTableViewStyleSheetDevExpress(wv::data::reportGridStyleSheet()) {
  configure(conVek, wv::data::mainHost(), QStringLiteral("vek1"), true, false, wv::pg::smRequire);
  configure(conVekMob, wv::data::registryHost(), QStringLiteral("vek_mob"), false, true,
            wv::pg::smRequire);
  conVekMob.setPort(registryPortSetting());
  configure(conVekGen, wv::data::registryHost(), QStringLiteral("vek_gen"), false, true,
            wv::pg::smPrefer);
  conVekGen.setPort(registryPortSetting());
}

TdmCon::~TdmCon() = default;
