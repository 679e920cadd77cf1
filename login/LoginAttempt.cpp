#include "login/LoginAttempt.h"

#include <QCryptographicHash>

#include "data/DataModule.h"
#include "platform/error/Error.h"

using wv::Error;
using wv::pg::Query;

QString passwordDigest(const QString& password) {
  return QString::fromLatin1(
      QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha256).toHex());
}

namespace {

// Closes the queries opened only for the checks, however the attempt ends.
class CheckQueriesCleanup {
 public:
  CheckQueriesCleanup(TdmCon& dm, Query& dsVekMobil) : dm_(dm), dsVekMobil_(dsVekMobil) {}
  ~CheckQueriesCleanup() {
    if (dm_.dsAplicatieMob.isOpen()) dm_.dsAplicatieMob.close();
    if (dm_.dsEmitent.isOpen()) dm_.dsEmitent.close();
    dsVekMobil_.close();
  }

 private:
  TdmCon& dm_;
  Query& dsVekMobil_;
};

QString notAvailable(const QString& key) {
  return QStringLiteral("Aplicatia ") + key + QStringLiteral(" nu este disponibila");
}

}  // namespace

void runLoginAttempt(TdmCon& dm, Query& dsVekMobil, const LoginInput& input) {
  dm.glNumeFirma = input.company;
  dm.conVekMob.setSslMode(wv::pg::smRequire);
  dsVekMobil.setParamText(QStringLiteral("pNumeFirma"), input.company);
  dsVekMobil.open();
  const CheckQueriesCleanup cleanup(dm, dsVekMobil);

  if (dsVekMobil.recordCount() == 0) throw Error(QStringLiteral("Companie inexistenta"));

  dm.conVek.setServer(dsVekMobil.fieldText(QStringLiteral("ip")));
  dm.conVek.setPort(static_cast<int>(dsVekMobil.fieldInt(QStringLiteral("port"))));
  dm.conVek.setDatabase(dsVekMobil.fieldText(QStringLiteral("db_name")));
  dm.conVek.setSslMode(wv::pg::smPrefer);

  dm.dsEmitent.close();
  dm.dsEmitent.setParamText(QStringLiteral("pEmitent"), input.user);
  const bool hashed =
      dsVekMobil.fieldText(QStringLiteral("pw_hash_type")) == QLatin1String("HashSHA2");
  dm.dsEmitent.setParamText(QStringLiteral("pP"),
                            hashed ? passwordDigest(input.password) : input.password);
  dm.dsEmitent.open();
  if (dm.dsEmitent.recordCount() == 0) throw Error(QStringLiteral("User, Password eronate"));

  dm.dsAplicatieMob.close();
  dm.dsAplicatieMob.setParamText(QStringLiteral("pAplicatieMob"), input.applicationKey);
  dm.dsAplicatieMob.open();
  if (dm.dsAplicatieMob.recordCount() == 0) throw Error(notAvailable(input.applicationKey));

  dm.dsAplicatieMobEmitent.close();
  dm.dsAplicatieMobEmitent.setParamText(QStringLiteral("pEmitent"), input.user);
  dm.dsAplicatieMobEmitent.setParamText(QStringLiteral("pAplicatieMob"), input.applicationKey);
  dm.dsAplicatieMobEmitent.open();
  if (dm.dsAplicatieMobEmitent.recordCount() == 0)
    throw Error(notAvailable(input.applicationKey) + QStringLiteral(" pentru user-ul ") +
                input.user);

  dm.glUser = input.user;
  dm.glUserPass = input.password;
  dm.glDataBase = dsVekMobil.fieldText(QStringLiteral("db_name"));
  dm.glUserRol = dm.dsAplicatieMobEmitent.fieldText(QStringLiteral("rol"));
  dm.glEuPL = dm.dsEmitent.fieldText(QStringLiteral("eu_punct_lucru"));

  if (dm.dsEu.isOpen())
    dm.dsEu.refresh();
  else
    dm.dsEu.open();

  dm.glJasIP = dm.dsEu.fieldText(QStringLiteral("jas_ip"));
  dm.glJasProtocol =
      dm.glJasIP.contains(QLatin1String("8080")) ? QStringLiteral("http") : QStringLiteral("https");
}
