# A virtual X server on a free display, for the passes that need a real
# display server (the offscreen platform never gives a popup the keyboard).
# Source this file, then:
#
#   if ! xvfb_start; then echo "skipped: $XVFB_ERROR"; exit 0; fi
#   ...                 # DISPLAY now names the server
#
# The server stops when the sourcing shell exits (xvfb_start sets an EXIT
# trap), or earlier with xvfb_stop.

XVFB_PID=""
XVFB_DIR=""
XVFB_ERROR=""

xvfb_stop()
{
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
    if [ -n "$XVFB_DIR" ]; then
        rm -rf "$XVFB_DIR"
        XVFB_DIR=""
    fi
}

# Starts Xvfb (screen size optional, default 1280x1024x24) and exports
# DISPLAY once the server accepts clients. Returns 1 with XVFB_ERROR set when
# it cannot start.
xvfb_start()
{
    local screen="${1:-1280x1024x24}"
    XVFB_ERROR=""
    if ! command -v Xvfb >/dev/null 2>&1; then
        XVFB_ERROR="Xvfb is not installed (Debian package xvfb)"
        return 1
    fi
    XVFB_DIR="$(mktemp -d)"
    mkfifo "$XVFB_DIR/displayfd"
    trap xvfb_stop EXIT
    # -displayfd lets Xvfb pick a free display number and write it once it
    # accepts clients: no guessing at numbers, no waiting for a socket.
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
        3>"$XVFB_DIR/displayfd" 2>"$XVFB_DIR/log" </dev/null &
    XVFB_PID=$!
    local number=""
    # A server that dies closes the pipe, so the read ends at once.
    if ! read -r -t 15 number <"$XVFB_DIR/displayfd" || ! [[ "$number" =~ ^[0-9]+$ ]]; then
        XVFB_ERROR="Xvfb did not start: $(tail -n 3 "$XVFB_DIR/log" 2>/dev/null | tr '\n' ' ')"
        xvfb_stop
        return 1
    fi
    export DISPLAY=":$number"
}
