#include "login/RegistryQuery.h"

namespace wv::login {

using pg::FieldType;

QStringList registryStatement() {
  return {
      QStringLiteral("select *"),
      QStringLiteral("from m_firma"),
      QStringLiteral("where nume_firma = :pNumeFirma"),
      QStringLiteral(";"),
  };
}

std::vector<pg::ParamDef> registryParams() {
  return {{QStringLiteral("pNumeFirma"), pg::ParamType::Text}};
}

std::vector<pg::FieldDef> registryFields() {
  return {
      {"nume_firma", FieldType::Text, 200, true, false},
      {"ip", FieldType::LongText, 0, false, false},
      {"port", FieldType::Int32, 0, false, false},
      {"db_name", FieldType::LongText, 0, false, false},
      {"activ", FieldType::Boolean, 0, false, false},
      {"m_site", FieldType::Boolean, 0, true, false},
      {"pw_hash_type", FieldType::Text, 23, false, false},
  };
}

}  // namespace wv::login
