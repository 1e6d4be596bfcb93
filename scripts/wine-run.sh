#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest: wine-run.sh PREFIX PROGRAM [ARGS...]
#
# The prefix is made once (under a lock, so parallel callers wait for the
# first) with the Mono and Gecko installers turned off. Wine's output goes to
# a file that is printed afterwards: a pipe left open by Wine's helper
# processes would otherwise keep ctest waiting. With MARLOW_WINE_STDERR set
# to a file name, the program's standard error goes to that file instead of
# being printed with its standard output.
#
# The prefix's wineserver is started here, persistent for 30 s after its last
# client, rather than by the first program: a server that shuts down after
# Wine's default 3 s just as the next test connects makes that test fail with
# "recvmsg: Connection reset by peer".
set -u
prefix=$1
shift
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
# The user's language decides which string table the platform's loader
# tries first: one without a table of the plug-in's own, so that the tests
# see the neutral texts where they expect them.
export LC_ALL=C
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.marlow-ready" ]; then
    wineboot --init </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.marlow-ready"
  fi
  # Windows without a window manager: unmanaged, so that hiding or closing
  # one (a message box, a sheet) does not wait for a manager that never
  # answers; the classic look, whose drawing needs no msimg32; and the
  # dialogs' Japanese gothic face (also the 6.0 pages' face in every
  # language) drawn with its free counterpart of the same metrics.
  if [ ! -f "$prefix/.marlow-display-settings" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
      /v ThemeActive /d 0 /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAGothic /f \
      </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.marlow-display-settings"
  fi
  # In the background, since a server started by hand stays in the
  # foreground; it exits at once when one is running already.
  (wineserver -p30 </dev/null >/dev/null 2>&1 9>&- &)
) 9>"$prefix.lock"

out=$(mktemp)
trap 'rm -f "$out"' EXIT
if [ -n "${MARLOW_WINE_STDERR:-}" ]; then
  wine "$@" </dev/null >"$out" 2>"$MARLOW_WINE_STDERR"
else
  wine "$@" </dev/null >"$out" 2>&1
fi
rc=$?
cat "$out"
exit $rc
