#!/usr/bin/env bash
# Takes the README's screenshot: the main window after Comm > Read all against the simulated
# receiver, on a virtual X display, so it can be taken again whenever the window changes.
#   scripts/screenshot.sh [OUT.png]     (default docs/screenshot.png)
# Installs what is missing on Debian 12 first. BUILD_DIR overrides the build folder (build).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" == --on-display ]]; then
  # The part that runs inside xvfb-run: $2 the programs' folder, $3 the picture.
  bin=$2 out=$3
  scratch=$(mktemp -d)
  sim_pid="" app_pid=""
  cleanup() {
    local pid
    for pid in $app_pid $sim_pid; do
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
  }
  trap cleanup EXIT
  # Waits up to 60 s for a window whose title matches $1 and prints its id.
  window() {
    local id=""
    for _ in $(seq 600); do
      id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [[ -n "$id" ]] &&
        { echo "$id"; return 0; }
      sleep 0.1
    done
    echo "no window '$1' appeared" >&2
    return 1
  }

  "$bin/qbr36-sim" >"$scratch/sim.out" &
  sim_pid=$!
  device=""
  for _ in $(seq 100); do
    device=$(head -n 1 "$scratch/sim.out" 2>/dev/null || true)
    [[ -n "$device" ]] && break
    sleep 0.1
  done
  [[ -n "$device" ]] || { echo "the simulated receiver printed no device" >&2; exit 1; }

  # The README's picture is of the English window, whatever the machine's language.
  LC_ALL=C LANGUAGE= QBR36_COM1="$device" QBR36_SETTINGS="$scratch/QB-R36w.ini" "$bin/qbr36" &
  app_pid=$!
  main=$(window '^QB-R36 Clone Utility v')
  # No window manager runs here: focus the window directly, then use its Comm menu.
  xdotool windowfocus --sync "$main"
  xdotool key alt+c
  sleep 0.5
  xdotool key r
  complete=$(window '^Complete$')
  xdotool windowfocus --sync "$complete" key Return
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Complete$' >/dev/null 2>&1 || break
    sleep 0.1
  done
  sleep 0.5 # the window repaints once the box has gone
  mkdir -p "$(dirname "$out")"
  import -window "$main" "$scratch/shot.png"
  # A small picture for the repository: no metadata, 256 colours.
  if command -v pngquant >/dev/null; then
    pngquant --force --strip --output "$out" 256 "$scratch/shot.png"
  else
    convert "$scratch/shot.png" -strip "$out"
  fi
  echo "Wrote $out"
  exit 0
fi

out=${1:-docs/screenshot.png}
scripts/install-deps.sh xvfb xauth xdotool imagemagick pngquant
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DR36_SANITIZE=OFF >/dev/null
cmake --build "$build" --target qbr36 qbr36-sim -j "$(nproc)"
xvfb-run -a -s '-screen 0 1600x1000x24' "$0" --on-display "$build/bin" "$out"
