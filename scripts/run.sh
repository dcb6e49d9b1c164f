#!/usr/bin/env bash
# The run command: installs what is missing, builds Fenu.exe and starts it under Wine in a
# folder that serves as its program folder (build/appdir). Without a display it starts a
# virtual one, waits for the program to come up, saves a screenshot, says what it shows and
# ends the program again; when the program does not come up, it says so and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh
scripts/build.sh win

appdir="$root/build/appdir"
mkdir -p "$appdir"
cp build/win/Fenu.exe "$appdir/"
rm -rf "$appdir/Hilfe"
cp -r build/win/Hilfe "$appdir/"

export WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "run: starting $appdir/Fenu.exe - its icon is in the notification area; \"Beenden\" in its menu ends it"
  cd "$appdir"
  exec wine Fenu.exe
fi

# No display: a virtual one on a free number (Xvfb picks it and writes it to a descriptor).
log="$root/build/run-wine.log"
shot="$root/build/run-screenshot.png"
rm -f "$shot"
: >"$log"
numberfile=$(mktemp)
exec {numberfd}>"$numberfile"
Xvfb -displayfd "$numberfd" -screen 0 1280x1024x24 -noreset -nolisten tcp >"$root/build/run-xvfb.log" 2>&1 &
xvfb=$!
exec {numberfd}>&-
fenu=""
cleanup() {
  [ -z "$fenu" ] || wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$numberfile"
}
trap cleanup EXIT

fail() {
  echo "run: FAILED: $1" >&2
  if [ -s "$log" ]; then
    echo "run: the last lines of Wine's output ($log):" >&2
    tail -n 20 "$log" | sed 's/^/run:   /' >&2
  fi
  exit 1
}

for _ in $(seq 100); do [ -s "$numberfile" ] && break; sleep 0.1; done
[ -s "$numberfile" ] || fail "the virtual display (Xvfb) did not start; see build/run-xvfb.log"
export DISPLAY=":$(head -n 1 "$numberfile")"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "the virtual display $DISPLAY does not answer"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "run: preparing the Wine prefix $WINEPREFIX (once, about 15 s)"
  wineboot -i >>"$log" 2>&1 || fail "wineboot could not prepare the Wine prefix $WINEPREFIX"
fi

(cd "$appdir" && exec wine Fenu.exe >>"$log" 2>&1) &
fenu=$!

visible() { xdotool search --onlyvisible "$@" >/dev/null 2>&1; }
# The program is up once its tray icon is there (Wine shows it in a small window of its own).
# The first-start window "Wichtige Info" (title "quenlia:Fenu") follows unless fenu.ini has
# switched it off; give it a moment more before deciding it is not coming.
tray=0 first=0
for _ in $(seq 300); do
  visible --name "^Wine System Tray$" && tray=1
  visible --name '^quenlia:Fenu$' && first=1
  ((tray && first)) && break
  kill -0 "$fenu" 2>/dev/null || break
  sleep 0.1
done
if ((tray && !first)); then
  for _ in $(seq 30); do visible --name '^quenlia:Fenu$' && { first=1; break; }; sleep 0.1; done
fi

if ! kill -0 "$fenu" 2>/dev/null; then
  wait "$fenu" && status=0 || status=$?
  fail "Fenu.exe ended at once (exit status $status) instead of staying in the notification area"
fi
((tray || first)) || fail "Fenu.exe is running, but neither its tray icon nor a window appeared within 30 s"

sleep 0.5  # let the window finish painting before the picture
import -window root "$shot" || fail "could not take the screenshot $shot"
echo "run: no display here, so Fenu.exe ran on the virtual display $DISPLAY."
echo "run: a screenshot of what it showed is in $shot:"
((tray)) && echo "run:   top left, Wine's tray window with the program's notification-area icon"
if ((first)); then
  echo "run:   in the middle, the first-start window \"Wichtige Info\""
else
  echo "run:   no first-start window: it is switched off in $appdir/fenu.ini ([Main] Taskbar)"
fi
echo "run: the program has been ended again. Start it on a desktop (DISPLAY set) to use it."
