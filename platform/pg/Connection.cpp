#include "platform/pg/Connection.h"

#include <libpq-fe.h>
#ifdef _WIN32
#include <winsock2.h>
#else
#include <poll.h>
#endif

#include <QCoreApplication>
#include <map>
#include <utility>
#include <vector>

#include "platform/error/Error.h"

namespace wv::pg {

namespace {

// An idle session has nothing to say: anything readable on its socket is the server ending
// it (restart, pg_terminate_backend, idle timeout) or the network dropping it. Such a session
// is given up instead of being used; so is a session with unexpected input.
bool idleSessionIsUsable(PGconn* conn) {
  if (PQstatus(conn) != CONNECTION_OK || PQtransactionStatus(conn) != PQTRANS_IDLE) return false;
#ifdef _WIN32
  WSAPOLLFD fd{static_cast<SOCKET>(PQsocket(conn)), POLLRDNORM, 0};
  return WSAPoll(&fd, 1, 0) == 0;
#else
  pollfd fd{PQsocket(conn), POLLIN, 0};
  return poll(&fd, 1, 0) == 0;
#endif
}

// Idle sessions kept per set of settings; more than this many are closed at release.
constexpr size_t kIdleSessionsPerSettings = 4;

// Idle pooled sessions of the whole process, keyed by their connection settings. Like every
// database call of the program it is used from the GUI thread only.
class SessionPool {
 public:
  static SessionPool& instance() {
    // Never destroyed: closing TLS sessions from a static destructor could run after the TLS
    // library has shut down. The application object's end closes them instead (closeAll).
    static SessionPool* pool = new SessionPool;
    return *pool;
  }

  // A live idle session of these settings, or nullptr.
  PGconn* take(const std::string& conninfo) {
    const auto it = idle_.find(conninfo);
    if (it == idle_.end()) return nullptr;
    std::vector<PGconn*>& sessions = it->second;
    while (!sessions.empty()) {
      PGconn* conn = sessions.back();
      sessions.pop_back();
      if (idleSessionIsUsable(conn)) return conn;
      PQfinish(conn);
    }
    return nullptr;
  }

  void put(const std::string& conninfo, PGconn* conn) {
    std::vector<PGconn*>& sessions = idle_[conninfo];
    if (sessions.size() < kIdleSessionsPerSettings)
      sessions.push_back(conn);
    else
      PQfinish(conn);
  }

 private:
  SessionPool() {
    qAddPostRoutine([] { instance().closeAll(); });
  }

  void closeAll() {
    for (auto& [conninfo, sessions] : idle_)
      for (PGconn* conn : sessions) PQfinish(conn);
    idle_.clear();
  }

  std::map<std::string, std::vector<PGconn*>> idle_;
};

// A conninfo value in single quotes, with quotes and backslashes escaped as libpq reads them,
// so that no server, database or password can add settings of its own.
void appendSetting(std::string& info, const char* key, const std::string& value) {
  info += key;
  info += "='";
  for (char ch : value) {
    if (ch == '\\' || ch == '\'') info += '\\';
    info += ch;
  }
  info += "' ";
}

QString libpqMessage(PGconn* conn) {
  return QString::fromUtf8(PQerrorMessage(conn)).trimmed();
}

// Notices (and the notice of a session ended by the server while idle) are not for the user.
void ignoreNotice(void*, const char*) {}

PGconn* openSession(const std::string& conninfo) {
  PGconn* conn = PQconnectdb(conninfo.c_str());
  if (!conn) throw Error(QStringLiteral("Out of memory while connecting to the database server"));
  if (PQstatus(conn) != CONNECTION_OK) {
    const QString message = libpqMessage(conn);
    PQfinish(conn);
    throw Error(message);
  }
  PQsetNoticeProcessor(conn, ignoreNotice, nullptr);
  return conn;
}

}  // namespace

Connection::Connection(QString name) : name_(std::move(name)) {}

Connection::~Connection() {
  if (kept_) PQfinish(kept_);
}

bool Connection::connected() const {
  return kept_ != nullptr;
}

std::string Connection::conninfo() const {
  const char* sslmode = libpqSslMode(sslMode_);
  if (!sslmode) throw Error(QStringLiteral("Unknown TLS mode %1").arg(static_cast<int>(sslMode_)));
  std::string info;
  appendSetting(info, "host", server_.toStdString());
  appendSetting(info, "port", std::to_string(effectivePort()));
  appendSetting(info, "dbname", database_.toStdString());
  appendSetting(info, "user", username_.toStdString());
  appendSetting(info, "password", password_.toStdString());
  appendSetting(info, "sslmode", sslmode);
  // Only the TLS mode decides about encryption; a Kerberos ticket must not switch to GSS.
  appendSetting(info, "gssencmode", "disable");
  appendSetting(info, "connect_timeout", std::to_string(kConnectTimeoutSeconds));
  appendSetting(info, "client_encoding", "UTF8");
  appendSetting(info, "application_name", name_.toStdString());
  appendSetting(info, "keepalives", "1");
  appendSetting(info, "keepalives_idle", "60");
  appendSetting(info, "keepalives_interval", "10");
  appendSetting(info, "keepalives_count", "6");
  return info;
}

Connection::Session Connection::acquire() {
  std::string info = conninfo();
  if (kept_) {
    PGconn* conn = std::exchange(kept_, nullptr);
    if (keptConninfo_ == info && idleSessionIsUsable(conn)) return Session(this, conn, true, info);
    PQfinish(conn);
  }
  if (pooling_) {
    if (PGconn* conn = SessionPool::instance().take(info)) return Session(this, conn, true, info);
  }
  PGconn* conn = openSession(info);
  return Session(this, conn, false, std::move(info));
}

void Connection::release(Session& session) {
  PGconn* conn = std::exchange(session.conn_, nullptr);
  const bool clean = !session.broken_ && PQstatus(conn) == CONNECTION_OK &&
                     PQtransactionStatus(conn) == PQTRANS_IDLE;
  if (clean && !options_.disconnectedMode && !kept_) {
    kept_ = conn;
    keptConninfo_ = std::move(session.conninfo_);
  } else if (clean && pooling_) {
    SessionPool::instance().put(session.conninfo_, conn);
  } else {
    PQfinish(conn);
  }
}

Connection::Session::Session(Connection* owner, PGconn* conn, bool reused, std::string conninfo)
    : owner_(owner), conn_(conn), reused_(reused), conninfo_(std::move(conninfo)) {}

Connection::Session::Session(Session&& other) noexcept
    : owner_(other.owner_),
      conn_(std::exchange(other.conn_, nullptr)),
      reused_(other.reused_),
      broken_(other.broken_),
      conninfo_(std::move(other.conninfo_)) {}

Connection::Session::~Session() {
  if (conn_) owner_->release(*this);
}

}  // namespace wv::pg
