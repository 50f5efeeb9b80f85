# The browser version, read by the top-level CMakeLists.txt under emscripten's
# toolchain (scripts/web drives both stages). The game's own libraries are
# built as on the desktop; SDL and its libraries are the static ones that
# cruzado/bibliotecas.sh built from Debian's sources; the game's files are
# laid out by cruzado/recursos.cmake and packed into the page.
set(XADREZ_WEB_BIBLIOTECAS "" CACHE PATH "Prefix of the SDL libraries built for the browser")
include(${CMAKE_CURRENT_LIST_DIR}/../cruzado/bibliotecas.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cruzado/recursos.cmake)

# The page's first screen waits for the WebAssembly: built for size.
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")

xadrez_bibliotecas_cruzadas(${XADREZ_WEB_BIBLIOTECAS})
find_package(Threads REQUIRED)

# The page's folder: the game's JavaScript and WebAssembly, its files in two
# packs (what the opening screen needs, then the sounds), the page, its
# manifest and icons, and the service worker that keeps them all.
set(XADREZ_RAIZ ${CMAKE_BINARY_DIR}/pagina)
set(_dados ${CMAKE_BINARY_DIR}/dados)
set(_primeiros ${CMAKE_BINARY_DIR}/primeiros)
set(_icones ${XADREZ_NATIVO}/icones)
foreach(_pagina index.html manifest.webmanifest)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${_pagina} ${XADREZ_RAIZ}/${_pagina} COPYONLY)
endforeach()

# The same targets as on the desktop, so the game's executable depends on
# its files alike: recursos (pictures, effects, tunes) and fonte.
xadrez_recursos_cruzados(${_dados} _arquivos _fonte)

# The font cut to the characters the game can write: its texts are Latin-1,
# so printable ASCII and Latin-1's letters and signs. Outlines, hinting and
# the kerning table that SDL_ttf reads are kept, so the texts are drawn as on
# the desktop; the layout tables, which it does not read, go.
find_program(XADREZ_PYFTSUBSET pyftsubset REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(_fonte_web ${_primeiros}/arial.ttf)
add_custom_command(
  OUTPUT ${_fonte_web}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_primeiros}
  COMMAND ${XADREZ_PYFTSUBSET} ${_fonte} --output-file=${_fonte_web} --unicodes=U+0020-007E,U+00A0-00FF
          --legacy-kern --drop-tables+=GSUB,GPOS,GDEF
  DEPENDS ${_fonte}
  COMMENT "Cutting the font down to the game's characters"
  VERBATIM)

# The opening screen needs the pictures and the font; the effects and tunes
# are a pack of their own that the page fetches once the game runs. The
# pictures are compressed harder, pixels, colour type and depth unchanged.
find_program(XADREZ_OPTIPNG optipng REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(_imagens_dados ${_arquivos})
list(FILTER _imagens_dados INCLUDE REGEX "/img/[^/]*$")
set(_imagens)
foreach(_imagem IN LISTS _imagens_dados)
  get_filename_component(_nome ${_imagem} NAME)
  add_custom_command(
    OUTPUT ${_primeiros}/img/${_nome}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_primeiros}/img
    COMMAND ${XADREZ_OPTIPNG} -quiet -o2 -nx -clobber -out ${_primeiros}/img/${_nome} ${_imagem}
    DEPENDS ${_imagem}
    VERBATIM)
  list(APPEND _imagens ${_primeiros}/img/${_nome})
endforeach()
set(_sons ${_arquivos})
list(FILTER _sons INCLUDE REGEX "/audio/[^/]*$")
set(_pacote_sons ${XADREZ_RAIZ}/sons.data ${XADREZ_RAIZ}/sons.js)
add_custom_command(
  OUTPUT ${_pacote_sons}
  COMMAND ${EMSCRIPTEN_ROOT_PATH}/tools/file_packager sons.data
          --preload ${_dados}/audio@/audio --js-output=sons.js --no-node
  DEPENDS ${_sons}
  WORKING_DIRECTORY ${XADREZ_RAIZ}
  COMMENT "Packing the sounds"
  VERBATIM)

# The page's icons are the desktop's: the tab's, and the installed app's.
set(_icones_pagina)
foreach(_par "64;icone.png" "192;icone-192.png" "512;icone-512.png")
  list(GET _par 0 _tamanho)
  list(GET _par 1 _nome)
  add_custom_command(
    OUTPUT ${XADREZ_RAIZ}/${_nome}
    COMMAND ${CMAKE_COMMAND} -E copy ${_icones}/${_tamanho}x${_tamanho}/apps/xadrez.png ${XADREZ_RAIZ}/${_nome}
    DEPENDS ${_icones}/${_tamanho}x${_tamanho}/apps/xadrez.png)
  list(APPEND _icones_pagina ${XADREZ_RAIZ}/${_nome})
