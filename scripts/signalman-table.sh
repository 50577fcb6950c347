#!/bin/sh
# Plays shifts with the automatic signalman in the console and tabulates them: one row per
# shift, level, rule book and seed, with the points, the rating, the trains worked and every
# point lost with its reason. Each session is recorded (--record), and its replay, which holds
# his moves as the player's ordinary commands, is run with him off by --verify: the last column
# says whether it reproduces the session.
#   scripts/signalman-table.sh [SEEDS] [SHIFTS] [LEVELS] [RULES]
# Unless told, seeds 1 to 100, every shift, levels 1, 3 and 5 and every rule book with the
# automatic instruments, then level 3 again with the instruments worked by hand; a summary of
# both follows the rows. Given SEEDS etc., only the automatic instruments are played, with
# KV41_OPTIONS (console commands given after the rule book, e.g. "option autoblock off").
# KV41_JOBS sessions run at once (2 unless told).
set -eu
console=${KV41_CONSOLE:-build/bin/kv41-console}

# One session: prints "KEY|row" where KEY orders the rows as they were asked for.
if [ "${1:-}" = --one ]; then
    order=$2 shift=$3 level=$4 rule=$5 seed=$6 hand=$7
    name=$(echo Night Early Late Learning Marathon | cut -d' ' -f"$shift")
    options=${KV41_OPTIONS:-}
    [ "$hand" = hand ] && options="option autoblock off"
    replay=$(mktemp)
    out=$(printf 'new %s %s\nrules %s\n%s\nauto on\nshow train all\n' "$shift" "$level" \
        "$rule" "$options" | "$console" --seed "$seed" --record "$replay")
    same=DIFFERS
    if "$console" --verify "$replay" >/dev/null 2>&1; then same=reproduced; fi
    rm -f "$replay"
    echo "$out" | awk -v key="$order" -v hand="$hand" -v shift="$name" -v level="$level" \
        -v rule="$rule" -v seed="$seed" -v same="$same" '
        /^rating: Your rating is / { sub(/^rating: Your rating is /, ""); rating = $0 }
        /^rating: Actual score was/ { points = $5 }
        /^error: You lose / {
            sub(/^error: You lose /, ""); n = $1; sub(/^[0-9]+ points? for /, "")
            losses = losses (losses == "" ? "" : "; ") "-" n " " $0
        }
        /^train / {
            if (match($0, /TrainTimes=[-0-9,]*/)) {
                split(substr($0, RSTART + 11, RLENGTH - 11), t, ",")
                if (t[2] != "-240" && $0 ~ /TrainState=6/) trains++
            }
        }
        END {
            printf "%s|%s|| %s | %s | %s | %s | %s | %s | %d | %s | %s |\n", key, hand, shift,
                level, rule, seed, points, rating, trains, (losses == "" ? "none" : losses), same
        }'
    exit 0
fi

if [ $# -gt 0 ]; then
    seeds=${1:-}
    shifts=${2:-"1 2 3 4 5"}
    levels=${3:-"1 3 5"}
    rules=${4:-"BR WR LMR"}
    parts="auto"
else
    seeds=$(seq 1 100)
    shifts="1 2 3 4 5"
    levels="1 3 5"
    rules="BR WR LMR"
    parts="auto hand"
fi
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT
# The sessions, each as the arguments of --one, in the order of the table.
n=0
for part in $parts; do
    partLevels=$levels
    [ "$part" = hand ] && partLevels=3
    for shift in $shifts; do
        for level in $partLevels; do
            for rule in $rules; do
                for seed in $seeds; do
                    n=$((n + 1))
                    echo "$n $shift $level $rule $seed $part"
                done
            done
        done
    done
done | xargs -P "${KV41_JOBS:-2}" -n 6 "$0" --one | sort -t'|' -k1,1n >"$rows"

header="| shift | level | rules | seed | points | rating | trains | points lost | replay --verify |
|---|---|---|---|---|---|---|---|---|"
summary() {
    awk -F'|' '{
        name = $4; gsub(/ /, "", name); if (!(name in runs)) order[++shifts] = name
        runs[name]++; points[name] += $8
        if ($9 ~ /outstanding/) outstanding[name]++
        if ($11 ~ /^ *none *$/) clean[name]++
        if ($9 ~ /fair|poor|appalling/) poor[name]++
        if ($12 ~ /reproduced/) same[name]++
    } END {
        for (i = 1; i <= shifts; i++) {
            s = order[i]
            printf "  %-9s %4d runs  outstanding %4d  no point lost %4d  fair or worse %2d  " \
                "mean points %6.1f  reproduced %4d\n", s, runs[s], outstanding[s], clean[s],
                poor[s], points[s] / runs[s], same[s]
        }
    }'
}
for part in $parts; do
    [ "$part" = hand ] && echo "instruments by hand:" || echo "automatic instruments:"
    grep "^[0-9]*|$part|" "$rows" | summary
done
for part in $parts; do
    echo
    [ "$part" = hand ] && echo "## Instruments by hand" || echo "## Automatic instruments"
    echo
    echo "$header"
    grep "^[0-9]*|$part|" "$rows" | sed 's/^[^|]*|[^|]*|//'
done
