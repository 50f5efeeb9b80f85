#!/usr/bin/env bash
# The browser version's speed in Debian's Chromium (bench/web.mjs): the first
# visit over a throttled network (1.6 Mbit/s, 150 ms, gzip as hosts serve it),
# when the opening screen is drawn and the bytes before it, median and worst
# of RUNS; or the longest the page stands still (its longest task, by the
# Long Tasks API) while the computer plays itself at a level for SECONDS:
# "dificil" at "Difícil", "nivel N" at level N (2 to 9), "niveis" at every
# level in turn and then while hints are asked for, with a table at the end.
# Builds the page first (scripts/web) unless given a page folder.
# Usage: bench/web.sh [quadro [RUNS] | dificil [SECONDS] | nivel LEVEL [SECONDS] | niveis [SECONDS]] [PAGE_FOLDER]
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
uso="usage: bench/web.sh [quadro [RUNS] | dificil [SECONDS] | nivel LEVEL [SECONDS] | niveis [SECONDS]] [PAGE_FOLDER]"
modo="${1:-quadro}"
[ $# -gt 0 ] && shift
niveis=()
case "$modo" in
  quadro) quanto="${1:-5}" ;;
  dificil) niveis=(4); quanto="${1:-300}" ;;
  nivel)
    [[ "${1:-}" =~ ^[2-9]$ ]] || { echo "$uso" >&2; exit 2; }
    niveis=("$1"); shift; quanto="${1:-60}" ;;
  niveis) niveis=(2 3 4 5 6 7 8 9 dica); quanto="${1:-60}" ;;
  *) echo "$uso" >&2; exit 2 ;;
esac
[ $# -gt 0 ] && shift
pagina="${1:-}"
if [ -z "$pagina" ]; then
  "$raiz/scripts/web" >/dev/null
  pagina="${BUILD_DIR:-$raiz/build-web}/pagina"
fi
pacotes=(chromium)
command -v npm >/dev/null || pacotes+=(npm)
"$raiz/scripts/instala-pacotes" "${pacotes[@]}"

# playwright-core as the browser test pins it.
trabalho=$(mktemp -d)
servidor=""
encerra() {
  if [ -n "$servidor" ]; then kill "$servidor" 2>/dev/null || true; wait "$servidor" 2>/dev/null || true; fi
  rm -rf "$trabalho"
}
trap encerra EXIT
cp "$raiz/tests/web/package.json" "$raiz/tests/web/package-lock.json" "$raiz/bench/web.mjs" "$trabalho/"
(cd "$trabalho" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)

python3 "$raiz/web/servidor.py" --gzip "$pagina" 0 > "$trabalho/endereco" &
servidor=$!
for _ in $(seq 50); do
  [ -s "$trabalho/endereco" ] && break
  sleep 0.1
done
endereco="$(head -n 1 "$trabalho/endereco")"
if [ "$modo" = quadro ]; then
  exec node "$trabalho/web.mjs" quadro "$endereco" "$quanto"
fi
for n in "${niveis[@]}"; do
  if [ "$n" = dica ]; then
    node "$trabalho/web.mjs" dica "$endereco" "$quanto" | tee -a "$trabalho/saida"
  else
    node "$trabalho/web.mjs" nivel "$endereco" "$n" "$quanto" | tee -a "$trabalho/saida"
  fi
done
if [ "${#niveis[@]}" -gt 1 ]; then
  echo
  echo "Longest stand of the page, $quanto s each:"
  echo "| Level | Longest task (ms) | Games ended (hints shown) |"
  echo "|---|---|---|"
  sed -n 's/^longest: \([^ ]*\) \([^ ]*\) \([^ ]*\)$/| \1 | \2 | \3 |/p' "$trabalho/saida"
fi
