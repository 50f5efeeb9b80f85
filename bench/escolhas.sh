#!/bin/sh
# The computer player's choice on every benchmark position at each level,
# one line each: level, move, tree nodes, milliseconds, peak resident KiB.
# Two builds give the same moves and nodes when the search is unchanged:
#   bench/escolhas.sh build/xadrez-posicao > antes.txt
# Usage: escolhas.sh XADREZ_POSICAO [POSITIONS_FILE]
set -eu
ferramenta="$1"
posicoes="${2:-$(dirname "$0")/posicoes.txt}"
grep -v '^#' "$posicoes" | while read -r fen; do
  for nivel in 2 3 4; do
    saida=$( { /usr/bin/time -f "kib: %M" "$ferramenta" melhor "$nivel" 1 "$fen"; } 2>&1) || true
    lance=$(printf '%s\n' "$saida" | grep -v -e '^nodes:' -e '^kib:' | head -1)
    nos=$(printf '%s\n' "$saida" | sed -n 's/^nodes: \([0-9]*\), ms: \([0-9]*\)$/\1 \2/p')
    kib=$(printf '%s\n' "$saida" | sed -n 's/^kib: //p')
    echo "$nivel $lance $nos $kib | $fen"
  done
done
