#pragma once

#include <QString>
#include <string>

#include "platform/pg/SslMode.h"

typedef struct pg_conn PGconn;

namespace wv::pg {

struct ConnectionOptions {
  bool disconnectedMode = true;  // release the server connection after every operation
  bool useUnicode = true;        // UTF-8 on the wire
  bool uuidWithBraces = false;   // uuid values read as text carry braces
};

// A PostgreSQL client connection: settings plus an implicit, short-lived server session.
// Nothing connects explicitly: a query takes a session for one operation (Session below)
// and gives it back at its end; with pooling on, a released session waits in a pool keyed
// by all the settings and serves the next operation.
class Connection {
 public:
  static constexpr int kDefaultPort = 5432;
  static constexpr int kConnectTimeoutSeconds = 15;

  explicit Connection(QString name);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  const QString& name() const { return name_; }

  void setServer(const QString& server) { server_ = server; }
  const QString& server() const { return server_; }
  void setPort(int port) { port_ = port; }  // 0 means the default port
  int port() const { return port_; }
  int effectivePort() const { return port_ > 0 ? port_ : kDefaultPort; }
  void setDatabase(const QString& database) { database_ = database; }
  const QString& database() const { return database_; }
  void setUsername(const QString& username) { username_ = username; }
  const QString& username() const { return username_; }
  void setPassword(const QString& password) { password_ = password; }
  void setPooling(bool pooling) { pooling_ = pooling; }
  bool pooling() const { return pooling_; }
  void setLoginPrompt(bool prompt) { loginPrompt_ = prompt; }
  bool loginPrompt() const { return loginPrompt_; }
  ConnectionOptions& options() { return options_; }
  const ConnectionOptions& options() const { return options_; }
  void setSslMode(TSSLMode mode) { sslMode_ = mode; }
  TSSLMode sslMode() const { return sslMode_; }

  // Whether a server session is held right now (only between operations when
  // disconnected mode is off).
  bool connected() const;

  // One operation's hold on a server session. Releasing it (destruction) closes the session,
  // returns it to the pool, or keeps it for the next operation, as the settings say.
  class Session {
   public:
    Session(Session&&) noexcept;
    Session& operator=(Session&&) = delete;
    ~Session();
    PGconn* get() const { return conn_; }
    // True when the session came from the pool or was kept from an earlier operation,
    // so a failure to even send may mean it died while idle.
    bool reused() const { return reused_; }
    // Marks the session as broken: it is closed at release instead of being kept.
    void discard() { broken_ = true; }

   private:
    friend class Connection;
    Session(Connection* owner, PGconn* conn, bool reused, std::string conninfo);
    Connection* owner_;
    PGconn* conn_;
    bool reused_;
    bool broken_ = false;
    std::string conninfo_;  // the settings it was opened with: the pool it goes back to
  };

  // Opens a session or takes a live one from the pool (one the server dropped while it was
  // idle is replaced); throws wv::Error when the server cannot be reached, refuses TLS or
  // rejects the account.
  Session acquire();

 private:
  void release(Session& session);
  std::string conninfo() const;

  QString name_;
  QString server_;
  int port_ = 0;
  QString database_;
  QString username_;
  QString password_;
  bool pooling_ = false;
  bool loginPrompt_ = false;
  ConnectionOptions options_;
  TSSLMode sslMode_ = smPrefer;
  PGconn* kept_ = nullptr;  // held between operations when disconnected mode is off
  std::string keptConninfo_;
};

}  // namespace wv::pg
