#!/usr/bin/env bash
# Creates the demo company in a running cluster: the registry vek_mob with the company
# "Demo", and its database vek_demo with four months of deliveries.
#   scripts/demo-db.sh PORT
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
port=$1
psql_admin() { PGPASSWORD=${PG_ADMIN_PASSWORD:-wv-admin-pw} psql -h 127.0.0.1 -p "$port" -U postgres -v ON_ERROR_STOP=1 -q "$@"; }

psql_admin -d postgres -c "DROP DATABASE IF EXISTS vek_mob WITH (FORCE)" -c "CREATE DATABASE vek_mob" \
  -c "DROP DATABASE IF EXISTS vek_demo WITH (FORCE)" -c "CREATE DATABASE vek_demo"
psql_admin -d vek_mob -f "$root/scripts/sql/registry-schema.sql" \
  -c "INSERT INTO m_firma (nume_firma, ip, port, db_name, activ, m_site, pw_hash_type)
      VALUES ('Demo', '127.0.0.1', $port, 'vek_demo', true, false, 'HashSHA2')"
psql_admin -d vek_demo -f "$root/scripts/sql/company-schema.sql" -f "$root/scripts/sql/demo-company.sql"
