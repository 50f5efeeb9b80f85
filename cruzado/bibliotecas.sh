#!/usr/bin/env bash
# Builds SDL2, SDL2_image, freetype, SDL2_ttf and SDL2_mixer for another
# platform from Debian's source packages, statically, once: the result is
# kept in a cache folder outside the clone, named after the versions and this
# recipe, and later builds reuse it. Prints that folder (the prefix to give
# CMake) as its last line. One recipe for every target, so that the builds
# differ only where the platforms do.
# Usage: cruzado/bibliotecas.sh web|windows
#   web: WebAssembly with Debian's emscripten (source web/ambiente.sh first);
#        XADREZ_WEB_CACHE overrides the cache folder
#   windows: 64-bit Windows with Debian's mingw-w64 (posix threads);
#        XADREZ_WINDOWS_CACHE overrides the cache folder
set -euo pipefail
aqui="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
alvo="${1:-}"

# Source package, upstream version expected, folder prefix of its sources.
pacotes=(
  "libsdl2 2.26.5"
  "libsdl2-image 2.6.3"
  "freetype 2.12.1"
  "libsdl2-ttf 2.20.1"
  "libsdl2-mixer 2.6.2"
)

# Per target: the compiler in the cache key, the cache folder, how CMake is
# run, the flags and SDL's own options.
case "$alvo" in
  web)
    emver=$(emcc --version | sed -n '1s/.* \([0-9][0-9.]*\) .*/\1/p')
    [ -n "$emver" ] || { echo "bibliotecas: cannot read emcc's version" >&2; exit 1; }
    chave="em${emver}"
    raiz_cache="${XADREZ_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/xadrez-web}"
    configura() { emcmake cmake "$@"; }
    # The page runs the game on one thread: no WebAssembly threads, so no
    # shared memory and no special header from the server; SDL without
    # threads (its audio is driven by the browser).
    # The game draws with SDL's software renderer: no OpenGL; it uses no
    # joystick, haptic or sensor. SDL's 330 feature checks only compile
    # instead of linking through emcc, which took minutes; that gives the same
    # SDL_config.h but for a separate libiconv, declared and not there. The C
    # library's iconv is left out too: SDL's own converts what SDL_ttf needs,
    # and the C library's would bring 130 KB of tables for Asian character
    # sets into the page. SDL, the largest of the libraries, is built for
    # size: the page's first screen waits for it.
    sdl_opcoes=(-DSDL_THREADS=OFF -DSDL_PTHREADS=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF
                -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_SENSOR=OFF
                -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY -DHAVE_LIBICONV=OFF -DHAVE_BUILTIN_ICONV=OFF
                -DCMAKE_BUILD_TYPE=MinSizeRel)
    ;;
  windows)
    toolchain="$aqui/../windows/mingw.cmake"
    gccver=$(dpkg-query -W -f='${Version}' gcc-mingw-w64-x86-64-posix 2>/dev/null | tr -c 'A-Za-z0-9.+\n' '_')
    [ -n "$gccver" ] || { echo "bibliotecas: gcc-mingw-w64-x86-64-posix is not installed" >&2; exit 1; }
    chave="mingw${gccver}-$(sha256sum "$toolchain" | cut -c1-10)"
    raiz_cache="${XADREZ_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/xadrez-windows}"
    configura() { cmake -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@"; }
    # The game draws with SDL's software renderer and uses no joystick,
    # haptic, sensor or battery: what it does not use is left out, which
    # halves SDL's build time. Threads are Windows' own.
    sdl_opcoes=(-DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_VULKAN=OFF -DSDL_DIRECTX=OFF
                -DSDL_RENDER_D3D=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF
                -DSDL_XINPUT=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF
                -DSDL2_DISABLE_SDL2MAIN=ON)
    ;;
  *)
    echo "bibliotecas: unknown target '$alvo'; usage: cruzado/bibliotecas.sh web|windows" >&2
    exit 2 ;;
esac
chave="${alvo}-${chave}"
for p in "${pacotes[@]}"; do
  set -- $p
  chave="${chave}-${1#lib}${2}"
done
# A change of this recipe builds the libraries anew.
chave="${chave}-$(sha256sum "$aqui/bibliotecas.sh" | cut -c1-10)"

prefixo="$raiz_cache/$chave"
mkdir -p "$raiz_cache"
if [ -f "$prefixo/.pronto" ]; then
  echo "$prefixo"
  exit 0
fi

# One build at a time per cache; a second caller waits and then reuses it.
exec 9> "$raiz_cache/.trava"
flock 9
if [ -f "$prefixo/.pronto" ]; then
  echo "$prefixo"
  exit 0
fi

trabalho="$raiz_cache/trabalho-$chave"
rm -rf "$trabalho" "$prefixo"
mkdir -p "$trabalho"
inicio=$SECONDS

