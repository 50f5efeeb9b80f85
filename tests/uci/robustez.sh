#!/bin/sh
# Whatever arrives on standard input, the engine answers only protocol
# lines, never crashes or hangs, and leaves with status 0.
set -u
motor="$1"
falhas=0
falha() { echo "FAIL: $*"; falhas=$((falhas + 1)); }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

protocolo='^(id name |id author |option name |info |bestmove |uciok$|readyok$)'

# Feeds the file, then asks isready: readyok shows it is still answering.
confere() {
  nome="$1"
  { cat "$dir/entrada"; printf 'isready\n'; } | timeout 60 "$motor" >"$dir/saida" 2>"$dir/erro"
  rc=$?
  [ "$rc" -eq 0 ] || falha "$nome: exit status $rc"
  grep -qx readyok "$dir/saida" || falha "$nome: no readyok at the end"
  estranha=$(grep -avE "$protocolo" "$dir/saida" | head -n 1)
  [ -z "$estranha" ] || falha "$nome: a line that is not the protocol's: $estranha"
  [ ! -s "$dir/erro" ] || falha "$nome: standard error: $(head -c 200 "$dir/erro")"
}

printf 'uci\n\000\000isready\000go\n\377\376\375 position startpos\n\303\050 debug on\n' >"$dir/entrada"
confere "NUL and invalid UTF-8"

# quit after bytes the protocol skips: nothing more is answered.
printf '\303\050\000 quit\nisready\n' | timeout 60 "$motor" >"$dir/saida"; rc=$?
[ "$rc" -eq 0 ] || falha "quit: exit status $rc"
[ ! -s "$dir/saida" ] || falha "quit: answered after it: $(head -n 1 "$dir/saida")"

head -c 1048576 /dev/urandom | tr -d '\n' >"$dir/entrada"; printf '\nuci\n' >>"$dir/entrada"
confere "1 MB line of random bytes"
grep -qx uciok "$dir/saida" || falha "no uciok after the 1 MB line"

{ printf 'position startpos moves'; i=0; while [ $i -lt 30000 ]; do printf ' g1f3 g8f6 f3g1 f6g8'; i=$((i + 1)); done
  printf '\nposition startpos moves e2e4\ngo\n'; } >"$dir/entrada"
confere "a position of 120000 moves"
grep -q '^info string position with more than' "$dir/saida" || falha "the long move list is not refused"

{ printf 'position startpos moves '; head -c 5000000 /dev/zero | tr '\0' 'x'; printf '\n'; } >"$dir/entrada"
confere "a line over the length limit"
grep -q '^info string line longer than' "$dir/saida" || falha "the over-long line is not reported"

head -c 200000 /dev/urandom >"$dir/entrada"; printf '\n' >>"$dir/entrada"
confere "random bytes with newlines"

# Out of order and truncated commands.
cat >"$dir/entrada" <<'FIM'
go
stop
position
position fen
position fen 8/8/8
position startpos moves
position startpos moves e2e4 e7e5 e1e2 e8e7 e2e3
go infinite
position startpos moves e2e4
go
go
go infinite
stop
stop
ponderhit
setoption
setoption name
setoption name Nivel value
setoption value 3 name
setoption name Semente value 99999999999999999999
go searchmoves
go wtime
go movetime -5 depth x nodes
ucinewgame
go ponder
FIM
confere "out of order and truncated"
n=$(grep -c '^bestmove ' "$dir/saida")
# go, go (first), go infinite after a stop, go searchmoves, go wtime, go movetime, go ponder.
[ "$n" -ge 5 ] || falha "out of order: only $n bestmove lines"

printf 'go infinite\n' >"$dir/entrada"
confere "end of input during go infinite"
grep -q '^bestmove ' "$dir/saida" || falha "no bestmove when the input ends during a search"

if [ "$falhas" -gt 0 ]; then
  echo "$falhas failure(s)"
  exit 1
fi
echo "robustness: all inputs handled"
