#!/usr/bin/env bash
# Installs what the project needs and builds; runs the suite under ASan+UBSan and each
# fuzzer for a bounded time; then every test of the release build, ending with ctest's
# summary.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
scripts/sanitize-and-fuzz.sh
cd build
ctest --output-on-failure -j2
