#!/bin/sh
# The game finds its pictures, sounds and font from any working directory:
# built, and installed into a staging folder; with none anywhere it says so in
# one line. Usage: arquivos.sh GAME CMAKE BUILD_DIR FONT
set -u
jogo="$1" cmake="$2" build="$3" fonte="$4"
falhas=0
falha() { echo "FAIL: $*"; falhas=$((falhas + 1)); }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Runs game $1 from folder $2 with SDL's dummy drivers and closes it after two
# seconds (SDL turns SIGTERM into the close event): status in $rc, standard
# error in $erros.
joga() {
  (cd "$2" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy exec "$1" >/dev/null 2>"$tmp/erros") &
  pid=$!
  sleep 2
  kill -TERM "$pid" 2>/dev/null
  wait "$pid"; rc=$?
  erros=$(cat "$tmp/erros")
}
sem_faltas() {  # $1: what was started
  [ "$rc" -eq 0 ] || falha "$1: status $rc"
  if echo "$erros" | grep -qi "cannot\|none of"; then falha "$1 misses files: $erros"; fi
}

mkdir "$tmp/vazia"
joga "$jogo" "$tmp/vazia"
sem_faltas "the built game started from an empty folder"

# A stray font in the working directory (a Downloads folder) does not stand
# in for the game's own complete folder.
mkdir "$tmp/x y"
pasta=$(dirname "$jogo")
cp "$pasta/arial.ttf" "$tmp/x y/"
joga "$jogo" "$tmp/x y"
sem_faltas "the built game started from a folder holding only arial.ttf"

# Empty copies of every file, in the working directory that wins a tie, do
# not count: the build's complete folder is taken.
mkdir -p "$tmp/vazios/img" "$tmp/vazios/audio"
(cd "$pasta" && find img audio arial.ttf -type f -o -type l) | while read -r f; do : > "$tmp/vazios/$f"; done
joga "$jogo" "$tmp/vazios"
sem_faltas "the built game started from a folder of empty copies of its files"

# A copy without the opening picture is still the game's folder: the game
# starts from it and says so once, naming the folder.
mkdir "$tmp/sem-abertura"
cp -RL "$pasta/img" "$pasta/audio" "$pasta/arial.ttf" "$jogo" "$tmp/sem-abertura/"
rm "$tmp/sem-abertura/img/abertura.png"
joga "$tmp/sem-abertura/$(basename "$jogo")" "$tmp/vazia"
[ "$rc" -eq 0 ] || falha "without img/abertura.png: status $rc"
[ "$(echo "$erros" | grep -c .)" -eq 1 ] && echo "$erros" | grep -q "$tmp/sem-abertura/img/abertura.png" ||
  falha "without img/abertura.png one line naming it in its folder expected, got: $erros"

mkdir "$tmp/so"
cp "$jogo" "$tmp/so/xadrez"
saida=$(cd "$tmp/vazia" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 20 "$tmp/so/xadrez" 2>&1); rc=$?
[ "$rc" -eq 1 ] || falha "with no folder of files the game should exit 1, got $rc"
[ "$(printf '%s\n' "$saida" | wc -l)" -eq 1 ] || falha "one line expected, got: $saida"
case "$saida" in
  xadrez:*"$tmp/vazia"*"$tmp/so"*) ;;
  *) falha "the line should name the folders tried: $saida" ;;
esac

# An install under a prefix outside /usr: the font link is absolute there.
prefixo=/opt/xadrez-teste
DESTDIR="$tmp/raiz" "$cmake" --install "$build" --prefix "$prefixo" >"$tmp/instalacao" 2>&1 \
  || falha "install failed: $(tail -n 5 "$tmp/instalacao")"
base="$tmp/raiz$prefixo"
joga "$base/games/xadrez" "$tmp/vazia"
sem_faltas "the installed game started from an empty folder"
[ "$(readlink "$base/share/games/xadrez/arial.ttf")" = "$fonte" ] || falha "arial.ttf should link to $fonte"

entradas=$(ls "$base/share/applications/"*.desktop 2>/dev/null)
[ "$(echo "$entradas" | grep -c .)" -eq 1 ] || falha "one menu entry expected, got: $entradas"
grep -qx "Exec=$prefixo/games/xadrez" "$entradas" || falha "the menu entry should start $prefixo/games/xadrez"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entradas" || falha "desktop-file-validate rejects the menu entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$base/share/metainfo/"*.metainfo.xml >"$tmp/appstream" 2>&1 \
    || falha "appstreamcli rejects the metadata: $(cat "$tmp/appstream")"
fi
for n in 48 64 128 192 256 512; do
  icone="$base/share/icons/hicolor/${n}x$n/apps/xadrez.png"
  # Width and height are the PNG header's bytes 16 to 23, big-endian.
  medidas=$(od -An -tu1 -j16 -N8 "$icone" 2>/dev/null | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
  [ "$medidas" = "${n}x$n" ] || falha "icon $icone should be ${n}x$n, is '$medidas'"
done
[ -s "$base/share/icons/hicolor/scalable/apps/xadrez.svg" ] || falha "no scalable icon"
for pagina in xadrez.6.gz xadrez-posicao.6.gz; do
  [ -s "$base/share/man/man6/$pagina" ] || falha "no manual page $pagina"
done

# Under /usr, as the package installs it, the link stays within /usr and is
# relative, as Debian wants.
DESTDIR="$tmp/usr" "$cmake" --install "$build" --prefix /usr >"$tmp/instalacao" 2>&1 || falha "install under /usr failed"
alvo=$(readlink "$tmp/usr/usr/share/games/xadrez/arial.ttf")
case "$alvo" in
  /*) falha "under /usr the font link should be relative: $alvo" ;;
esac
[ "$(realpath -m "/usr/share/games/xadrez/$alvo")" = "$fonte" ] || falha "the font link $alvo does not lead to $fonte"

[ "$falhas" -eq 0 ] || exit 1
echo ok
