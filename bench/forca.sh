#!/bin/sh
# The strength of the computer player's levels: installs Python, Stockfish
# and Fairy-Max when missing, then plays the matches of bench/forca.py
# (about half an hour with the defaults; nothing else should load the cores).
#   bench/forca.sh [build/xadrez-uci] [--jogos N] ...
set -eu
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/instala-pacotes" python3 stockfish fairymax
exec python3 "$raiz/bench/forca.py" "$@"
