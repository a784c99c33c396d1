#!/usr/bin/env bash
# End to end, as a user would: start the built editor in a scratch folder on a
# real X server, click "Save Changes", quit through the message box, and check
# the file on disk against what the core renders.
# Usage: save_and_quit.sh <editor> <render_rules> <demo rules.txt>
set -euo pipefail
editor=$1 render=$2 demo=$3

for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# The GUI tests run offscreen; this one needs the real X server.
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$demo" "$work/rules.txt"
printf 'editor settings\r\nENGLISH\r\nNO WARNING\r\n' > "$work/YARV.INI"
"$render" "$work/rules.txt" 0 "$work/expected.txt"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
editor=$1
cd "$(dirname "$0")"
"$editor" &
pid=$!
wid=""
for _ in $(seq 1 100); do
    wid=$(xdotool search --onlyvisible --name '^Ovantra Rules File Editor 1.01$' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
done
[ -n "$wid" ] || { echo "editor window did not appear"; kill $pid; exit 1; }
# With no window manager the window is activated only when it takes the focus;
# the first activation reads the rules file.
xdotool windowfocus --sync "$wid"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove --sync $((X + 500)) $((Y + 10)) click 1   # Save Changes
sleep 0.5
xdotool mousemove --sync $((X + 584)) $((Y + 10)) click 1   # Quit
sleep 0.7
xdotool key Return                                           # "Yes" is the default
for _ in $(seq 1 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then echo "editor did not quit"; kill $pid; exit 1; fi
wait $pid
DRIVE
chmod +x "$work/drive.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/drive.sh" "$editor"

if ! cmp -s "$work/rules.txt" "$work/expected.txt"; then
    echo "FAIL: the saved file differs from the core's rendering"
    cmp "$work/rules.txt" "$work/expected.txt" || true
    exit 1
fi
if cmp -s "$work/rules.txt" "$demo"; then
    echo "FAIL: the file was not rewritten (demo is not in the editor's own spacing)"
    exit 1
fi
echo "saved file matches the core's rendering"
