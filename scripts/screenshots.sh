#!/usr/bin/env bash
# Makes every picture the README and the manual show, into docs/images/, from
# the demo files on a virtual X display: run it again after a change that
# shows. The pictures are 8-bit palette PNGs, to keep the repository small.
#   bash scripts/screenshots.sh [BUILD_DIR]     (default: build/release)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
if [ "${SCREENSHOTS_INSIDE_X:-}" != 1 ]; then
  if [ ! -x "$build/app/ovantra-rules-editor" ]; then
    bash "$root/scripts/install-deps.sh"
    cmake --preset release >/dev/null
    cmake --build --preset release --target ovantra-rules-editor ovantra-rules
  fi
  SCREENSHOTS_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build"
fi

images="$root/docs/images"
mkdir -p "$images"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/ovantra-shots.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cp "$root"/examples/rules.txt "$scratch"/
# A settings file skips the warning and the language question; versions and
# settings stay in the scratch folder.
printf 'Settings for the pictures\r\nENGLISH\r\nNO WARNING\r\n' > "$scratch/YARV.INI"
export HOME="$scratch" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config"
# One kept version for Earlier Versions, and a friend's copy to compare with.
cp "$scratch/rules.txt" "$scratch/friend.txt"
"$build/app/ovantra-rules" set "$scratch/friend.txt" unit Mossrider attack=4 defense=2 >/dev/null
"$build/app/ovantra-rules" set "$scratch/rules.txt" unit "Road Builder" attack=1 >/dev/null
# Two mistakes, for the Check page and the marks of the Source page: an
# advance that names no advance, an attack out of range.
sed -i -e 's/^Bog Smelting,     3,  1, Htl, Asg/Bog Smelting,     3,  1, Htl, Oth/' \
       -e 's/^Ember Guard,     no,  0,  1.,0,   2a/Ember Guard,     no,  0,  1.,0, 133a/' "$scratch/rules.txt"
cd "$scratch"
. "$root/scripts/lib/editor-window.sh"

# The picture of one window, as 256 colours.
shoot() {  # WINDOW NAME
  local X Y WIDTH HEIGHT SCREEN WINDOW
  sleep 0.7
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$scratch/shot.png"
  convert "$scratch/shot.png" -colors 256 PNG8:"$images/$2.png"
  echo "screenshots: docs/images/$2.png"
}
key() { xdotool key --window "$EDITOR_WINDOW" --clearmodifiers "$@"; sleep 0.5; }
# The newest visible window whose title matches, once it shows.
window_named() {
  local found=""
  for _ in $(seq 1 50); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
    [ -n "$found" ] && break
    sleep 0.1
  done
  echo "$found"
}

start_editor_window "$build/app/ovantra-rules-editor"
key ctrl+2; shoot "$EDITOR_WINDOW" main-window
key ctrl+1; shoot "$EDITOR_WINDOW" cosmic
key ctrl+2; shoot "$EDITOR_WINDOW" units
key ctrl+3; shoot "$EDITOR_WINDOW" advances
key ctrl+5; shoot "$EDITOR_WINDOW" check
key ctrl+6; shoot "$EDITOR_WINDOW" tree
key ctrl+7; shoot "$EDITOR_WINDOW" table
key ctrl+8; shoot "$EDITOR_WINDOW" source

# Help > Manual on the Units chapter.
key ctrl+2; key F1
manual=$(window_named '^Manual')
xdotool windowsize "$manual" 960 700; shoot "$manual" manual
xdotool windowunmap "$manual" 2>/dev/null || true
xdotool windowfocus --sync "$EDITOR_WINDOW"; sleep 0.3

# Help > Keyboard Shortcuts.
key alt+h; key k
shortcuts=$(window_named '^Ovantra Rules File Editor$')
shoot "$shortcuts" shortcuts
xdotool key Return; sleep 0.3

# File > Earlier Versions..., the version the set above kept selected.
xdotool windowfocus --sync "$EDITOR_WINDOW"
key alt+f; key e
versions=$(window_named 'Earlier Versions')
xdotool key Down; shoot "$versions" versions
xdotool key Escape; sleep 0.3

# File > Compare With... the friend's copy, the differences beside the window.
xdotool windowfocus --sync "$EDITOR_WINDOW"
key alt+f; key c
window_named 'Compare' >/dev/null
xdotool type --delay 20 "$scratch/friend.txt"; xdotool key Return; sleep 1
compare=$(window_named 'friend.txt')
[ -n "$compare" ] && shoot "$compare" compare
kill "$EDITOR_PID" 2>/dev/null || true
wait "$EDITOR_PID" 2>/dev/null || true