# --- Sources, through an apt configuration of our own: the deb-src lines of
# the system's Debian suites, with lists and downloads kept here. The
# system's sources and lists are not touched.
apt_dir="$trabalho/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/partes"
. /etc/os-release
apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Identifier: Packages' | sort -u |
  awk -v c="$VERSION_CODENAME" '$3 == "main" && ($2 == c || $2 == c "-updates" || $2 == c "-security") {
    print "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] " $1 " " $2 " main" }' \
  > "$apt_dir/sources.list"
[ -s "$apt_dir/sources.list" ] || { echo "bibliotecas: no Debian '$VERSION_CODENAME' suite in apt's sources" >&2; exit 1; }
apt_opcoes=(-q -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/partes"
            -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o "APT::Sandbox::User=$(id -un)")
apt-get "${apt_opcoes[@]}" update >/dev/null
fontes="$trabalho/fontes"
mkdir -p "$fontes"
nomes=()
for p in "${pacotes[@]}"; do set -- $p; nomes+=("$1"); done
(cd "$fontes" && apt-get "${apt_opcoes[@]}" source "${nomes[@]}" >/dev/null)

pasta_de() {  # source folder of package $1 at upstream version $2
  local d
  d=$(ls -d "$fontes/$1-$2"* 2>/dev/null | head -n 1)
  if [ -z "$d" ] || [ ! -d "$d" ]; then
    echo "bibliotecas: Debian's $1 is not $2 any more ($(ls "$fontes" | grep "^$1-" | head -n 1)); update cruzado/bibliotecas.sh" >&2
    exit 1
  fi
  echo "$d"
}

# --- Builds, each installed into the prefix, which the next ones search.
destino="$prefixo.novo"
rm -rf "$destino"
comum=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_C_FLAGS_RELEASE=-O2 -DNDEBUG" "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG"
       -DBUILD_SHARED_LIBS=OFF "-DCMAKE_INSTALL_PREFIX=$destino"
       "-DCMAKE_PREFIX_PATH=$destino" "-DCMAKE_FIND_ROOT_PATH=$destino"
       -DCMAKE_POSITION_INDEPENDENT_CODE=OFF)
constroi() {  # package version cmake-options...
  local pacote="$1" versao="$2"
  shift 2
  local fonte t0=$SECONDS
  fonte=$(pasta_de "$pacote" "$versao")
  configura -S "$fonte" -B "$trabalho/build-$pacote" "${comum[@]}" "$@" > "$trabalho/$pacote.log" 2>&1 ||
    { tail -n 30 "$trabalho/$pacote.log" >&2; exit 1; }
  cmake --build "$trabalho/build-$pacote" -j"$(nproc)" >> "$trabalho/$pacote.log" 2>&1 ||
    { tail -n 30 "$trabalho/$pacote.log" >&2; exit 1; }
  cmake --install "$trabalho/build-$pacote" >> "$trabalho/$pacote.log" 2>&1 ||
    { tail -n 30 "$trabalho/$pacote.log" >&2; exit 1; }
  # Its licence, for a package that ships the library.
  local licenca
  for licenca in LICENSE.txt docs/FTL.TXT; do
    if [ -f "$fonte/$licenca" ]; then
      install -D -m 644 "$fonte/$licenca" "$destino/share/licencas/${pacote#lib}.txt"
    fi
  done
  echo "bibliotecas: $pacote $versao built in $((SECONDS - t0)) s" >&2
}

constroi libsdl2 2.26.5 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF "${sdl_opcoes[@]}"
# PNG through stb_image; the game loads nothing else.
constroi libsdl2-image 2.6.3 -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
  -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_PNG_SAVE=OFF \
  -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_BMP=OFF -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_JPG=OFF -DSDL2IMAGE_JXL=OFF \
  -DSDL2IMAGE_LBM=OFF -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF -DSDL2IMAGE_SVG=OFF \
  -DSDL2IMAGE_TGA=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_XCF=OFF -DSDL2IMAGE_XPM=OFF \
  -DSDL2IMAGE_XV=OFF
constroi freetype 2.12.1 -DFT_DISABLE_ZLIB=TRUE -DFT_DISABLE_BZIP2=TRUE -DFT_DISABLE_PNG=TRUE \
  -DFT_DISABLE_HARFBUZZ=TRUE -DFT_DISABLE_BROTLI=TRUE
constroi libsdl2-ttf 2.20.1 -DSDL2TTF_SAMPLES=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF
# WAV effects and OGG tunes, both decoded by the mixer itself.
constroi libsdl2-mixer 2.6.2 -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
  -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF -DSDL2MIXER_MIDI=OFF \
  -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_WAVE=ON

touch "$destino/.pronto"
mv "$destino" "$prefixo"
rm -rf "$trabalho"
echo "bibliotecas: built in $((SECONDS - inicio)) s into $prefixo" >&2
echo "$prefixo"
