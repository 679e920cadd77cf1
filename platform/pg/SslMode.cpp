#include "platform/pg/SslMode.h"

namespace wv::pg {

const char* libpqSslMode(TSSLMode mode) {
  switch (mode) {
    case smDisable:
      return "disable";
    case smRequire:
      return "require";
    case smPrefer:
      return "prefer";
    case smAllow:
      return "allow";
    case smVerifyCA:
      return "verify-ca";
    case smVerifyFull:
      return "verify-full";
  }
  return nullptr;
}

}  // namespace wv::pg
