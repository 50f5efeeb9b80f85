#!/bin/sh
# The position tool's "melhor" command: answer, standard error line, exit statuses.
set -u
tool="$1"
falhas=0
TMPDIR_MELHOR=$(mktemp -d)
trap 'rm -rf "$TMPDIR_MELHOR"' EXIT
falha() { echo "FAIL: $*"; falhas=$((falhas + 1)); }

inicio="rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"

saida=$("$tool" melhor 2 1 "$inicio" 2>/tmp/melhor.$$); rc=$?
err=$(cat /tmp/melhor.$$); rm -f /tmp/melhor.$$
[ "$rc" -eq 0 ] || falha "exit status $rc"
"$tool" jogadas "$inicio" | grep -qx "$saida" || falha "'$saida' is not a legal move from the start"
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || falha "one line on stderr expected, got: $err"
echo "$err" | grep -Eq '^nodes: [0-9]+, ms: [0-9]+$' || falha "stderr line: $err"
[ "$("$tool" melhor 2 1 "$inicio" 2>/dev/null)" = "$saida" ] || falha "the same seed should give the same move"

# Black to move, and the line that leaves White's opponent without a move.
[ "$("$tool" melhor 3 5 "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR b KQkq - 4 4" 2>/dev/null)" = "f6h5" ] ||
  falha "black should take the queen"
[ "$("$tool" melhor 2 5 "k7/3p4/1K3N2/8/8/8/8/8 w - -" 2>/dev/null)" = "f6d7" ] || falha "stalemating line"
[ "$("$tool" melhor 4 5 "6k1/4Pppp/8/8/8/1N5K/8/q7 w - -" 2>/dev/null)" = "e7e8q" ] || falha "promotion written e7e8q"
# The stronger levels: a knight's fork by under-promotion, the same at every
# seed, and nodes and milliseconds on standard error.
for semente in 1 2; do
  saida=$("$tool" melhor 9 "$semente" "8/2q1P1k1/8/8/8/8/P7/4K3 w - - 0 1" 2>"$TMPDIR_MELHOR/err") || true
  [ "$saida" = "e7e8n" ] || falha "level 9 seed $semente should under-promote e7e8n, got '$saida'"
  grep -Eq '^nodes: [1-9][0-9]*, ms: [0-9]+$' "$TMPDIR_MELHOR/err" || falha "level 9: nodes and ms on stderr"
done

saida=$("$tool" melhor 2 1 "7k/5Q2/6K1/8/8/8/8/8 b - -" 2>/dev/null); rc=$?
[ "$rc" -eq 1 ] && [ "$saida" = "nenhuma" ] || falha "stalemated side: '$saida', exit $rc"

for args in "1_1" "10_1" "x_1" "2_-1" "2_abc" "2_1234567890123"; do
  nivel=$(echo "$args" | cut -d_ -f1)
  semente=$(echo "$args" | cut -d_ -f2)
  err=$("$tool" melhor "$nivel" "$semente" "$inicio" 2>&1 >/dev/null); rc=$?
  [ "$rc" -eq 2 ] || falha "level $nivel seed $semente should exit 2, got $rc"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [ -n "$err" ] || falha "level $nivel seed $semente: one line on stderr, got: $err"
done
err=$("$tool" melhor 2 1 "not-a-fen" 2>&1 >/dev/null); rc=$?
[ "$rc" -eq 2 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || falha "bad FEN should exit 2 with one line"
err=$("$tool" melhor 2 1 2>&1 >/dev/null); rc=$?
[ "$rc" -eq 2 ] || falha "missing FEN should exit 2"

[ "$falhas" -eq 0 ] || exit 1
echo "ok"
