#!/bin/sh
# Writes the golden record of the computer player's choices: for each
# position of posicoes.txt and each level, the move that the position tool
# answers with the position's seed in place of the clock.
#   tests/algoritmo/gera_escolhas.sh build/xadrez-posicao < tests/algoritmo/posicoes.txt \
#     > tests/algoritmo/escolhas.txt
# Run once, then keep the record as it is: every later change to the
# computer player must reproduce it.
set -u
tool="$1"
echo "# Golden record of choices: FEN | level | seed | move (\"nenhuma\": no move)."
echo "# Made by gera_escolhas.sh; do not edit by hand."
grep -v '^#' | grep -v '^[[:space:]]*$' | while IFS='|' read -r fen semente; do
  fen=$(echo "$fen" | sed 's/^ *//; s/ *$//')
  semente=$(echo "$semente" | tr -d ' ')
  for nivel in 2 3 4; do
    lance=$("$tool" melhor "$nivel" "$semente" "$fen" 2>/dev/null)
    rc=$?
    if [ "$rc" -gt 1 ]; then
      echo "gera_escolhas: the tool failed on '$fen'" >&2
      exit 2
    fi
    echo "$fen | $nivel | $semente | $lance"
  done
done
