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
# Under sudo the build and the demo go to the user who asked, who then runs the program.
as_user=()
if [[ -n "${SUDO_USER:-}" && "$SUDO_USER" != root ]]; then
  chown -R "$SUDO_USER:" build
  home=$(getent passwd "$SUDO_USER" | cut -d: -f6)
  runtime=/run/user/$(id -u "$SUDO_USER")
  as_user=(runuser -u "$SUDO_USER" -- env HOME="$home")
  if [[ -d $runtime ]]; then as_user+=(XDG_RUNTIME_DIR="$runtime"); fi
fi
if [[ -n "${DISPLAY:-}" ]]; then
  exec "${as_user[@]}" build/bin/brovik "brovik:$batch"
fi
# No display: the tickets of the demo batch go to a PDF instead of the preview.
pdf="$PWD/build/demo/tickets-$batch.pdf"
"${as_user[@]}" build/bin/brovik --export "$pdf" "brovik:$batch"
echo "$pdf"
