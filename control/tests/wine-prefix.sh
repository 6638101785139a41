#!/usr/bin/env bash
# Makes a fresh Wine prefix with the null display driver (no X server needed) and leaves
# its wineserver running detached, so the tests neither wait for it nor share a pipe with it.
#   wine-prefix.sh create PREFIX | wine-prefix.sh stop PREFIX
set -euo pipefail
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

wineserver -k </dev/null >/dev/null 2>&1 || true
[ "$action" = stop ] && exit 0

rm -rf "$WINEPREFIX"
wineboot --init </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
# The display driver is read when Wine's desktop process starts: restart the session.
wineserver -w
# Persists a minute past the last Wine process, so an interrupted run leaves nothing behind.
setsid wineserver -p60 </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
