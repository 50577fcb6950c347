#!/bin/sh
# Compiles the HTML Help project KV41.hhp in DIR into OUTPUT with chmcmd.
#     compile_chm.sh DIR OUTPUT
# chmcmd writes each context id's page into the help file as the project directory's full path
# on this machine plus the page (/home/.../100.html), which the help viewer then cannot find in
# the file. With the project directory as the root directory, the page comes out as /100.html,
# its name in the file: so chmcmd runs chrooted there, in a mount namespace of its own where the
# system's directories are bound in (a user namespace: no privileges needed).
set -eu
dir=$(readlink -f "$1")
out=$2
chmcmd=$(readlink -f "$(command -v chmcmd)")
for d in usr lib lib64 lib32 libx32; do
    [ -d "/$d" ] && mkdir -p "$dir/$d"
done
unshare -rm sh -c '
    for d in usr lib lib64 lib32 libx32; do
        [ -d "/$d" ] && mount --rbind "/$d" "$1/$d"
    done
    exec chroot "$1" "$2" --verbosity 0 /KV41.hhp' sh "$dir" "$chmcmd" >/dev/null
cp "$dir/KV41.chm" "$out"
