#!/bin/sh
# Runs a Windows program under Wine, in a prefix kept inside the build tree
# (TAOCI_WINEPREFIX, else build/wineprefix beside this project), so nothing
# outside the project is touched. The prefix is made on first use; a lock
# keeps two tests that start at once from making it twice.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
prefix=${TAOCI_WINEPREFIX:-$here/build/wineprefix}
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono or Gecko: the program needs neither, and their installers would ask.
export WINEDLLOVERRIDES="mscoree=;mshtml="
mkdir -p "$(dirname "$prefix")"
if [ ! -f "$prefix/.taoci-ready-2" ]; then
  (
    flock 9
    if [ ! -f "$prefix/.taoci-ready-2" ]; then
      wineboot -i >/dev/null 2>&1 || true
      # Link a CJK font behind the Western UI faces, so that Chinese text
      # shows on a Wine of any locale, as it does on Windows.
      link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
      for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI" "Arial" "Times New Roman"; do
        wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null 2>&1 || true
      done
      # Under Xvfb there is no window manager: Wine draws the frames and
      # title bars itself, as Windows does.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
      wineserver -w
      touch "$prefix/.taoci-ready-2"
    fi
  ) 9>"$prefix.lock"
fi
exec wine "$@"
