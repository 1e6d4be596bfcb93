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
# The fonts follow the table in host/README.md ("Fonts in the Wine
# prefixes"): the faces the pages and the sheet ask for are drawn with free
# proportional, scalable faces of like metrics, not with Wine's fallback.
#
# With MARLOW_WINE_DPI set (96, 120, 144, 192 ...), the program runs in a
# prefix of its own (PREFIX-dpiN) whose screen has that many dots per inch:
# Wine reads HKCU\Control Panel\Desktop "LogPixels" when a program starts.
#
# The prefix's wineserver is started here, persistent for 30 s after its last
# client, rather than by the first program: a server that shuts down after
# Wine's default 3 s just as the next test connects makes that test fail with
# "recvmsg: Connection reset by peer".
#
# With MARLOW_WINE_VERSION set, the program runs in a prefix of its own beside
# PREFIX (PREFIX-<version>) that reports an older Windows version:
#   winxp     5.1.2600 with service pack 3 (what Wine's own "winxp" reports)
#   winxpsp2  5.1.2600 with service pack 2 (Wine has no name for it)
#   win2k     5.0.2195 with service pack 4 (what Wine's own "win2k" reports)
# The version is written where winecfg writes it, in the registry's Windows NT
# keys (both the 64- and the 32-bit view); Wine reads it from there when
# HKCU\Software\Wine has no "Version" value. The program finds what the
# prefix should report in MARLOW_WINE_REPORTS ("major.minor.servicepack").
set -u
prefix=$1
shift
version=${MARLOW_WINE_VERSION:-}
dpi=${MARLOW_WINE_DPI:-}
case $version in
  "")       ;;
  winxp)    major=5 minor=1 pack=3 build=2600 ;;
  winxpsp2) major=5 minor=1 pack=2 build=2600 ;;
  win2k)    major=5 minor=0 pack=4 build=2195 ;;
  *) echo "wine-run.sh: MARLOW_WINE_VERSION '$version' is none of winxp, winxpsp2, win2k" >&2
     exit 2 ;;
esac
if [ -n "$version" ]; then
  prefix=$prefix-$version
  export MARLOW_WINE_REPORTS=$major.$minor.$pack
fi
case $dpi in
  "") ;;
  *[!0-9]*|0*) echo "wine-run.sh: MARLOW_WINE_DPI '$dpi' is no number of dots per inch" >&2
     exit 2 ;;
  *) prefix=$prefix-dpi$dpi ;;
esac
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
# The user's language decides which string table the platform's loader
# tries first: one without a table of the plug-in's own, so that the tests
# see the neutral texts where they expect them.
export LC_ALL=C
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Makes the prefix report Windows $major.$minor.$build with service pack $pack.
report_version() {
  local nt='HKLM\Software\Microsoft\Windows NT\CurrentVersion' view
  for view in 64 32; do
    wine reg add "$nt" /v CurrentVersion /d "$major.$minor" /f /reg:$view &&
    wine reg add "$nt" /v CurrentBuildNumber /d "$build" /f /reg:$view &&
    wine reg add "$nt" /v CSDVersion /d "Service Pack $pack" /f /reg:$view || return 1
  done </dev/null >/dev/null 2>&1
  wine reg add 'HKLM\System\CurrentControlSet\Control\Windows' /v CSDVersion /t REG_DWORD \
    /d $((pack * 256)) /f </dev/null >/dev/null 2>&1 || return 1
  wineserver -w
}

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.marlow-ready" ]; then
    wineboot --init </dev/null >/dev/null 2>&1
    wineserver -w
    if [ -n "$version" ] && ! report_version; then
      echo "wine-run.sh: could not make $prefix report Windows $MARLOW_WINE_REPORTS" >&2
      exit 2
    fi
    touch "$prefix/.marlow-ready"
  fi
  # Windows without a window manager: unmanaged, so that hiding or closing
  # one (a message box, a sheet) does not wait for a manager that never
  # answers; the classic look, whose drawing needs no msimg32; the fonts of
  # host/README.md's table; the screen's dots per inch when asked for.
  if [ ! -f "$prefix/.marlow-display-settings-3" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
      /v ThemeActive /d 0 /f </dev/null >/dev/null 2>&1
    # The 6.0 pages' face (in every language): Japanese gothic, proportional.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f \
      </dev/null >/dev/null 2>&1
    # The 5.x pages', the sheet's and Wine's own dialogs' face: the same
    # proportional gothic, so that the sheet, which measures its page area
    # in its own font, has room for the 6.0 pages at 96 DPI.
    for face in 'MS Shell Dlg' 'MS Shell Dlg 2'; do
      for view in 64 32; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
          /v "$face" /d IPAPGothic /f /reg:$view </dev/null >/dev/null 2>&1
      done
    done
    if [ -n "$dpi" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        </dev/null >/dev/null 2>&1
    fi
    wineserver -w
    touch "$prefix/.marlow-display-settings-3"
  fi
  # In the background, since a server started by hand stays in the
  # foreground; it exits at once when one is running already.
  (wineserver -p30 </dev/null >/dev/null 2>&1 9>&- &)
) 9>"$prefix.lock" || exit $?

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
