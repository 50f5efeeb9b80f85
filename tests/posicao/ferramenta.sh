#!/bin/sh
# The position tool's command line: answers, output format and exit statuses.
set -u
tool="$1"
falhas=0
falha() { echo "FAIL: $*"; falhas=$((falhas + 1)); }

inicio="rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"

saida=$("$tool" perft 2 "$inicio"); rc=$?
[ "$rc" -eq 0 ] || falha "perft exit status $rc"
echo "$saida" | grep -qx "Nodes searched: 400" || falha "perft 2 total: $saida"
echo "$saida" | grep -qx "e2e4: 20" || falha "perft 2 has no line e2e4: 20"
[ "$(echo "$saida" | grep -c ': 20$')" -eq 20 ] || falha "perft 2 should list 20 root moves of 20"

saida=$("$tool" jogadas "$inicio")
[ "$(echo "$saida" | wc -l)" -eq 20 ] || falha "20 moves expected from the start"
[ "$(echo "$saida" | head -n 1)" = "b1a3" ] || falha "first move by slot order should be b1a3, got $(echo "$saida" | head -n 1)"

saida=$("$tool" jogadas "4k3/1P6/8/8/8/8/8/4K3 w - -")
echo "$saida" | grep -qx "b7b8q" || falha "promotion should be written b7b8q"
saida=$("$tool" jogadas "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1")
echo "$saida" | grep -qx "e5d6" || falha "en passant e5d6 should be offered after d7d5"
"$tool" jogadas "4k3/8/8/8/8/8/8/4K3 w - - 0 0" >/dev/null || falha "a fullmove number of 0 should be taken"
saida=$("$tool" jogadas "r3k2r/8/8/8/8/8/8/R3K2R b kq -")
echo "$saida" | grep -qx "e8c8" || falha "castling should be the king's move e8c8"

for args in "perft 0 $inicio" "perft -1 $inicio" "perft x $inicio" "jogadas not-a-fen" \
            "jogadas 8/8/8/8/8/8/8/8_w_-_-" "jogadas 4k3/8/8/8/8/8/8/4K2K_w_-_-" \
            "jogadas 4k2P/8/8/8/8/8/8/4K3_w_-_-" "jogadas 4k3/p7/8/8/8/8/8/4RK2_w_-_-_0_1" \
            "jogadas 4k3/3n4/8/3pP3/8/8/8/4K3_w_-_d6_0_1" "jogadas 4k3/8/8/8/8/8/8/4K3_w_-_-_-5_1" \
            "jogadas rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR_w_KQkq_-_0_1_junk" \
            "desconhecido" ""; do
  # shellcheck disable=SC2086
  set -- $(echo "$args" | tr '_' ' ')
  if [ "$#" -ge 3 ] && [ "$1" = perft ]; then
    err=$("$tool" "$1" "$2" "$(echo "$args" | cut -d' ' -f3-)" 2>&1 >/dev/null); rc=$?
  elif [ "$#" -ge 2 ]; then
    cmd="$1"; shift
    err=$("$tool" "$cmd" "$*" 2>&1 >/dev/null); rc=$?
  else
    err=$("$tool" "$@" 2>&1 >/dev/null); rc=$?
  fi
  [ "$rc" -eq 2 ] || falha "'$args' should exit 2, got $rc"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [ -n "$err" ] || falha "'$args' should print one line on stderr, got: $err"
done

# The record in notation: SAN of coordinate moves; partida's game as PGN reads
# back to partida's moves; a bad paste is one line on stderr and status 2.
saida=$("$tool" san "$inicio" e2e4 d7d5 e4d5 d8d5 b1c3 d5a5 | tr '\n' ' ')
[ "$saida" = "e4 d5 exd5 Qxd5 Nc3 Qa5 " ] || falha "san: $saida"
pgn=$("$tool" pgn 2 3 5)
echo "$pgn" | head -n 1 | grep -qx '\[Event "Jogo de Xadrez"\]' || falha "pgn starts with the Event tag"
[ "$(echo "$pgn" | "$tool" le | tail -n +2)" = "$("$tool" partida 2 3 5 | sed '$d')" ] || falha "pgn | le differs from partida"
err=$(printf '1. e4 e5 2. Ke3' | "$tool" le 2>&1 >/dev/null); rc=$?
[ "$rc" -eq 2 ] && [ "$err" = "xadrez-posicao: Lance ilegal: Ke3 (lance 2)." ] || falha "le of an illegal move: $rc $err"

[ "$falhas" -eq 0 ] || exit 1
echo "ok"
