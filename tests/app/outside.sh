# Shared by the tests that use the built program from outside, as a family does: a
# virtual screen under a window manager, the program started as a user, and what reaches
# the test sound server's speakers. Sourced; needs $tmp (a folder of the test's own).
#   outside_needs TOOL...     skips the test (status 77) when a tool or the server is missing
#   outside_screen WxH        Xvfb with openbox on it; sets $display
#   outside_start DIR ENV... PROGRAM ARGS...   starts it in DIR; waits for its window
#   outside_stop              ends it
#   x ARGS...                 xdotool on the screen
#   listen COMMAND...         what is heard while the command runs, into $tmp/heard.raw
#   heard_at FILE.wav         where in it the file's sound was heard (bytes), or -1
outside_pids=()
outside_cleanup() {
  for p in "${outside_pids[@]}"; do kill "$p" 2>/dev/null; done
}
trap 'outside_cleanup; rm -rf "$tmp"' EXIT

outside_needs() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  [ -n "${PULSE_SERVER:-}" ] || { echo "skipped: no test sound server"; exit 77; }
}

outside_screen() {
  # Xvfb chooses a free display and names it once it takes clients.
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
  outside_pids+=($!)
  for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
  done
  display=:$(head -n1 "$tmp/display")
  DISPLAY=$display openbox >/dev/null 2>&1 &
  outside_pids+=($!)
  sleep 1
  mkdir -p "$tmp/runtime"
  chmod 700 "$tmp/runtime"
}

x() { DISPLAY=$display xdotool "$@"; }

zorbla_pid=
outside_start() {
  local dir=$1
  shift
  : >"$tmp/stderr"
  (cd "$dir" && exec env -i PATH="$PATH" LANG=C.UTF-8 DISPLAY="$display" XDG_RUNTIME_DIR="$tmp/runtime" \
    PULSE_SERVER="$PULSE_SERVER" "$@" 2>>"$tmp/stderr") &
  zorbla_pid=$!
  for _ in $(seq 60); do
    grep -q "working folder" "$tmp/stderr" && break
    sleep 0.25
  done
  sleep 2  # the window shows and takes the keyboard
}

outside_stop() {
  kill "$zorbla_pid" 2>/dev/null
  wait "$zorbla_pid" 2>/dev/null
}

listen() {
  parec -d speaker.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=20 >"$tmp/heard.raw" &
  local listener=$!
  sleep 0.5
  "$@"
  sleep 2
  kill "$listener"
  wait "$listener" 2>/dev/null
}

heard_at() {
  python3 - "$1" "$tmp/heard.raw" <<'PY'
import sys, wave
w = wave.open(sys.argv[1])
samples = w.readframes(w.getnframes())
middle = samples[len(samples) // 4 * 2:][:800]
print(open(sys.argv[2], 'rb').read().find(middle) if middle else -1)
PY
}
