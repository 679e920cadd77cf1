# The .xlsx export of a 27-column deliveries grid (no database). Goals: the time stays under
# half of the 41 s a constant-memory libxlsxwriter program was measured to need for the same
# cells (that library is not installed here), and memory stays flat.
export_bench=$BENCH_BUILD/export/export_bench
if [ -x "$export_bench" ]; then
  export_file=${TMPDIR:-/tmp}/wvelora-bench-export.xlsx
  export_line=$(QT_QPA_PLATFORM=offscreen "$export_bench" "$BENCH_SCALE" "$export_file" 2>/dev/null)
  rm -f "$export_file"
  echo "export: $export_line"
  goal export_1m_seconds "$(field_of seconds "$export_line")" 20.5
  goal export_peak_growth_mib "$(field_of peak_growth_mib "$export_line")" 150
else
  echo "export: $export_bench was not built"
fi
