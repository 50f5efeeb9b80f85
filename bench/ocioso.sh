#!/usr/bin/env bash
# What the game costs while nobody touches it: the CPU time of the game's own
# process (and of the X server that shows its frames) over SEGUNDOS seconds,
# under Xvfb, in three states:
#   1. the game screen, the human to move, the music off (speaker clicked);
#   2. the same with the music on;
#   3. the opening screen with the mouse still (its tune playing);
#   4. the same in a game started without a sound device.
# Audio goes to SDL's dummy driver, which consumes it at the real rate, so the
# synthesiser works as it would with a sound card.
# Usage: bench/ocioso.sh [BUILD_DIR] [SEGUNDOS]   (BUILD_DIR defaults to build)
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$raiz/build}" && pwd)"
segundos="${2:-20}"
[ -x "$build/xadrez" ] || { echo "ocioso: no game at $build/xadrez; build it first" >&2; exit 1; }

"$raiz/scripts/instala-pacotes" xvfb xdotool

tela=":$(( (RANDOM % 400) + 500 ))"
Xvfb "$tela" -screen 0 640x640x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
jogo=""
trap '[ -n "$jogo" ] && kill "$jogo" 2>/dev/null; kill "$xvfb" 2>/dev/null' EXIT
export DISPLAY="$tela"
sleep 1

cd "$build"
janela=""
# Starts the game with the audio driver given and waits for its window.
abre() {
  SDL_AUDIODRIVER="$1" ./xadrez >/dev/null 2>&1 &
  jogo=$!
  janela=""
  for _ in $(seq 100); do
    janela=$(xdotool search --name "Jogo de Xadrez" 2>/dev/null | head -n 1 || true)
    [ -n "$janela" ] && break
    sleep 0.1
  done
  [ -n "$janela" ] || { echo "ocioso: the game window did not appear" >&2; exit 1; }
  sleep 2
}
abre dummy

ticks=$(getconf CLK_TCK)
# utime + stime of a process, in clock ticks.
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
mede() {
  local g0 x0 g1 x1
  sleep 2  # let the last change's frames and sounds settle
  g0=$(cpu "$jogo"); x0=$(cpu "$xvfb")
  sleep "$segundos"
  g1=$(cpu "$jogo"); x1=$(cpu "$xvfb")
  awk -v nome="$1" -v g=$((g1 - g0)) -v x=$((x1 - x0)) -v t="$ticks" -v s="$segundos" \
    'BEGIN { printf "%-36s game %5.1f%% of a core, X server %5.1f%%\n", nome, 100 * g / t / s, 100 * x / t / s }'
}

xdotool mousemove --window "$janela" 320 444 click 1   # Jogar
sleep 1
xdotool mousemove --window "$janela" 597 28 click 1    # the speaker: music off
xdotool mousemove --window "$janela" 320 600           # off the button, on the board's frame
mede "game screen, music off"

xdotool mousemove --window "$janela" 597 28 click 1    # music on
xdotool mousemove --window "$janela" 320 600
mede "game screen, music on"

xdotool key --window "$janela" Escape                  # back to the opening screen
xdotool mousemove --window "$janela" 30 30             # outside the menu, then still
mede "opening screen, mouse still"

kill "$jogo"; wait "$jogo" 2>/dev/null || true
abre nenhum                                            # no such driver: no sound at all
xdotool mousemove --window "$janela" 30 30
mede "opening screen, no sound device"
echo "($segundos s each; $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores)"
