#!/bin/sh
# Both programs answer --help and --version on standard output with status 0
# (--version in one line, --help from a usage line on), and refuse anything
# else with one line on standard error and status 2.
# Usage: opcoes.sh GAME TOOL VERSION
set -u
falhas=0
falha() { echo "FAIL: $*"; falhas=$((falhas + 1)); }

for programa in "$1" "$2"; do
  nome=$(basename "$programa")
  for opcao in --help --version; do
    # No display is needed: the game must answer before opening a window.
    saida=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$programa" "$opcao" 2>/dev/null); rc=$?
    [ "$rc" -eq 0 ] || falha "$nome $opcao: status $rc"
    [ -n "$saida" ] || falha "$nome $opcao: no output"
    [ "$opcao" = --help ] || [ "$(printf '%s\n' "$saida" | wc -l)" -eq 1 ] || falha "$nome $opcao: one line expected, got: $saida"
  done
  saida=$("$programa" --version 2>/dev/null)
  [ "$saida" = "$nome $3" ] || falha "$nome --version says '$saida'"
  "$programa" --help | grep -q "^usage: $nome" || falha "$nome --help gives no usage"

  for estranha in --frobnicate -h; do
    err=$(timeout 20 "$programa" "$estranha" 2>&1 >/dev/null); rc=$?
    [ "$rc" -eq 2 ] || falha "$nome $estranha: status $rc, 2 expected"
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || falha "$nome $estranha: one line expected, got: $err"
    case "$err" in
      "$nome: "*"$estranha"*) ;;
      *) falha "$nome $estranha: the line should name the option: $err" ;;
    esac
  done
done

[ "$falhas" -eq 0 ] || exit 1
echo ok
