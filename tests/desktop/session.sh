# A desktop session for the tests that need a real X server and window
# manager: Xvfb on the first free display, openbox on it, a scratch folder
# ($work) that programs started by start_program use as their home. Sourced;
# everything started is stopped when the script exits.
screen_width=1280 screen_height=1024

for display in $(seq 90 99); do
    [ -e "/tmp/.X11-unix/X$display" ] || break
done
export DISPLAY=:$display
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# Starts a program with its arguments in the session; its pid in program_pid.
start_program() {
    (cd "$work" && HOME=$work XDG_RUNTIME_DIR=$work exec "$@") >>"$work/program.log" 2>&1 &
    pids+=($!)
    program_pid=$!
}

# The id of the visible window whose name matches, waiting for it to appear.
window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named $1; the visible windows:" >&2
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        xdotool getwindowname "$id" 2>/dev/null | sed 's/^/  /' >&2 || true
    done
    cat "$work/program.log" >&2
    return 1
}
