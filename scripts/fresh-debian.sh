#!/usr/bin/env bash
# fresh-debian.sh [DIR]: tries the README's two commands on a fresh Debian 12.
#
# Makes a minimal Debian 12 tree with debootstrap, with the updates and security
# suites an installed Debian has, adds git and make, clones this checkout's
# committed HEAD into it and runs, as root inside it, `make run` (the window on
# this machine's X display, or on a private Xvfb when there is none, closed once
# it is mapped) and then `make test`. Prints what each installed and how long it
# took. Needs root, debootstrap, xdotool and the network, and an hour or more.
# The tree, DIR (/var/tmp/selbrin-fresh-debian by default), is made afresh on each
# run and kept afterwards; the logs are DIR/make-run.log and DIR/make-test.log.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
root=$(realpath -m "${1:-/var/tmp/selbrin-fresh-debian}")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
security=${DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
window_wait=${WINDOW_WAIT:-3600}

[ "$(id -u)" -eq 0 ] || { echo "fresh-debian: run it as root (debootstrap and chroot)" >&2; exit 1; }
scripts/require-tool.sh debootstrap debootstrap xdotool xdotool git git || exit 1

mounts=(proc sys dev tmp)
mounted() { grep -q " $root/" /proc/mounts; }
unmount_all() {
  local m
  for m in "${mounts[@]}"; do
    umount -R "$root/$m" 2>/dev/null || umount -R -l "$root/$m" 2>/dev/null || true
  done
}
xvfb=
window=
cleanup() {
  [ -z "$window" ] || kill "$window" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  unmount_all
}
trap cleanup EXIT

# Never remove a tree that still has the host's folders mounted in it.
if [ -d "$root" ]; then
  unmount_all
  if mounted; then
    echo "fresh-debian: something is still mounted under $root; not removing it" >&2
    exit 1
  fi
  rm -rf --one-file-system "$root"
fi

seconds() { date +%s; }
minutes() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }
in_tree() {
  chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ${DISPLAY:+DISPLAY=$DISPLAY} \
    /bin/bash -c "$1"
}
installed() { in_tree "dpkg-query -W -f='\${db:Status-Abbrev} \${Installed-Size}\n' | awk '\$1 == \"ii\" {n++; k += \$2} END {print n, k}'"; }
report() { # report WHAT BEFORE AFTER SECONDS
  local n0 k0 n1 k1
  read -r n0 k0 <<<"$2"
  read -r n1 k1 <<<"$3"
  echo "fresh-debian: $1 installed $((n1 - n0)) packages ($(((k1 - k0) / 1024)) MiB installed size) and took $(minutes "$4")"
}

echo "fresh-debian: debootstrap bookworm (minbase) into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { tail -20 "$root.debootstrap.log"; exit 1; }
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
# The host's /tmp: its X sockets, and its X lock files, so that a virtual X
# server started by a test picks a display that no one else is using.
mount --bind /tmp "$root/tmp"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# This machine's own certificate authorities (a network that inspects TLS), so
# that npm reaches its registry from the tree as it does from here.
mkdir -p "$root/usr/local/share/ca-certificates"
cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/" 2>/dev/null || true

in_tree "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get upgrade -y -qq >/dev/null &&
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq git make >/dev/null"
git clone --quiet "$checkout" "$root/root/selbrin"
echo "fresh-debian: Debian 12 minbase with git and make: $(installed | awk '{print $1}') packages"

if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$root/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$root/display" ] && break; sleep 0.3; done
  [ -s "$root/display" ] || { echo "fresh-debian: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(cat "$root/display")
elif [ -f "${XAUTHORITY:-$HOME/.Xauthority}" ]; then
  cp "${XAUTHORITY:-$HOME/.Xauthority}" "$root/root/.Xauthority"
fi

# run_window LOG: runs `make run` in the tree until its window is mapped, then
# closes it; prints the seconds that took.
run_window() {
  local start id=
  start=$(seconds)
  in_tree "cd /root/selbrin && make run" >"$1" 2>&1 &
  local run=$!
  while kill -0 "$run" 2>/dev/null && [ $(($(seconds) - start)) -lt "$window_wait" ]; do
    id=$(xdotool search --onlyvisible --class '^Selbrin$' 2>/dev/null | head -1) || true
    [ -z "$id" ] || break
    sleep 1
  done
  if [ -z "$id" ]; then
    tail -30 "$1" >&2
    echo "fresh-debian: make run opened no window (log: $1)" >&2
    return 1
  fi
  echo $(($(seconds) - start))
  window=$(xdotool getwindowpid "$id")
  kill "$window"
  wait "$run" || true
  window=
}

before=$(installed)
took=$(run_window "$root/make-run.log")
report "make run" "$before" "$(installed)" "$took"
for p in wine chromium firefox-esr emscripten g++-mingw-w64-x86-64-posix clang nodejs npm; do
  if in_tree "dpkg-query -W -f='\${db:Status-Abbrev}' $p 2>/dev/null | grep -q ^ii"; then
    echo "fresh-debian: make run installed $p, which only the tests need" >&2
    exit 1
  fi
done
took=$(run_window "$root/make-run-again.log")
echo "fresh-debian: make run again, nothing changed: the window after $(minutes "$took")"

before=$(installed)
start=$(seconds)
status=0
in_tree "cd /root/selbrin && make test" >"$root/make-test.log" 2>&1 || status=$?
took=$(($(seconds) - start))
report "make test" "$before" "$(installed)" "$took"
if [ "$status" -ne 0 ]; then
  tail -40 "$root/make-test.log"
  echo "fresh-debian: make test failed (log: $root/make-test.log)" >&2
  exit 1
fi
echo "fresh-debian: make test passed (log: $root/make-test.log)"
