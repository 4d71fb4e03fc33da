#!/usr/bin/env bash
# Fails when a Windows program imports any DLL beyond the system's own: the
# program must be one file that runs on a bare Windows.
#   check-imports.sh PROGRAM.exe
set -euo pipefail
allowed='^(KERNEL32|USER32|GDI32|SHELL32|WININET|COMCTL32|ADVAPI32|MSIMG32|msvcrt|WS2_32|ole32|OLEAUT32|SHLWAPI|bcrypt|api-ms-win-.*)\.dll$'
imports=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p')
[ -n "$imports" ] || { echo "no imports found in $1" >&2; exit 1; }
status=0
while read -r dll; do
  if [[ "$dll" =~ $allowed ]]; then
    echo "system: $dll"
  else
    echo "NOT A SYSTEM DLL: $dll" >&2
    status=1
  fi
done <<<"$imports"
exit $status
