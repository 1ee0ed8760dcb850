#!/usr/bin/env bash
# Runs a Windows program under Wine the way the tests and the clock need it:
# a private prefix, a Japanese locale, ALSA on a null device (so MCI really
# plays and notifies), and an X display (Xvfb is started when none is set).
#   wine-run.sh [--prefix DIR] [--dpi N] program.exe [args...]
# --dpi sets the prefix's screen DPI (96, 120, 144, 192: its LogPixels) when it is made;
# give each DPI a prefix of its own.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
prefix="$here/../build/wineprefix"
dpi=""
if [ "${1:-}" = "--prefix" ]; then prefix=$2; shift 2; fi
if [ "${1:-}" = "--dpi" ]; then dpi=$2; shift 2; fi
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# ALSA reads ~/.asoundrc: give Wine a home of its own whose default PCM is null.
export HOME="$prefix/home"
mkdir -p "$HOME"
[ -f "$HOME/.asoundrc" ] || printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  exec 9< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
  read -r _ xvfb_pid <&9
  read -r display <&9
  export DISPLAY=":$display"
fi

# Make the prefix once (and again when its settings below change); the lock
# keeps parallel tests from racing on it.
prefix_version=6
(
  flock 8
  if [ "$(cat "$prefix/.ready" 2>/dev/null)" != "$prefix_version${dpi:+ dpi $dpi}" ]; then
    [ -f "$prefix/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
    # Unmanaged windows: without a window manager, hiding a managed window
    # waits two seconds for a state change that never comes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    # Japanese text in Latin fonts falls back to IPA Gothic, as font linking
    # does on a Japanese Windows; the Japanese UI fonts map to their IPA likes.
    link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in "Liberation Serif" "Liberation Sans" "Tahoma" "Microsoft Sans Serif"; do
      wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1 || true
    done
    replace='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$replace" /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1 || true
    wine reg add "$replace" /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null 2>&1 || true
    wine reg add "$replace" /v 'MS UI Gothic' /d 'IPAPGothic' /f >/dev/null 2>&1 || true
    wine reg add "$replace" /v 'ＭＳ 明朝' /d 'IPAMincho' /f >/dev/null 2>&1 || true
    # The dial's standard face is Times New Roman: Liberation Serif has its metrics.
    wine reg add "$replace" /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1 || true
    # Wine draws the caption buttons with its symbol font Marlett, which this Wine finds
    # only in the prefix's Fonts folder (not in /usr/share/wine/fonts, where fonts-wine puts it).
    marlett=/usr/share/wine/fonts/marlett.ttf
    [ -f "$marlett" ] && cp -f "$marlett" "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    # A crash ends the process at once instead of waiting in the debugger.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1 || true
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 0 /f >/dev/null 2>&1 || true
    if [ -n "$dpi" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || true
    fi
    wineserver -w
    echo "$prefix_version${dpi:+ dpi $dpi}" > "$prefix/.ready"
  fi
) 8>"$prefix.lock"

set +e
wine "$@"
status=$?
set -e
exit $status
