#!/usr/bin/env bash
# Starts the real program in a window under Xvfb, puts it in each state below and prints the
# share of one core it uses there, then the time from start to its first shown frame.
#
#   bench/window_cpu.sh [BUILD_DIR] [SECONDS]      (defaults: build, 10; BUILD_DIR from the
#                                                   repository's root)
#
# The CPU share is the program's own CPU time (user + system, all its threads, from
# /proc/PID/stat) over SECONDS of wall time, so other work on the machine barely moves it.
# Each state is measured twice; the smaller figure is printed (a busy machine only adds).
# Needs xvfb-run and xdotool (scripts/setup.sh installs both).
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."
build=${1:-build}
seconds=${2:-10}
program=$(realpath "$build/kidplay")

if [ "${KIDPLAY_BENCH_INNER:-}" != 1 ]; then
  for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "window_cpu.sh needs $tool" >&2; exit 1; }
  done
  printf '%-52s %s\n' "state" "CPU of one core"
  # -a picks a free display, so runs beside other programs' displays never collide.
  KIDPLAY_BENCH_INNER=1 KIDPLAY_BENCH_MODE=window \
    xvfb-run -a -s "-screen 0 1024x768x24" "$self" "$build" "$seconds"
  KIDPLAY_BENCH_INNER=1 KIDPLAY_BENCH_MODE=fullscreen \
    xvfb-run -a -s "-screen 0 1920x1080x24" "$self" "$build" "$seconds"
  exit 0
fi

ticks=$(getconf CLK_TCK)
work=$(mktemp -d)
pid=""
finish() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap finish EXIT

# Starts the program with private settings and lock folders; prints nothing.
start() {
  mkdir -p "$work/run" "$work/config"
  chmod 700 "$work/run"
  XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
    "$program" "$@" --report-startup >"$work/out" 2>"$work/err" &
  pid=$!
}

stop() {
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

cpu_ticks() {
  # Fields 14 and 15 (user and system time); the name in field 2 may hold blanks.
  sed 's/^.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}'
}

# The CPU share of one core over $seconds, in per cent with one decimal.
cpu_share() {
  local before after t0 t1
  before=$(cpu_ticks)
  t0=$(date +%s%N)
  sleep "$seconds"
  after=$(cpu_ticks)
  t1=$(date +%s%N)
  awk -v c=$((after - before)) -v hz="$ticks" -v ns=$((t1 - t0)) \
    'BEGIN { printf "%.1f", 100 * c / hz / (ns / 1e9) }'
}

best_of_two() {
  local a b
  a=$(cpu_share)
  b=$(cpu_share)
  awk -v a="$a" -v b="$b" 'BEGIN { printf "%.1f %%  (runs: %s, %s)", (a < b ? a : b), a, b }'
}

report() { printf '%-52s %s\n' "$1" "$2"; }

window_id() {
  for _ in $(seq 100); do
    if id=$(xdotool search --name '^Kidplay$' 2>/dev/null | head -1) && [ -n "$id" ]; then
      echo "$id"
      return
    fi
    sleep 0.1
  done
  echo "the program's window did not appear" >&2
  exit 1
}

# Canvas pixels to window pixels: the canvas is scaled and centred in the window.
click_canvas() {
  local wid=$1 x=$2 y=$3
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  local scale
  scale=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { s = w / 800; if (h / 600 < s) s = h / 600; print s }')
  local px py
  px=$(awk -v s="$scale" -v w="$WIDTH" -v x="$x" 'BEGIN { printf "%d", (w - 800 * s) / 2 + x * s }')
  py=$(awk -v s="$scale" -v h="$HEIGHT" -v y="$y" 'BEGIN { printf "%d", (h - 600 * s) / 2 + y * s }')
  xdotool mousemove --window "$wid" "$px" "$py" click 1
}

# Sweeps the pointer to and fro over window $1 for about $2 seconds, a move every 5 ms.
sweep_pointer() {
  local wid=$1 steps=$(($2 * 200)) args=() i x
  for ((i = 0; i < steps; i++)); do
    x=$((100 + (i % 100) * 4))
    args+=(mousemove --window "$wid" "$x" $((200 + (i % 50) * 2)) sleep 0.005)
  done
  xdotool "${args[@]}"
}

startup_ms() {
  for _ in $(seq 100); do
    if line=$(grep -m1 'first frame' "$work/out" 2>/dev/null) && [ -n "$line" ]; then
      echo "$line" | sed 's/^startup: first frame //'
      return
    fi
    sleep 0.1
  done
  echo "(no report)"
}

if [ "$KIDPLAY_BENCH_MODE" = window ]; then
  start --windowed
  wid=$(window_id)
  first=$(startup_ms)
  sleep 10  # the logo has come and gone
  report "menu idle after the logo, 1024 x 768 window" "$(best_of_two)"
  click_canvas "$wid" 400 325  # Maze
  sleep 2
  report "Maze idle, window" "$(best_of_two)"
  click_canvas "$wid" 700 562  # its stop button
  sleep 1
  click_canvas "$wid" 150 325  # Dots
  sleep 2
  report "Dots idle, window" "$(best_of_two)"
  sweep_pointer "$wid" $((2 * seconds + 4)) &
  sweeper=$!
  sleep 1
  report "Dots, pointer moving without a drag, window" "$(best_of_two)"
  wait "$sweeper" || true
  stop
  # Two more starts for the start-up time.
  times="$first"
  for _ in 1 2; do
    start --windowed
    times="$times, $(startup_ms)"
    stop
  done
  report "start to first shown frame, window" "$times"
  echo "  (wall time by the program's clock; its CPU time so far in brackets)"
else
  start
  window_id >/dev/null
  sleep 10
  report "menu idle after the logo, full screen 1920 x 1080" "$(best_of_two)"
  stop
fi
