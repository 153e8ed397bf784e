#!/usr/bin/env bash
# The README's recipe for very large batches, run as written: 200 000 generated one-line rows
# (some refused, a few blank lines between them) are cut into chunks by GNU parallel, and the
# joined output must equal a single run byte for byte, with every line's "id" and "line" naming
# its input row. Usage: parallel_batch_test.sh RASHI_REPORT
set -euo pipefail
report=$1
rows=200000
chunk=10000

if ! command -v parallel >/dev/null; then
    echo "GNU parallel is not installed (scripts/deps installs it)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Each row's id is "r" and the number of the line it stands on, so both can be checked alike;
# the line and id each output line must carry go to expected (a row with too few fields has no
# id that can be trusted: null).
awk -v rows="$rows" -v expected="$scratch/expected" 'BEGIN {
    print "id,name,day,month,year,hour,minute,zone,latDeg,latMin,south,lonDeg,lonMin,east,dst,city,state,country"
    line = 1
    for (i = 0; i < rows; i++) {
        if (i % 4999 == 7) {
            print ""
            ++line
        }
        ++line
        day = i % 1009 == 3 ? 32 : 1 + (i * 7) % 28
        if (i % 2003 == 5) {
            printf "r%d,too few fields\n", line
            print line, "null" > expected
        } else {
            print line, "\"r" line "\"" > expected
            printf "r%d,\"Person %d, Test\",%d,%d,%d,%d,%d,%d,%d,%d,%s,%d,%d,%s,%s,City %d,State,Country\n",
                line, i, day, 1 + (i * 5) % 12, 1901 + (i * 37) % 150, (i * 11) % 24,
                (i * 13) % 60, (i * 17) % 71, (i * 19) % 67, (i * 23) % 60,
                (i % 3 == 0) ? "true" : "false", (i * 29) % 180, (i * 31) % 60,
                (i % 2 == 0) ? "1" : "0", (i % 4 == 0) ? "true" : "false", i % 1000
        }
    }
}' > "$scratch/births.csv"

# Refused rows make the exit status 1; the outputs are what is compared.
status=0
"$report" --batch "$scratch/births.csv" > "$scratch/single.jsonl" 2>/dev/null || status=$?
[ $status -eq 1 ] || { echo "the single run ended with status $status"; exit 1; }

# The command as the README gives it, with the program's path.
parallel --will-cite --pipe -N $chunk --header 1 --keep-order \
    "'$report' --batch - --first-line \$(( ({#} - 1) * $chunk + 1 ))" \
    < "$scratch/births.csv" > "$scratch/joined.jsonl" 2>/dev/null || true

if ! cmp -s "$scratch/single.jsonl" "$scratch/joined.jsonl"; then
    echo "the joined chunks differ from the single run:"
    diff "$scratch/single.jsonl" "$scratch/joined.jsonl" | head -n 6
    exit 1
fi

# Every output line, in order, names the next row that is not blank: its line, and its id.
sed -E 's/^\{"line": ?([0-9]+), ?"id": ?("[^"]*"|null)[,}].*/\1 \2/' "$scratch/joined.jsonl" \
    > "$scratch/named"
if ! cmp -s "$scratch/expected" "$scratch/named"; then
    echo "output lines that do not name their row (expected, written):"
    diff "$scratch/expected" "$scratch/named" | head -n 6
    exit 1
fi
refused=$(grep -c '"error"' "$scratch/joined.jsonl" || true)
[ "$refused" -gt 200 ] || { echo "only $refused rows were refused"; exit 1; }
echo "$rows rows in chunks of $chunk: the same output as one run; $refused rows refused"
