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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$demo" "$work/rules.txt"
# Saving keeps the replaced file among the user's data: a scratch folder here.
export XDG_DATA_HOME="$work/data"
printf 'editor settings\r\nENGLISH\r\nNO WARNING\r\n' > "$work/YARV.INI"
"$render" "$work/rules.txt" 0 "$work/expected.txt"
inode_before=$(stat -c %i "$work/rules.txt")

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
editor=$1 helpers=$2
cd "$(dirname "$0")"
. "$helpers"
start_editor_window "$editor" || exit 75
click_in_editor 500 10           # Save Changes
sleep 0.5
click_in_editor 584 10           # Quit
# The question may take a while on a loaded machine: wait for its box.
for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 0.2
xdotool key Return               # "Yes" is the default
for _ in $(seq 1 50); do
    kill -0 "$EDITOR_PID" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$EDITOR_PID" 2>/dev/null; then echo "editor did not quit"; kill "$EDITOR_PID"; exit 1; fi
wait "$EDITOR_PID"
DRIVE
chmod +x "$work/drive.sh"
helpers="$(cd "$(dirname "$0")/../../scripts/lib" && pwd)/editor-window.sh"
. "$helpers"
run_on_own_display "$work/drive.sh" "$editor" "$helpers"

if ! cmp -s "$work/rules.txt" "$work/expected.txt"; then
    echo "FAIL: the saved file differs from the core's rendering"
    cmp "$work/rules.txt" "$work/expected.txt" || true
    exit 1
fi
# Nothing was edited and the demo already has CR LF breaks: the save finds
# the file holding its bytes and leaves it alone, keeping no version.
if [ "$(stat -c %i "$work/rules.txt")" != "$inode_before" ]; then
    echo "FAIL: a save that changes nothing rewrote the file"
    exit 1
fi
if ! cmp -s "$work/rules.txt" "$demo"; then
    echo "FAIL: saving without edits changed the file"
    exit 1
fi
if [ -n "$(find "$work/data" -type f -path '*/versions/*' 2>/dev/null)" ]; then
    echo "FAIL: a save that wrote nothing kept a version"
    exit 1
fi
echo "saved file matches the core's rendering; nothing was rewritten or kept"
