#!/bin/sh
# Loads the materials schema and the sample rows into a scratch SQLite database and checks that
# every reference resolves, every language column is filled and every stored query returns rows.
#   data/sample/tools/check_sample.sh [path/to/graukant.sql] [path/to/graukant-derive.sql]
# The JETTEXT collation is registered by the program only, so it is stripped for the check.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
schema=${1:-$root/data/schema/graukant.sql}
derive=${2:-$root/data/schema/graukant-derive.sql}
db=$(mktemp /tmp/sample-check.XXXXXX.db)
trap 'rm -f "$db"' EXIT

sed 's/COLLATE JETTEXT//g' "$schema" | sqlite3 -bail "$db"
{
    echo 'PRAGMA foreign_keys=ON;'
    cat "$root"/data/sample/graukant/*.sql
    sed 's/COLLATE JETTEXT//g' "$derive"
} | sqlite3 -bail "$db"
python3 "$here/check_sample.py" "$db"
