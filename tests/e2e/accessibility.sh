#!/usr/bin/env bash
# A screen reader's view of the editor: the real program on a real X server
# with the desktop's accessibility bus, driven over that bus alone (see
# accessibility_walk.py), then the saved file checked.
# Usage: accessibility.sh <editor> <demo rules.txt>
set -euo pipefail
editor=$1 demo=$2

python=/usr/bin/python3  # the system's, which has the bus's bindings
launcher=/usr/libexec/at-spi-bus-launcher
for tool in xvfb-run xdotool dbus-run-session "$launcher"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$demo" "$work/rules.txt"
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
printf 'editor settings\r\nENGLISH\r\nNO WARNING\r\n' > "$work/YARV.INI"
here=$(cd "$(dirname "$0")" && pwd)

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
editor=$1 helpers=$2 walker=$3 python=$4 launcher=$5
cd "$(dirname "$0")"
. "$helpers"
"$launcher" --launch-immediately &
launcher_pid=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
start_editor_window "$editor" || { kill "$launcher_pid"; exit 75; }
export EDITOR_WINDOW
status=0
timeout 90 "$python" "$walker" "$PWD/rules.txt" || status=$?
kill "$EDITOR_PID" "$launcher_pid" 2>/dev/null || true
exit "$status"
DRIVE
chmod +x "$work/drive.sh"
# The bus and the X display are this run's own, so runs at once cannot meet.
helpers="$here/../../scripts/lib/editor-window.sh"
. "$helpers"
run_on_own_display dbus-run-session -- \
    "$work/drive.sh" "$editor" "$helpers" \
    "$here/accessibility_walk.py" "$python" "$launcher" 2> >(grep -v -e 'dbus-daemon' -e 'SpiRegistry' >&2)
