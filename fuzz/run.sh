#!/usr/bin/env bash
# Runs every fuzz target of a VEL_FUZZ build one after another, each for the given seconds,
# starting from its saved inputs (fuzz/corpus/<name>). New inputs go to <build>/corpus/<name>,
# a crash or broken promise to <build>/findings/. Exits non-zero when any target found something.
#   fuzz/run.sh <build directory> <seconds per target> [target names...]
set -uo pipefail
cd "$(dirname "$0")/.."
build=$1 seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(FieldReader ConversationFiles SaveFile SettingsText StoryScript Cp932 Picture)
mkdir -p "$build/findings"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
summary=() failed=0
for name in "${targets[@]}"; do
  work=$build/corpus/$name log=$build/findings/$name.log
  mkdir -p "$work"
  echo "== $name: $seconds s"
  # One process at a time: the machine is shared.
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name-" "$work" "fuzz/corpus/$name" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $status -eq 0 ]; then result=clean; else result="FOUND (see $log)"; failed=1; tail -n 30 "$log"; fi
  summary+=("$(printf '%-18s %6s s %12s runs  %s' "$name" "$seconds" "${runs:-?}" "$result")")
done
printf '%s\n' "${summary[@]}"
exit $failed
