#!/bin/sh
# While another program holds the package manager's lock, the install step
# says once that it waits, and goes on to apt once the lock is free.
# Usage: instala.sh TRAVA_ARQUIVO INSTALA_PACOTES   (root only; skipped otherwise)
set -u
trava="$1" instala="$2"
[ "$(id -u)" -eq 0 ] || { echo "skipped: needs root to take apt's lock"; exit 77; }
tmp=$(mktemp -d)
trap 'kill "$dono" 2>/dev/null; rm -rf "$tmp"' EXIT

"$trava" /var/lib/dpkg/lock-frontend > "$tmp/trava" &
dono=$!
espera_linha() {  # $1 file, $2 text: up to 60 s
  for _ in $(seq 600); do grep -q "$2" "$1" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}
espera_linha "$tmp/trava" locked || { echo "FAIL: could not take the lock"; exit 1; }

# A package no archive has: apt takes the lock, then finds nothing to do.
"$instala" xadrez-pacote-inexistente > "$tmp/saida" 2>&1 &
instalador=$!
espera_linha "$tmp/saida" "Waiting for the package manager" ||
  { echo "FAIL: no notice of the wait: $(cat "$tmp/saida")"; exit 1; }
sleep 3  # apt notices the held lock every second
kill "$dono"
wait "$instalador"
saida=$(cat "$tmp/saida")

falhas=0
[ "$(echo "$saida" | grep -c "Waiting for")" -eq 1 ] || { echo "FAIL: the wait is told more than once"; falhas=1; }
echo "$saida" | grep -q "Unable to locate package xadrez-pacote-inexistente" ||
  { echo "FAIL: apt did not go on after the lock"; falhas=1; }
[ "$falhas" -eq 0 ] || { echo "$saida"; exit 1; }
echo ok
