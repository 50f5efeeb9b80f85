#!/usr/bin/env bash
# The browser version's speed in Debian's Chromium (bench/web.mjs): the first
# visit over a throttled network (1.6 Mbit/s, 150 ms, gzip as hosts serve it),
# when the opening screen is drawn and the bytes before it, median and worst
# of RUNS; then, with "dificil", the longest the page stands still while the
# computer chooses at "Difícil", over SECONDS of games against itself.
# Builds the page first (scripts/web) unless given a page folder.
# Usage: bench/web.sh [quadro [RUNS] | dificil [SECONDS]] [PAGE_FOLDER]
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
modo="${1:-quadro}"
quanto="${2:-}"
pagina="${3:-}"
case "$modo" in
  quadro) quanto="${quanto:-5}" ;;
  dificil) quanto="${quanto:-300}" ;;
  *) echo "usage: bench/web.sh [quadro [RUNS] | dificil [SECONDS]] [PAGE_FOLDER]" >&2; exit 2 ;;
esac
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
node "$trabalho/web.mjs" "$modo" "$(head -n 1 "$trabalho/endereco")" "$quanto"
