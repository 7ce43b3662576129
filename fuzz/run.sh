#!/usr/bin/env bash
# Runs fuzz targets built in build-fuzz/ for SECONDS each (default 30), one after another,
# from the seed corpora under fuzz/corpus/, with the limits the project holds them to:
# 1 s per input and 2 GB of memory. New inputs go to a scratch corpus, never into the
# repository. Prints one summary line per target; exits non-zero on any finding.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(read_field country_list load_places zone_lookup last_country coordinates horoscope_file settings_file aaf_file)
scratch=$(mktemp -d)
mkdir -p "$root/fuzz-findings"
status=0
for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t"
  log="$scratch/$t.log"
  # Inputs become files; a memory-backed folder keeps the writes and syncs cheap.
  (cd "$scratch" && TMPDIR=${FUZZ_TMPDIR:-/dev/shm} "$root/build-fuzz/fuzz/fuzz_$t" "$scratch/$t" "$root/fuzz/corpus/$t" \
      -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$root/fuzz-findings/" >"$log" 2>&1)
  rc=$?
  execs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  echo "fuzz_$t: exit $rc, ${execs:-?} executions in ${seconds} s"
  if [ $rc -ne 0 ]; then
    status=1
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5
    cp "$log" "$root/fuzz-findings/$t.log"
  fi
done
rm -rf "$scratch"
exit $status
