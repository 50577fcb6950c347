#!/bin/sh
# Plays shifts with the automatic signalman in the console and tabulates them: one row per
# shift, level, rule book and seed, with the points, the rating, the trains worked and every
# point lost with its reason. Each session is recorded (--record), and its replay, which holds
# his moves as the player's ordinary commands, is run with him off by --verify: the last column
# says whether it reproduces the session.
#   scripts/signalman-table.sh [SEEDS] [SHIFTS] [LEVELS] [RULES]
# e.g. scripts/signalman-table.sh "1 2 3 4 5" "1 2 3 4 5" "1 2 3 4 5" "BR WR LMR"
# KV41_OPTIONS adds console commands given after the rule book, e.g. "option autoblock off".
set -eu
console=${KV41_CONSOLE:-build/bin/kv41-console}
seeds=${1:-"1 2 3 4 5"}
shifts=${2:-"1 2 3 4 5"}
levels=${3:-"1 2 3 4 5"}
rules=${4:-"BR WR LMR"}
names="Night Early Late Learning Marathon"
dump='show train all\n'
replay=$(mktemp)
trap 'rm -f "$replay"' EXIT
echo "| shift | level | rules | seed | points | rating | trains | points lost | replay --verify |"
echo "|---|---|---|---|---|---|---|---|---|"
for shift in $shifts; do
    name=$(echo $names | cut -d' ' -f"$shift")
    for level in $levels; do
        for rule in $rules; do
            for seed in $seeds; do
                start=$(printf 'new %s %s\nrules %s\n%s\n' "$shift" "$level" "$rule" \
                    "${KV41_OPTIONS:-}")
                out=$(printf '%s\nauto on\n'"$dump" "$start" |
                    "$console" --seed "$seed" --record "$replay")
                same=DIFFERS
                if "$console" --verify "$replay" >/dev/null 2>&1; then same=reproduced; fi
                echo "$out" | awk -v shift="$name" -v level="$level" -v rule="$rule" -v seed="$seed" \
                    -v same="$same" '
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
                        printf "| %s | %s | %s | %s | %s | %s | %d | %s | %s |\n", shift, level,
                            rule, seed, points, rating, trains, (losses == "" ? "none" : losses), same
                    }'
            done
        done
    done
done
