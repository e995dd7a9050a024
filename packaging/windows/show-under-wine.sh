#!/bin/bash
# Shows the Windows build as a user sees it: the zip's editor under Wine on a
# virtual X display with openbox, driven with xdotool, a screenshot of each
# step written to OUTDIR to be looked at.
#
#   packaging/windows/show-under-wine.sh build-windows/torvane-edit-*-win64.zip OUTDIR
#
# Steps: the frame with a document, the find dialog, the about box, the quit
# window; the recent list after a restart (and the registry key it lives in);
# a second start handing its file over the pipe; typed text recovered after
# the editor was killed. Needs xvfb, openbox, xdotool, imagemagick and wine.
# The Wine prefix is OUTDIR/wineprefix, made on first use; DISPLAY :77.
set -u
ZIP=$(realpath "$1")
OUT=$(realpath -m "$2")
mkdir -p "$OUT"
export DISPLAY=:77 WINEPREFIX=$OUT/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
TITLE='Torv-Edit'  # a part of the frame's caption that no other window has
LOG=$OUT/editor.log

pkill -f 'Xvfb :77' 2>/dev/null; sleep 0.5
Xvfb :77 -screen 0 1280x900x24 >/dev/null 2>&1 &
XVFB=$!
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
trap 'wineserver -k 2>/dev/null; kill $XVFB 2>/dev/null' EXIT
[ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1; wineserver -w; }
wineserver -p

APP=$OUT/app
rm -rf "$APP"; mkdir -p "$APP"; (cd "$APP" && unzip -q "$ZIP")
APP=$(ls -d "$APP"/*/)
C=$WINEPREFIX/drive_c
mkdir -p "$C/mods"
# Each showing starts as a first run: no settings, no recovery copies.
wine reg delete 'HKCU\Software\Torvane Edit' /f >/dev/null 2>&1
rm -rf "$C/users/$USER/AppData/Local/Torvane Edit" "$C/users/root/AppData/Local/Torvane Edit"
printf 'symbols\r\nmessage startup\r\nend\r\n\r\ncode\r\nstartup:\r\n  Print("door");\r\n  Return;\r\nend\r\n' > "$C/mods/door.cog"
printf 'second file\r\n' > "$C/mods/Other.Cog"

shot() { sleep "${2:-2}"; import -window root "$OUT/$1.png"; echo "shot $OUT/$1.png"; }
key() { xdotool key --delay 150 "$@"; sleep 0.7; }
waitwin() {
  for _ in $(seq 90); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0; sleep 1; done
  echo "no window named $1"; return 1
}
start() { (cd "$APP" && wine torvane-edit.exe "$@" >>"$LOG" 2>&1 &); }
focus() {
  xdotool search --onlyvisible --name "$TITLE" | head -1 | xargs -r xdotool windowactivate --sync 2>/dev/null
  sleep 0.5
}
running() { pgrep -f "^[A-Z]:.*torvane-edit.exe" | wc -l; }  # the Windows processes only

echo "== the frame with a document"
start 'C:\mods\door.cog'
waitwin "$TITLE"; sleep 6; focus
shot 01-frame

echo "== the find dialog (Tools > Search > Find Code)"
key alt+t Right Return
shot 02-find
key Escape

echo "== the about box (Tools > About)"
focus; key alt+t Up Return
shot 03-about
key Escape

echo "== the quit window (File > Exit)"
focus; key alt+f Down Down Down Down Down Return
shot 04-quit 1
key Return  # its Quit button
for _ in $(seq 30); do [ "$(running)" = 0 ] && break; sleep 1; done
echo "editors running after the quit: $(running)"
wine reg query 'HKCU\Software\Torvane Edit' /s 2>/dev/null | tr -d '\r'

echo "== after a restart: the recent list"
start
waitwin "$TITLE"; sleep 6; focus
key alt+f
shot 05-recent-after-restart
key Escape

echo "== a second start hands its file over the pipe"
t0=$(date +%s.%N)
(cd "$APP" && wine torvane-edit.exe 'C:\mods\Other.Cog'; echo "second start: exit status $?")
echo "second start took $(echo "$(date +%s.%N) - $t0" | bc) s; editors running: $(running)"
shot 06-handed-over 3

echo "== typing, then the editor killed"
focus; xdotool type --delay 60 'typed before the crash'; sleep 4
shot 07-typed
pkill -9 -f torvane-edit.exe; sleep 2
find "$C/users" -path '*Torvane Edit/recovery*' 2>/dev/null
start
waitwin "$TITLE"; sleep 8
shot 08-recovery-question
key Return
shot 09-recovered 3
pkill -9 -f torvane-edit.exe
echo "done: look at $OUT/*.png"
