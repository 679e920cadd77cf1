# Benchmark of the PostgreSQL layer, sourced by scripts/bench.sh (see there for the variables):
# loading a deliveries-shaped plain table into the row store, against psql's COPY of it.
psql_admin "$BENCH_DB" -v scale="$BENCH_SCALE" -f "$BENCH_DIR/data/deliveries_plain.sql" >/dev/null

# COPY and the load take turns, so that a change in the machine's load hits both alike.
copy_seconds=999999 load_seconds=999999 load_peak=0
for _ in $(seq "$BENCH_RUNS"); do
  copy=$(seconds_of psql_vek -c "COPY (SELECT * FROM deliveries_plain) TO STDOUT")
  line=$("$BENCH_BUILD/bench_pg_load" 127.0.0.1 "$BENCH_PORT" "$BENCH_DB" vek "$PGPASSWORD" \
    deliveries_plain)
  echo "pg_load: psql COPY ${copy}s; ours: $line"
  copy_seconds=$(min_of "$copy_seconds" "$copy")
  load_seconds=$(min_of "$load_seconds" "$(field_of seconds "$line")")
  load_peak=$(max_of "$load_peak" "$(field_of peak_mib "$line")")
done
echo "pg_load: best of $BENCH_RUNS at $BENCH_SCALE rows: psql COPY ${copy_seconds}s, ours ${load_seconds}s"

goal load_1m_vs_copy "$(ratio "$load_seconds" "$copy_seconds")" 1.30
goal load_1m_peak_mib "$load_peak" 400
