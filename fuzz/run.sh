#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) in build-fuzz/ and
# runs each for a fixed time on a scratch copy of its seed corpus. Any crash,
# timeout, leak or memory blow-up fails the run; its input is printed as
# base64 so that the log alone reproduces it.
#   FUZZ_SECONDS  seconds per target (default 50)
#   FUZZ_TARGETS  targets to run (default: all four)
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
seconds=${FUZZ_SECONDS:-50}
read -r -a targets <<<"${FUZZ_TARGETS:-fuzz_project fuzz_document fuzz_settings fuzz_roundtrip}"

declare -A seeds=(
  [fuzz_project]=project
  [fuzz_document]=document
  [fuzz_settings]=settings
  [fuzz_roundtrip]=project
)

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKMV_FUZZ=ON -DKMV_WERROR=ON \
  -DKMV_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]}"

# test.sh decides whether LeakSanitizer can run here.
leaks=1
[[ ${ASAN_OPTIONS:-} == *detect_leaks=0* ]] && leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

work=$root/fuzz/corpus-work
# The document targets save through fsync; on a RAM disk that costs nothing.
scratch_base=$work
[[ -d /dev/shm && -w /dev/shm ]] && scratch_base=/dev/shm
failed=()
for target in "${targets[@]}"; do
  corpus=$work/$target
  artifacts=$work/artifacts-$target
  scratch=$scratch_base/kmv-fuzz-$$-$target
  rm -rf "$corpus" "$artifacts" "$scratch"
  mkdir -p "$corpus" "$artifacts" "$scratch"
  cp "$root/fuzz/corpus/${seeds[$target]}"/* "$corpus/"
  echo "fuzz: ${target} for ${seconds} s"
  status=0
  # Inputs up to 64 KiB cover the largest built-in model; one second per
  # input and 2 GiB in all are the bounds every input must stay within.
  TMPDIR=$scratch "$root/build-fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=1 \
    -rss_limit_mb=2048 -detect_leaks="$leaks" -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "$corpus" 2>"$work/$target.log" || status=$?
  grep -E '^(stat::|Done|#[0-9]+ +DONE)' "$work/$target.log" || true
  shopt -s nullglob
  found=("$artifacts"/*)
  shopt -u nullglob
  if ((status != 0 || ${#found[@]} > 0)); then
    failed+=("$target")
    tail -n 60 "$work/$target.log"
    for input in "${found[@]}"; do
      echo "fuzz: ${target} failing input $(basename "$input") (base64):"
      base64 "$input"
    done
  fi
  rm -rf "$scratch"
done

if ((${#failed[@]} > 0)); then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: no crash, timeout or leak in ${targets[*]}"
