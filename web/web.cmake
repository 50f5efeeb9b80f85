# The browser version, read by the top-level CMakeLists.txt under emscripten's
# toolchain (scripts/web drives both stages). The game's own libraries are
# built as on the desktop; SDL and its libraries are the static ones that
# cruzado/bibliotecas.sh built from Debian's sources; the game's files are
# laid out by cruzado/recursos.cmake and packed into the page.
set(XADREZ_WEB_BIBLIOTECAS "" CACHE PATH "Prefix of the SDL libraries built for the browser")
include(${CMAKE_CURRENT_LIST_DIR}/../cruzado/bibliotecas.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cruzado/recursos.cmake)

# Both threads as on the desktop: the game thread is a web worker.
add_compile_options(-pthread)
add_link_options(-pthread)

xadrez_bibliotecas_cruzadas(${XADREZ_WEB_BIBLIOTECAS})
find_package(Threads REQUIRED)

# The page's folder: the game's JavaScript, WebAssembly and packed files,
# and the page that loads them.
set(XADREZ_RAIZ ${CMAKE_BINARY_DIR}/pagina)
set(_dados ${CMAKE_BINARY_DIR}/dados)
configure_file(${CMAKE_CURRENT_LIST_DIR}/index.html ${XADREZ_RAIZ}/index.html COPYONLY)

# The same targets as on the desktop, so the game's executable depends on
# its files alike: recursos (pictures, effects, tunes) and fonte.
xadrez_recursos_cruzados(${_dados} _arquivos _fonte)
# The page's icon is the desktop's.
add_custom_command(
  OUTPUT ${XADREZ_RAIZ}/icone.png
  COMMAND ${CMAKE_COMMAND} -E copy ${XADREZ_NATIVO}/icones/64x64/apps/xadrez.png ${XADREZ_RAIZ}/icone.png
  DEPENDS ${XADREZ_NATIVO}/icones/64x64/apps/xadrez.png)
add_custom_target(recursos ALL DEPENDS ${_arquivos} ${XADREZ_RAIZ}/icone.png)

add_custom_target(fonte ALL DEPENDS ${_fonte})

add_subdirectory(src)
# Only the game goes into the page.
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
# ASYNCIFY lets the window loop's delay hand the main thread back to the
# browser at each pass; the files are packed and found at / as in the
# game's folder.
target_link_options(xadrez PRIVATE
  "@${_funcoes}"
  -sASYNCIFY -sPTHREAD_POOL_SIZE=2 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web,worker
  "SHELL:--preload-file \"${_dados}@/\"")
set_target_properties(xadrez PROPERTIES SUFFIX .js LINK_DEPENDS "${_arquivos};${_fonte};${_funcoes}")
