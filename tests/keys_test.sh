#!/bin/sh
# The keys of the manual page's KEYS section are those of the key tables (under a "| Key |"
# header) in README.md and docs/accessibility.md: no more, no fewer. Usage: keys_test.sh SOURCE
set -eu
cd "$1"
manual=$(mktemp)
trap 'rm -f "$manual"' EXIT
# The .B and .BR lines, without the quoted text between their keys.
sed -n '/^\.SH KEYS/,/^\.SH [^K]/s/^\.BR\{0,1\} //p' packaging/bailwood2.6 | sed 's/"[^"]*"//g' |
    tr -s ' ' '\n' | grep . | sort -u >"$manual"
status=0
for doc in README.md docs/accessibility.md; do
    awk -F'|' '/^\| *Key *\|/ { table = 1; next } !/^\|/ { table = 0 }
        table && $2 !~ /^-+$/ { print $2 }' "$doc" | tr -d '`' | tr ',' '\n' |
        sed 's/^ *//; s/ *$//' | grep . | sort -u |
        diff -u --label "KEYS of packaging/bailwood2.6" --label "key table of $doc" "$manual" - ||
        status=1
done
[ "$status" -ne 0 ] || echo "the manual and both key tables agree"
exit "$status"
