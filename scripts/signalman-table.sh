#!/bin/sh
# Plays shifts with the automatic signalman in the console and tabulates them: one row per
# shift, level, rule book and seed, with the points, the rating, the trains worked and every
# point lost with its reason. Each session is then replayed without him, from his moves as the
# console printed them, and the last column says whether the replay ends in the same state.
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
dump='show game\nshow train all\nshow lever all\nshow box all\nshow section all\n'
echo "| shift | level | rules | seed | points | rating | trains | points lost | replay |"
echo "|---|---|---|---|---|---|---|---|---|"
for shift in $shifts; do
    name=$(echo $names | cut -d' ' -f"$shift")
    for level in $levels; do
        for rule in $rules; do
            for seed in $seeds; do
                start=$(printf 'new %s %s\nrules %s\n%s\n' "$shift" "$level" "$rule" \
                    "${KV41_OPTIONS:-}")
                out=$(printf '%s\nauto on\n'"$dump" "$start" | "$console" --seed "$seed")
                moves=$(echo "$out" | sed -n 's/^auto: \([^-]*[^ -]\).*/\1/p')
                again=$(printf '%s\n%s\n'"$dump" "$start" "$moves" | "$console" --seed "$seed")
                same=DIFFERS
                if [ "$(echo "$out" | grep '^[a-z]* [0-9]* [A-Z]\|^game ')" = \
                     "$(echo "$again" | grep '^[a-z]* [0-9]* [A-Z]\|^game ')" ]; then
                    same=same
                fi
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
