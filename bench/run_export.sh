# The .xlsx export of a 27-column deliveries grid (no database), against a bare libxlsxwriter
# program in constant-memory mode and Node's exceljs streaming writer writing the same cells,
# measured in the same run.
export_bench=$BENCH_BUILD/export/export_bench
baseline=$BENCH_BUILD/export/xlsxwriter_baseline
export_file=${TMPDIR:-/tmp}/wvelora-bench-export.xlsx
rows_file=${TMPDIR:-/tmp}/wvelora-bench-export.tsv
"$BENCH_BUILD/export/deliveries_tsv" "$BENCH_SCALE" "$rows_file"
ours_seconds=999999 base_seconds=999999 exceljs_seconds=999999 export_peak=0
for _ in $(seq "$BENCH_RUNS"); do
  line=$(QT_QPA_PLATFORM=offscreen "$export_bench" "$BENCH_SCALE" "$export_file" 2>/dev/null)
  base=$("$baseline" "$BENCH_SCALE" "$export_file")
  exceljs=$(node --max-old-space-size=8192 "$BENCH_DIR/export/exceljs_baseline.mjs" "$rows_file" \
    "$export_file")
  echo "export: ours $line; libxlsxwriter $base; exceljs $exceljs"
  ours_seconds=$(min_of "$ours_seconds" "$(field_of seconds "$line")")
  base_seconds=$(min_of "$base_seconds" "$(field_of seconds "$base")")
  exceljs_seconds=$(min_of "$exceljs_seconds" "$(field_of seconds "$exceljs")")
  export_peak=$(max_of "$export_peak" "$(field_of peak_growth_mib "$line")")
done
rm -f "$export_file" "$rows_file"
echo "export: best of $BENCH_RUNS at $BENCH_SCALE rows: ours ${ours_seconds}s," \
  "libxlsxwriter ${base_seconds}s, exceljs ${exceljs_seconds}s"

goal export_1m_vs_libxlsxwriter "$(ratio "$ours_seconds" "$base_seconds")" 0.50
goal export_1m_vs_exceljs "$(ratio "$ours_seconds" "$exceljs_seconds")" 0.50
goal export_peak_growth_mib "$export_peak" 150
