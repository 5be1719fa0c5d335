#!/usr/bin/env bash
# Builds the program (Release) and starts its window.
#   ./run.sh          the window; the Port menu reaches the machine's serial ports
#   ./run.sh --demo   also starts a simulated receiver on a pseudo-terminal and points COM1 at
#                     it, so Read all and Write all work without a radio
# Installs what is missing on Debian 12 first. BUILD_DIR overrides the build folder (build).
set -euo pipefail
cd "$(dirname "$0")"

demo=0
case "${1:-}" in
  --demo) demo=1 ;;
  "") ;;
  *) echo "usage: $0 [--demo]" >&2; exit 2 ;;
esac

scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DR36_SANITIZE=OFF >/dev/null
cmake --build "$build" --target qbr36 qbr36-sim -j "$(nproc)"

if ((demo == 0)); then
  exec "$build/bin/qbr36"
fi

# The simulator prints the pseudo-terminal it serves on its first line; it is paced like a
# real cable at 115200 baud so the progress display can be followed.
sim_out=$(mktemp)
"$build/bin/qbr36-sim" --baud 115200 >"$sim_out" &
sim_pid=$!
stop_sim() {
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  rm -f "$sim_out"
}
trap stop_sim EXIT

device=""
for _ in $(seq 100); do
  device=$(head -n 1 "$sim_out" 2>/dev/null || true)
  [[ -n "$device" ]] && break
  kill -0 "$sim_pid" 2>/dev/null || { echo "the simulated receiver did not start" >&2; exit 1; }
  sleep 0.1
done
if [[ -z "$device" ]]; then
  echo "the simulated receiver printed no device" >&2
  exit 1
fi
echo "Simulated receiver on $device (COM1)"
QBR36_COM1="$device" "$build/bin/qbr36"
