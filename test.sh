#!/usr/bin/env bash
# Builds the release tree and the sanitizer tree and runs every test in both.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"

stage="dependency check"
finish() {
  local rc=$?
  if ((rc == 0)); then
    echo "test.sh: PASSED (build/ and build-asan/ built and tested${fuzz_note})"
  else
    echo "test.sh: FAILED during ${stage} (exit code ${rc})" >&2
  fi
}
fuzz_note=", no fuzz/run.sh yet"
trap finish EXIT

tools/ensure-deps.sh

jobs=$(nproc)

build_and_test() {
  local tree=$1
  shift
  stage="configure of ${tree}/"
  cmake -S . -B "$tree" "$@"
  stage="build of ${tree}/"
  cmake --build "$tree" -j"$jobs"
  stage="tests in ${tree}/"
  ctest --test-dir "$tree" --output-on-failure -j2
}

# LeakSanitizer stops the process with ptrace-like calls, which some
# containers forbid; it then aborts every test. Probe it with a deliberate leak.
leak_detection_works() {
  local dir
  dir=$(mktemp -d)
  printf '#include <cstdlib>\nvoid* volatile sink;\nint main() { sink = std::malloc(16); sink = nullptr; }\n' >"$dir/leak.cpp"
  if ! "${CXX:-c++}" -fsanitize=address "$dir/leak.cpp" -o "$dir/leak"; then
    rm -rf "$dir"
    echo "test.sh: cannot build the leak detection probe with ${CXX:-c++}" >&2
    exit 1
  fi
  local output
  output=$(ASAN_OPTIONS=detect_leaks=1 "$dir/leak" 2>&1 || true)
  rm -rf "$dir"
  [[ $output == *"LeakSanitizer: detected memory leaks"* ]]
}

build_and_test build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKMV_WERROR=ON

stage="leak detection probe"
if leak_detection_works; then
  export ASAN_OPTIONS=detect_leaks=1
else
  echo "test.sh: note: LeakSanitizer cannot run here (ptrace is most likely restricted); testing build-asan/ with detect_leaks=0"
  export ASAN_OPTIONS=detect_leaks=0
fi
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DKMV_WERROR=ON -DKMV_SANITIZE=ON -DKMV_BENCHMARKS=OFF

if [[ -f fuzz/run.sh ]]; then
  stage="fuzz runs"
  bash fuzz/run.sh
  fuzz_note=", fuzz runs passed"
fi
