# Shell helpers for driving the editor under an X server with xdotool.
# Source this file; it defines functions only.

# Starts the editor in the current folder on the real X server, waits for its
# main window and gives it the focus. With no window manager a window is
# activated only when it takes the focus, and the first activation is what
# reads the rules file. Sets EDITOR_PID and EDITOR_WINDOW.
start_editor_window() {
  QT_QPA_PLATFORM=xcb "$1" &
  EDITOR_PID=$!
  EDITOR_WINDOW=""
  for _ in $(seq 1 100); do
    EDITOR_WINDOW=$(xdotool search --onlyvisible --name '^Ovantra Rules File Editor 1.01$' 2>/dev/null | head -1 || true)
    [ -n "$EDITOR_WINDOW" ] && break
    sleep 0.1
  done
  if [ -z "$EDITOR_WINDOW" ]; then
    echo "the editor window did not appear" >&2
    kill "$EDITOR_PID" 2>/dev/null || true
    return 1
  fi
  xdotool windowfocus --sync "$EDITOR_WINDOW"
  sleep 1
}

# Clicks at a point given relative to the editor window's designed client
# area, which lies below the menu bar: the window is that area (548 pixels
# high) plus the bar.
click_in_editor() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$EDITOR_WINDOW")"
  xdotool mousemove --sync $((X + $1)) $((Y + HEIGHT - 548 + $2)) click 1
}

# Runs "$@" under a virtual X server of its own, trying again on another
# display when the editor's window never appeared there (the command exits
# 75 for that): xvfb-run -a takes the first free display from its start
# number, and two servers started at once can still meet on one.
run_on_own_display() {
  local attempt status
  for attempt in 1 2 3; do
    status=0
    xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$@" || status=$?
    [ "$status" -ne 75 ] && return "$status"
    echo "no editor window on that display (attempt $attempt); trying another" >&2
  done
  return 75
}
