#!/usr/bin/env bash
# Runs Windows programs in one of the project's own Wine prefixes (never ~/.wine).
#
#   wine.sh PREFIX run PROGRAM [ARGS...]  run a program; prepares the prefix and
#                                         starts its server first when needed
#   wine.sh PREFIX start                  prepare the prefix and start its server
#   wine.sh PREFIX stop                   end every process of the prefix
#
# Runs are headless (the null graphics driver) unless TESSARILO_WINE_DISPLAY=1,
# which keeps DISPLAY for the run and screenshot commands. Locale is Polish
# (code page 1250, decimal comma), as the tests expect; TESSARILO_WINE_LOCALE
# runs one program in another locale (en_US.UTF-8: code page 1252).
set -euo pipefail
# Failures are told on both streams: test discovery shows only standard output.
trap 'echo "wine.sh: \"$BASH_COMMAND\" failed (line $LINENO)" | tee /dev/stderr' ERR

prefix=$1; shift
cmd=$1; shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
[ "${TESSARILO_WINE_DISPLAY:-0}" = 1 ] || unset DISPLAY
if [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine
else
  wine=$(command -v wine64 || command -v wine)
fi

# The keeper holds the desktop open for the whole run, so GUI programs do not
# each restart it (and no Wine service inherits a test runner's pipes).
keeper=${TESSARILO_WINE_KEEPER:-$(dirname "$prefix")/bin/wine_keeper.exe}
stamp=$prefix/.tessarilo-prefix-1
keeper_pid=$prefix/.keeper.pid
keeper_ready=$prefix/.keeper.ready

# Wine's server, services and the keeper outlive the command: they get none
# of its descriptors (a build tool or CTest waits for its pipes to close, and
# the prefix's lock must not stay held).
close_inherited_fds() {
  local fd
  for fd in $(ls /proc/$BASHPID/fd); do
    [ "$fd" -gt 2 ] && eval "exec $fd>&-" 2>/dev/null
  done
}
quiet() { (close_inherited_fds; "$@") </dev/null >/dev/null 2>&1; }

# Polish locale for Wine only (set here, bash itself would warn when the Linux
# locale is not generated; Wine does not need it to be).
in_locale() { env LC_ALL=pl_PL.UTF-8 "$@"; }

create_prefix() {
  rm -rf "$prefix"
  mkdir -p "$prefix"
  quiet in_locale "$wine" wineboot -i
  quiet wineserver -w
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  quiet in_locale "$wine" regedit /S "$(winepath_of "$here/wine-prefix.reg")"
  quiet wineserver -w
  touch "$stamp"
}

winepath_of() { echo "Z:${1//\//\\}"; }

server_running() {
  [ -f "$keeper_pid" ] && kill -0 "$(cat "$keeper_pid")" 2>/dev/null
}

start_server() {
  # Exits 2 when the prefix's server already runs (the keeper alone had ended).
  quiet wineserver -p || true
  quiet in_locale "$wine" cmd /c exit
  if [ -f "$keeper" ]; then
    rm -f "$keeper_ready"
    (close_inherited_fds; exec setsid env LC_ALL=pl_PL.UTF-8 "$wine" "$keeper" "$(winepath_of "$keeper_ready")") \
      </dev/null >/dev/null 2>&1 &
    echo $! >"$keeper_pid"
    wait_for_keeper
  fi
}

# The desktop must be up before a GUI program starts: one starting while the
# desktop process is still coming up can fail.
wait_for_keeper() {
  local tries=0
  until [ -f "$keeper_ready" ]; do
    if ! server_running; then
      echo "wine.sh: the desktop keeper ended before the desktop was up" | tee /dev/stderr
      return 1
    fi
    if [ $((tries += 1)) -gt 1200 ]; then
      echo "wine.sh: the desktop did not come up within 120 s" | tee /dev/stderr
      return 1
    fi
    sleep 0.1
  done
}

ensure_ready() {
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  [ -f "$stamp" ] || create_prefix
  server_running || start_server
  flock -u 9
  exec 9>&-
}

case "$cmd" in
  run)
    ensure_ready
    if [[ " $* " == *" --gtest_list_tests "* ]]; then
      # A failed listing would stop the whole test run: try it a second time,
      # telling why the first failed.
      for attempt in 1 2; do
        out=$(env LC_ALL="${TESSARILO_WINE_LOCALE:-pl_PL.UTF-8}" "$wine" "$@") && {
          printf '%s\n' "$out"
          exit 0
        }
        rc=$?
        echo "wine.sh: listing the tests of $1 failed (exit $rc, attempt $attempt): $out" >&2
        sleep 1
      done
      printf '%s\n' "$out"
      exit "$rc"
    fi
    if [[ " $* " == *" --gtest_filter="* ]]; then
      # One test of a suite. Rarely, under load, Wine ends a test program at
      # once, before it prints anything: a program that ran prints at least
      # its banner, so one that failed silently is started once more.
      log=$(mktemp)
      trap 'rm -f "$log"' EXIT
      for attempt in 1 2; do
        rc=0
        env LC_ALL="${TESSARILO_WINE_LOCALE:-pl_PL.UTF-8}" "$wine" "$@" | tee "$log" || rc=$?
        if [ "$rc" -eq 0 ] || [ -s "$log" ] || [ "$attempt" -eq 2 ]; then exit "$rc"; fi
        echo "wine.sh: $1 ended at once (exit $rc) without printing anything; starting it again" | tee /dev/stderr
      done
    fi
    exec env LC_ALL="${TESSARILO_WINE_LOCALE:-pl_PL.UTF-8}" "$wine" "$@"
    ;;
  start)
    ensure_ready
    ;;
  stop)
    if [ -d "$prefix" ]; then
      wineserver -k 2>/dev/null || true
      rm -f "$keeper_pid"
    fi
    ;;
  *)
    echo "usage: wine.sh PREFIX run|start|stop" >&2
    exit 2
    ;;
esac