endforeach()
add_custom_target(recursos ALL DEPENDS ${_arquivos} ${_imagens} ${_pacote_sons} ${_icones_pagina})

add_custom_target(fonte ALL DEPENDS ${_fonte_web})

add_subdirectory(src)
# Only the game and its worker go into the page.
foreach(_alvo posicao uci xadrez-uci)
  if(TARGET ${_alvo})
    set_target_properties(${_alvo} PROPERTIES EXCLUDE_FROM_ALL ON)
  endif()
endforeach()

# A self-built SDL2 needs the two JavaScript functions that emscripten's own
# SDL2 port adds (without them the page stops at once: "autoResumeAudioContext
# is not defined"). emcc reads them from a file: CMake would double the
# dollar signs.
set(_funcoes ${CMAKE_BINARY_DIR}/funcoes-js.rsp)
file(CONFIGURE OUTPUT ${_funcoes} CONTENT "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=$autoResumeAudioContext,$dynCall\n")
# ASYNCIFY lets the window loop's delay (and SDL's after each frame) hand the
# page's only thread back to the browser, also while the tick waits out a
# message. It would instrument every function that an indirect call might
# reach; the model, the animation, the notation of a hint and the requests
# to the worker include no SDL and call nothing that yields, so they are left
# as they are: smaller. The computer player itself is the worker's (below);
# of it the page keeps only what the game's tick reaches. The page hands the
# sounds in through xadrez_sons_chegaram. The pictures and the font are
# packed and found at / as in the game's folder.
set(_sem_pausa "Algoritmo*::*" "Jogo::*" "Jogada*::*" "*PecaJogada::*" "Peca::*" "Tabuleiro::*" "Animacao::*"
    "Movimento*::*" "Notacao::*" "RespostaEscolha::*")
list(JOIN _sem_pausa "," _sem_pausa)
target_link_options(xadrez PRIVATE
  "@${_funcoes}"
  -sASYNCIFY "-sASYNCIFY_REMOVE=${_sem_pausa}"
  -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web -sFORCE_FILESYSTEM=1
  -sEXPORTED_FUNCTIONS=_main,_xadrez_sons_chegaram
  "SHELL:--preload-file \"${_primeiros}/img@/img\""
  "SHELL:--preload-file \"${_fonte_web}@/arial.ttf\"")
set_target_properties(xadrez PROPERTIES SUFFIX .js LINK_DEPENDS "${_imagens};${_fonte_web};${_funcoes}")

# The computer player's Web Worker: the page sends it the game's record and
# it answers the choice (src/escolha), so the page's only thread never waits
# for a search. A module of its own, without SDL, files or ASYNCIFY, built
# for speed; message passing only, no shared memory.
add_executable(xadrez-escolha ${PROJECT_SOURCE_DIR}/src/escolha/trabalhador.cpp)
target_link_libraries(xadrez-escolha PRIVATE escolha)
target_compile_options(algoritmo PRIVATE -O2)
target_link_options(xadrez-escolha PRIVATE
  -sBUILD_AS_WORKER=1 -sENVIRONMENT=worker -sALLOW_MEMORY_GROWTH=1
  -sEXPORTED_FUNCTIONS=_xadrez_escolhe)
set_target_properties(xadrez-escolha PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${XADREZ_RAIZ})

# The service worker lists every file of the page; its store is named after
# their hash, so a new build is stored whole, apart from the old one.
set(_pagina_arquivos index.html manifest.webmanifest xadrez.js xadrez.wasm xadrez.data sons.js sons.data
    icone.png icone-192.png icone-512.png xadrez-escolha.js xadrez-escolha.wasm)
# The game's own three files and the worker's two come from their links
# (DEPENDS xadrez xadrez-escolha); the sounds and icons from recursos, which
# the page's target waits for.
set(_pagina_caminhos ${XADREZ_RAIZ}/index.html ${XADREZ_RAIZ}/manifest.webmanifest ${_pacote_sons} ${_icones_pagina})
add_custom_command(
  OUTPUT ${XADREZ_RAIZ}/sw.js
  COMMAND ${CMAKE_COMMAND} "-DPASTA=${XADREZ_RAIZ}" "-DARQUIVOS=${_pagina_arquivos}"
          "-DMODELO=${CMAKE_CURRENT_LIST_DIR}/sw.js" -P ${CMAKE_CURRENT_LIST_DIR}/servico.cmake
  DEPENDS xadrez xadrez-escolha ${_pagina_caminhos} ${CMAKE_CURRENT_LIST_DIR}/sw.js ${CMAKE_CURRENT_LIST_DIR}/servico.cmake
  COMMENT "Writing the service worker of this build"
  VERBATIM)
add_custom_target(pagina ALL DEPENDS ${XADREZ_RAIZ}/sw.js)
add_dependencies(pagina recursos)
