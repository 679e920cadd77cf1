#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/pg/Connection.h"
#include "platform/pg/Query.h"

namespace wv::test {

// A connection of the login role to a database of the test cluster; the name is also the
// session's application name, which the tests look for in pg_stat_activity.
std::unique_ptr<pg::Connection> testConnection(const QString& name, const std::string& database,
                                               int port = 0, pg::TSSLMode mode = pg::smRequire);

// A query of one statement line returning the column "v" of the given type.
std::unique_ptr<pg::Query> valueQuery(pg::Connection& connection, const QString& sql,
                                      pg::FieldType type = pg::FieldType::LongText,
                                      const std::vector<pg::ParamDef>& params = {});

// Runs a one-value statement through the layer and returns the value as text.
QString valueOf(pg::Connection& connection, const QString& sql,
                pg::FieldType type = pg::FieldType::LongText);

// The message of the wv::Error that the action throws; "" when it throws none.
QString errorOf(const std::function<void()>& action);

// How many server sessions carry this application name, once the count has settled on
// `expected` or five seconds have passed (a closed session leaves the view shortly after).
int sessionsNamed(const QString& applicationName, int expected, int port = 0);

// Waits until the server session with this process id is gone.
void waitUntilSessionGone(const QString& pid, int port = 0);

}  // namespace wv::test
