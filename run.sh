#!/usr/bin/env bash
# Installs what the project needs, builds, creates the demo database and starts the
# program on the demo batch.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
scripts/make-demo-db.sh build/demo/demo.fdb
printf '[PATH]\nMV=%s\n' "$PWD/build/demo/demo.fdb" > build/bin/Alias.ini
batch=$(cat db/demo-batch.txt)
if [[ -n "${DISPLAY:-}" ]]; then
  exec build/bin/brovik "brovik:$batch"
fi
# No display: the tickets of the demo batch go to a PDF instead of the preview.
pdf="$PWD/build/demo/tickets-$batch.pdf"
build/bin/brovik --export "$pdf" "brovik:$batch"
echo "$pdf"
