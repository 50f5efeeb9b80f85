#!/bin/sh
# The game binary as a user starts it: closing ends it at once with status 0,
# and without a display it says so and fails.
set -u
jogo="$1"
falhas=0
falha() { echo "FAIL: $*"; falhas=$((falhas + 1)); }

# SDL turns SIGTERM into the window's close event.
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$jogo" >/dev/null 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || falha "the game did not stay up on the opening screen"
t0=$(date +%s%N)
kill -TERM "$pid"
wait "$pid"; rc=$?
ms=$(( ($(date +%s%N) - t0) / 1000000 ))
echo "closing took ${ms} ms"
[ "$rc" -eq 0 ] || falha "closing should exit 0, got $rc"

saida=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$jogo" 2>&1); rc=$?
[ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] || falha "without a display the game should fail at once, got $rc"
echo "$saida" | grep -q "^xadrez: no display" || falha "without a display: no clear message in: $saida"
[ "$(echo "$saida" | grep -c '^xadrez:')" -eq 1 ] || falha "one line of our own expected, got: $saida"

[ "$falhas" -eq 0 ] || exit 1
echo ok
