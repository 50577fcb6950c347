#!/usr/bin/env bash
# Builds the Debian package and checks it as a packager and a player would: lintian without
# errors, the menu entry and the metainfo validated, then the package installed with apt-get
# into a fresh Debian 12 root made by mmdebstrap, where the desktop program plays a Learning
# shift on the offscreen platform with its self-check and the console plays a short script,
# both as an ordinary player. The player's files must land in the home directory and nothing
# may be written under /usr. Needs root (for mmdebstrap and chroot) and the Debian archive.
#
# Everything it makes stays in build/package-check/ (the root is removed at the end); the
# installed file list and the tools' output are kept there for the record.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

echo "== package"
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
(cd build && cpack -G DEB >/dev/null)
version=$(grep -o 'CPACK_PACKAGE_VERSION "[^"]*"' build/CPackConfig.cmake | cut -d'"' -f2)
deb=build/kv41_${version}_amd64.deb
[ -f "$deb" ] || { echo "no package $deb"; exit 1; }
check=build/package-check
rm -rf "$check"
mkdir -p "$check"
echo "$deb: $(stat -c %s "$deb") bytes"

echo "== lintian"
lint=0
lintian --fail-on error "$deb" > "$check/lintian.txt" 2>&1 || lint=$?
grep -v 'running with root privileges' "$check/lintian.txt" || echo "(no tags)"
[ "$lint" -eq 0 ] || { echo "lintian found errors"; exit 1; }

echo "== desktop entry and metainfo"
desktop-file-validate packaging/org.kv41.kv41.desktop
appstreamcli validate --no-net build/packaging/org.kv41.kv41.metainfo.xml

echo "== install into a fresh Debian 12 root"
# The same Debian mirror as this machine's apt sources.
mirror=$(grep -hs -E '^[[:space:]]*URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}' |
         grep -E '/debian/?$' | head -1 || true)
if [ -z "$mirror" ]; then
  mirror=$(grep -hs -E '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
           grep -o -E 'https?://[^ ]*/debian/?( |$)' | head -1 | tr -d ' ' || true)
fi
mirror=${mirror:-http://deb.debian.org/debian}
echo "mirror: $mirror"

# What the player does inside the root: runs as "player", then lists what it left.
cat > "$check/player.sh" <<'PLAYER'
set -eu
useradd --create-home player
as_player() { runuser -u player -- env -i HOME=/home/player PATH=/usr/games:/usr/bin:/bin "$@"; }
touch /tmp/before-play
echo "-- kv41: a Learning shift on the offscreen platform, to its end"
as_player QT_QPA_PLATFORM=offscreen kv41 --new 4 1 --tick-ms 1 --exit-after 12000 --self-check
find /home/player -newer /tmp/before-play -type f | sort | tee /tmp/kv41-files
rm -rf /home/player/.config/kv41 /home/player/.local/share/kv41
echo "-- kv41-console"
cd /home/player
as_player kv41-console --seed 3 /tmp/console.kv41
find /home/player -newer /tmp/before-play -type f | sort | tee /tmp/console-files
find /usr -newer /tmp/before-play | sort > /tmp/usr-written
dpkg -L kv41 > /tmp/installed-files
PLAYER
cat > "$check/console.kv41" <<'SCRIPT'
new 4 1
option log on
option autosave on
lever 46
set ClockNow 419
set MinuteTick 1
step
set ClockNow 479
set MinuteTick 1
step 20
SCRIPT

root="$check/root"
mmdebstrap --variant=apt --quiet \
  --customize-hook="copy-in $deb $check/player.sh $check/console.kv41 /tmp" \
  --customize-hook="chroot \"\$1\" apt-get install -y -q --no-install-recommends /tmp/$(basename "$deb")" \
  --customize-hook="chroot \"\$1\" sh /tmp/player.sh" \
  --customize-hook="copy-out /tmp/usr-written /tmp/installed-files /tmp/kv41-files /tmp/console-files $check" \
  bookworm "$root" "deb $mirror bookworm main" "deb $mirror bookworm-updates main" \
  > "$check/install.txt" 2>&1 || { tail -50 "$check/install.txt"; rm -rf "$root"; exit 1; }
sed -n '/^-- /,$p' "$check/install.txt"

echo "== the player's files"
fail=0
expect() {  # program, list of the files it wrote, a file it must have written
  if grep -qxF "/home/player/$3" "$2"; then echo "ok: $1 wrote ~/$3"; else echo "missing: $1 did not write ~/$3"; fail=1; fi
}
expect kv41 "$check/kv41-files" ".config/kv41/TOLA.INI"
expect kv41-console "$check/console-files" ".config/kv41/TOLA.INI"
expect kv41-console "$check/console-files" ".local/share/kv41/KV41 log.txt"
expect kv41-console "$check/console-files" ".local/share/kv41/KV41 autosave.sav"
if [ -s "$check/usr-written" ]; then
  echo "written under /usr:"; cat "$check/usr-written"; fail=1
else
  echo "ok: nothing written under /usr"
fi
rm -rf "$root"
echo "installed files: $check/installed-files ($(wc -l < "$check/installed-files") entries)"
echo "check-package: $(( $(date +%s) - started )) s"
exit $fail
