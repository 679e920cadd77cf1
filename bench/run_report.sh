# "Cauta" on a company whose month holds BENCH_SCALE delivery movements, against psql running
# the same three statements with the same values to /dev/null. Sourced by scripts/bench.sh.
company_db=bench_company
psql_admin postgres -c "DROP DATABASE IF EXISTS $company_db" -c "CREATE DATABASE $company_db"
psql_admin "$company_db" -f "$root/scripts/sql/company-schema.sql" >/dev/null
psql_admin "$company_db" -v scale="$BENCH_SCALE" -f "$BENCH_DIR/data/company_deliveries.sql" >/dev/null

# The statements as psql runs them: the parameters written in as the program's values travel
# (the deliveries' untyped dates as timestamps, the others' as dates).
producer="'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE'"
statements=$(mktemp)
{
  sed -e "s/:pDataIncep/'2026-03-01'::timestamp/; s/:pDataSf/'2026-03-31'::timestamp/" \
    -e "s/:pProducator/$producer/" "$root/report/sql/livrari.sql"
  printf '\n;\n'
  for name in clienti produse; do
    sed -e "s/:pDataIncep/'2026-03-01'::date/; s/:pDataSf/'2026-03-31'::date/" \
      -e "s/:pProducator/$producer/" "$root/report/sql/$name.sql"
    printf '\n'
  done
} >"$statements"

psql_seconds=999999 cauta_seconds=999999 cauta_peak=0
for _ in $(seq "$BENCH_RUNS"); do
  run=$(seconds_of psql -h 127.0.0.1 -p "$BENCH_PORT" -U vek -d "$company_db" -A -t -q -f "$statements")
  line=$(QT_QPA_PLATFORM=offscreen "$BENCH_BUILD/bench_report" 127.0.0.1 "$BENCH_PORT" "$company_db" "$PGPASSWORD")
  echo "report: psql ${run}s; ours: $line"
  psql_seconds=$(min_of "$psql_seconds" "$run")
  cauta_seconds=$(min_of "$cauta_seconds" "$(field_of seconds "$line")")
  cauta_peak=$(max_of "$cauta_peak" "$(field_of peak_mib "$line")")
done
rm -f "$statements"
echo "report: best of $BENCH_RUNS at $BENCH_SCALE movements: psql ${psql_seconds}s, Cauta ${cauta_seconds}s"

goal cauta_1m_vs_psql "$(ratio "$cauta_seconds" "$psql_seconds")" 1.10
goal cauta_1m_peak_mib "$cauta_peak" 600
