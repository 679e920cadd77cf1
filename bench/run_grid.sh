# The data grid on generated deliveries-like rows (no database); it states its own goals,
# since its speed-ups against the proxy-model baseline are "higher is better".
while IFS= read -r line; do
  case $line in
    GOAL\ *) goals+=("$line") ;;
    *) echo "grid: $line" ;;
  esac
done < <(QT_QPA_PLATFORM=offscreen "$BENCH_BUILD/grid/grid_bench" "$BENCH_SCALE" 2>/dev/null)
