# Fresh Debian roots made with debootstrap, shared by tools/fresh-root.sh and
# tools/fresh-root-check.sh (sourced, not run). Needs root and Debian's mirror.
#
# A root lives in build-fresh-root/<name>/ and is made once: later runs reuse
# it unless asked to make it anew. It starts with no services (policy-rc.d)
# and has an ordinary user, "player".

fresh_say() { echo "== $*"; }
fresh_fail() { echo "FAIL: $*" >&2; exit 1; }

# The mirror apt already uses here for a suite, from the one-line or the deb822
# sources; for a suite this machine does not use, the mirror of its own suite.
fresh_host_mirror() {
  local suite=$1
  { grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list | awk -v s="$suite" '$3 == s { print $2; exit }'
    awk -v s="$suite" '/^URIs:/ { uri = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == s) { print uri; exit } }' \
      /etc/apt/sources.list.d/*.sources 2>/dev/null; } | head -n1
}

# This machine's own suite (bookworm on Debian 12).
fresh_host_suite() {
  . /etc/os-release && echo "${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}"
}

fresh_mirror_for() {
  local suite=$1 mirror
  mirror=${TQ_MIRROR:-$(fresh_host_mirror "$suite")}
  mirror=${mirror:-$(fresh_host_mirror "$(fresh_host_suite)")}
  echo "${mirror:-http://deb.debian.org/debian}"
}

# Makes (or reuses) a minimal root of SUITE in ROOT; RECREATE=1 makes it anew.
fresh_make_root() {
  local suite=$1 root=$2 recreate=${3:-0} log
  [ "$root" != / ] && [ -n "$root" ] || fresh_fail "a fresh root may not be /"
  if [ -f "$root/.tq-fresh-root" ] && [ "$recreate" = 0 ]; then
    fresh_say "reusing the $suite root $root"
    return
  fi
  fresh_mounted_under "$root" && fresh_fail "something is still mounted under $root"
  rm -rf "$root"
  tq_install debootstrap
  local mirror security
  mirror=$(fresh_mirror_for "$suite")
  security=$(fresh_host_mirror "$(fresh_host_suite)-security")
  log=$(dirname "$root")/debootstrap-$suite.log
  fresh_say "debootstrap $suite from $mirror into $root"
  mkdir -p "$root"
  debootstrap --variant=minbase "$suite" "$root" "$mirror" > "$log" 2>&1 \
    || { tail -20 "$log"; fresh_fail "debootstrap (log: $log)"; }
  { echo "deb $mirror $suite main"
    echo "deb $mirror $suite-updates main"
    [ -n "$security" ] && echo "deb $security $suite-security main"; } > "$root/etc/apt/sources.list"
  # Packages installed here start no services.
  printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  chroot "$root" useradd --create-home --shell /bin/bash player
  touch "$root/.tq-fresh-root"
}

fresh_mounted_under() { findmnt -rn -o TARGET | grep -q "^$1\(/\|$\)"; }

fresh_mounts=()
fresh_pids=()
# Binds /proc, /sys and /dev into ROOT; fresh_cleanup undoes it.
fresh_mount_all() {
  local root=$1
  mount --bind /proc "$root/proc" && fresh_mounts+=("$root/proc")
  mount --bind /sys "$root/sys" && fresh_mounts+=("$root/sys")
  mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev" && fresh_mounts+=("$root/dev")
}

# Ends what fresh_spawn started, the last first (3 s each before it is
# killed), then unmounts.
fresh_cleanup() {
  local i m
  for ((i = ${#fresh_pids[@]} - 1; i >= 0; i--)); do
    kill -- "-${fresh_pids[i]}" 2>/dev/null || continue
    for _ in $(seq 30); do kill -0 -- "-${fresh_pids[i]}" 2>/dev/null || break; sleep 0.1; done
    kill -KILL -- "-${fresh_pids[i]}" 2>/dev/null || true
  done
  for m in "${fresh_mounts[@]}"; do umount -R "$m" 2>/dev/null || umount -lR "$m" || true; done
}

# Runs a command in ROOT with a clean environment.
fresh_in_root() {
  local root=$1; shift
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"
}

# Starts a command in ROOT in a process group of its own, ended by fresh_cleanup.
fresh_spawn() {
  local root=$1 log=$2; shift 2
  setsid chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@" > "$log" 2>&1 &
  fresh_pids+=($!)
  disown
}

# Starts Xvfb in ROOT and sets fresh_display to its DISPLAY= assignment.
# The server's abstract socket reaches this machine's xdotool and import too.
fresh_start_xvfb() {
  local root=$1 log=$2
  rm -f "$root/tmp/display"
  fresh_spawn "$root" "$log" sh -c 'exec Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>/tmp/display'
  for _ in $(seq 100); do [ -s "$root/tmp/display" ] && break; sleep 0.1; done
  [ -s "$root/tmp/display" ] || fresh_fail "Xvfb did not start (log: $log)"
  fresh_display="DISPLAY=:$(tr -d '\n' < "$root/tmp/display")"
}
