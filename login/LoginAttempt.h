#pragma once

#include <QString>

class TdmCon;
namespace wv::pg {
class Query;
}

// What a login attempt is given: the three boxes as typed and the application key.
struct LoginInput {
  QString company;
  QString user;
  QString password;
  QString applicationKey;
};

// One login attempt after the remembered login has been saved: the registry lookup, the
// switch of conVek to the company, the password and permission checks and the sign-in values.
// Returns normally only on success; every failure is a wv::Error with its message.
void runLoginAttempt(TdmCon& dm, wv::pg::Query& dsVekMobil, const LoginInput& input);

// SHA-256 of the UTF-8 bytes of the password, as 64 lowercase hexadecimal digits.
QString passwordDigest(const QString& password);
