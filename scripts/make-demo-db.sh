#!/usr/bin/env bash
# Creates the embedded demo database PATH from db/schema.sql and db/demo.sql, or
# rebuilds it when either script is newer than the file. Quick when up to date.
set -euo pipefail
[[ $# -eq 1 ]] || { echo "usage: $0 PATH" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
target=$(realpath -m "$1")
if [[ -f "$target" && "$target" -nt "$root/db/schema.sql" && "$target" -nt "$root/db/demo.sql" ]]; then
  exit 0
fi
mkdir -p "$(dirname "$target")"
tmp="$target.building"
rm -f "$tmp"
printf "CREATE DATABASE '%s' USER 'SYSDBA' DEFAULT CHARACTER SET WIN1252;\n" "$tmp" | isql-fb -q -bail >/dev/null
gfix -write async -user SYSDBA "$tmp"   # a demo file needs no fsync per commit
{
  printf "CONNECT '%s' USER 'SYSDBA';\n" "$tmp"
  cat "$root/db/schema.sql" "$root/db/demo.sql"
} | LC_ALL=C.UTF-8 isql-fb -q -bail -ch UTF8 >/dev/null  # in the C locale isql drops non-ASCII input
mv -f "$tmp" "$target"
echo "Demo database: $target"
