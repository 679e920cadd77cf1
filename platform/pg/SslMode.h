#pragma once

namespace wv::pg {

// TLS modes with fixed numbers (the login sets them by number); each means PostgreSQL's
// sslmode of the same name.
enum TSSLMode : int {
  smDisable = 0,
  smRequire = 1,
  smPrefer = 2,
  smAllow = 3,
  smVerifyCA = 4,
  smVerifyFull = 5,
};

// nullptr for a number outside the table.
const char* libpqSslMode(TSSLMode mode);

}  // namespace wv::pg
