# Sourced by the web scripts: Debian's emscripten as the web build uses it.

# Debian's emscripten finds its JavaScript parser (node-acorn) there, also
# under a node that is not Debian's own.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

# Every compiler call is a Python program: Debian's own Python, for which the
# package is made, rather than whichever comes first in PATH (a version
# manager's shim there doubled the time of each call, and the libraries'
# build makes hundreds of them).
if [ -z "${EMSDK_PYTHON:-}" ] && [ -x /usr/bin/python3 ]; then
  export EMSDK_PYTHON=/usr/bin/python3
fi

# A writable copy of Debian's prebuilt emscripten cache, which already holds
# the threaded system libraries: emcc locks and reads it but builds nothing.
xadrez_web_cache="${XADREZ_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/xadrez-web}"
xadrez_em_versao=$(dpkg-query -W -f='${Version}' emscripten)
export EM_CACHE="$xadrez_web_cache/emcache-$xadrez_em_versao"
if [ ! -f "$EM_CACHE/.copiado" ]; then
  # Under the lock that cruzado/bibliotecas.sh takes, so that two builds
  # started together do not delete each other's half-made copy; released
  # before that script runs, as it opens the lock anew.
  mkdir -p "$xadrez_web_cache"
  (
    flock 9
    if [ ! -f "$EM_CACHE/.copiado" ]; then
      rm -rf "$EM_CACHE"
      cp -a /usr/share/emscripten/cache "$EM_CACHE"
      touch "$EM_CACHE/.copiado"
    fi
  ) 9> "$xadrez_web_cache/.trava"
fi
