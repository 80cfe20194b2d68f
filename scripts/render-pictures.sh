#!/usr/bin/env bash
# Renders the first page of each ticket layout from the demo database into docs/, through
# the headless PDF export and pdftoppm. Run after scripts/build.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
brovik="$build/bin/brovik"
[[ -x "$brovik" ]] || { echo "build first: $brovik is missing" >&2; exit 1; }
"$root/scripts/make-demo-db.sh" "$build/demo/demo.fdb" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '[PATH]\nMV=%s\n' "$build/demo/demo.fdb" > "$work/Alias.ini"
batch=$(cat "$root/db/demo-batch.txt")
for layout in fluxo centralizado colunado; do
  "$brovik" --config "$work/Alias.ini" --layout "$layout" --export "$work/$layout.pdf" "brovik:$batch"
  pdftoppm -r 100 -f 1 -l 1 -png -singlefile "$work/$layout.pdf" "$root/docs/layout-$layout"
  echo "docs/layout-$layout.png"
done
