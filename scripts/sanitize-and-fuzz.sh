#!/usr/bin/env bash
# One clang build carrying AddressSanitizer, UndefinedBehaviorSanitizer and fuzzing
# coverage: the whole test suite once more under the sanitizers, then every libFuzzer
# target for a bounded time (FUZZ_SECONDS each, default 45). Findings are kept as
# regression inputs in fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-45}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBROVIK_FUZZ=ON -DBROVIK_TESTS=ON \
  -DBROVIK_BENCH=OFF >/dev/null
cmake --build build-fuzz
(cd build-fuzz && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)

for fuzzer in build-fuzz/bin/*_fuzz; do
  name=$(basename "$fuzzer")
  corpus=fuzz/corpus/$name
  mkdir -p "$corpus"
  work=$(mktemp -d)
  echo "== $name: ${seconds}s"
  # Seeds and earlier findings first (read-only), new inputs into a scratch folder.
  ASAN_OPTIONS=detect_leaks=0 "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$corpus/crash-" "$work" "$corpus" 2>&1 | tail -n 4
  rm -rf "$work"
done
