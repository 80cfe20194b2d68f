#!/usr/bin/env bash
# Builds an embedded database PATH holding one large batch (number 900000) for benchmarks:
#   scripts/make-large-db.sh PATH ORDERS TICKETS_PER_ORDER SECTORS_PER_TICKET FLOW_STEPS
set -euo pipefail
if [[ $# -ne 5 ]]; then
  echo "usage: $0 PATH ORDERS TICKETS_PER_ORDER SECTORS_PER_TICKET FLOW_STEPS" >&2
  exit 2
fi
for n in "$2" "$3" "$4" "$5"; do
  [[ "$n" =~ ^[0-9]+$ ]] || { echo "$0: '$n' is not a whole number" >&2; exit 2; }
done
(( $2 >= 1 && $2 <= 999 )) || { echo "$0: ORDERS must be 1..999" >&2; exit 2; }
(( $3 * $2 <= 8999999 )) || { echo "$0: more tickets than seven-digit numbers allow" >&2; exit 2; }
(( $5 <= 50 )) || { echo "$0: FLOW_STEPS must be at most 50" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
target=$(realpath -m "$1")
mkdir -p "$(dirname "$target")"
rm -f "$target"
printf "CREATE DATABASE '%s' USER 'SYSDBA' DEFAULT CHARACTER SET WIN1252;\n" "$target" | isql-fb -q -bail >/dev/null
gfix -write async -user SYSDBA "$target"
{
  printf "CONNECT '%s' USER 'SYSDBA';\n" "$target"
  cat "$root/db/schema.sql"
  sed -e "s/@ORDERS@/$2/" -e "s/@TICKETS@/$3/" -e "s/@SECTORS@/$4/" -e "s/@FLOWSTEPS@/$5/" "$root/db/large.sql"
} | LC_ALL=C.UTF-8 isql-fb -q -bail -ch UTF8 >/dev/null  # in the C locale isql drops non-ASCII input
echo "Large batch 900000 ($2 orders x $3 tickets x $4 sectors, $5 flow steps): $target"
