#!/usr/bin/env bash
# Builds (Release, two jobs) and runs the large-batch benchmark; the databases it needs are
# built on first use and kept under the build directory.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2} BUILD_DIR="$build_dir" scripts/build.sh -DBROVIK_BENCH=ON
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build_dir/bin/brovik_bench" "$@"
