#!/usr/bin/env bash
# Takes the README's screenshot and every picture of the user guide in one run: the window
# against the simulated receiver, in English, on a virtual X display (Xvfb), driven through the
# accessibility bus by scripts/guide_shots.py. Run it again whenever the window changes.
#   scripts/screenshot.sh [OUT_FOLDER]     (default docs: docs/screenshot.png, docs/images/*.png)
# Installs what is missing on Debian 12 first. BUILD_DIR overrides the build folder (build).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" == --on-display ]]; then
  # The part that runs inside xvfb-run and a session bus: $2 the programs' folder, $3 the folder
  # the pictures go to.
  bin=$2 out=$3
  scratch=$(mktemp -d)
  bus_pid="" sim_pid="" app_pid=""
  cleanup() {
    local pid
    for pid in $app_pid $sim_pid $bus_pid; do
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
  }
  trap cleanup EXIT
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus_pid=$!

  "$bin/qbr36-sim" >"$scratch/sim.out" &
  sim_pid=$!
  device=""
  for _ in $(seq 100); do
    device=$(head -n 1 "$scratch/sim.out" 2>/dev/null || true)
    [[ -n "$device" ]] && break
    sleep 0.1
  done
  [[ -n "$device" ]] || { echo "the simulated receiver printed no device" >&2; exit 1; }

  # The pictures are of the English window, whatever the machine's language; the backups go
  # to the scratch folder.
  LC_ALL=C LANGUAGE= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QBR36_COM1="$device" \
    QBR36_SETTINGS="$scratch/QB-R36w.ini" XDG_DATA_HOME="$scratch/data" "$bin/qbr36" &
  app_pid=$!
  /usr/bin/python3 scripts/guide_shots.py "$out"
  exit 0
fi

out=${1:-docs}
scripts/install-deps.sh xvfb xauth xdotool imagemagick pngquant at-spi2-core dbus-x11 \
  python3-pyatspi
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DR36_SANITIZE=OFF >/dev/null
cmake --build "$build" --target qbr36 qbr36-sim qbr36-guide -j 2
# -br: a black screen, so a picture of menus can be cut to the windows on it.
xvfb-run -a -s '-screen 0 1600x1000x24 -br' dbus-run-session -- "$0" --on-display "$build/bin" "$out"
