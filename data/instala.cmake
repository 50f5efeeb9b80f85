# Run by `cmake --install` after the variables XADREZ_* have been set:
# writes the menu entry with the installed executable's full path, so it starts
# from any prefix, and links arial.ttf to the system's font.

function(xadrez_completo caminho saida)
  if(IS_ABSOLUTE "${caminho}")
    set(${saida} "${caminho}" PARENT_SCOPE)
  else()
    set(${saida} "${CMAKE_INSTALL_PREFIX}/${caminho}" PARENT_SCOPE)
  endif()
endfunction()

function(xadrez_registra arquivo)
  message(STATUS "Installing: ${arquivo}")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${arquivo}")
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

xadrez_completo("${XADREZ_BINDIR}/xadrez" XADREZ_EXEC)
xadrez_completo("${XADREZ_ENTRADA}" _entrada)
configure_file("${XADREZ_ENTRADA_MODELO}" "$ENV{DESTDIR}${_entrada}" @ONLY)
xadrez_registra("$ENV{DESTDIR}${_entrada}")

# Debian wants a link within one top folder (/usr) relative, and across top
# folders absolute; a prefix such as ~/.local gets the absolute one.
xadrez_completo("${XADREZ_FONTE_LINK}" _link)
get_filename_component(_pasta_link "${_link}" DIRECTORY)
string(REGEX MATCH "^/[^/]+" _topo_link "${_link}")
string(REGEX MATCH "^/[^/]+" _topo_fonte "${XADREZ_FONTE}")
if(_topo_link STREQUAL _topo_fonte)
  file(RELATIVE_PATH _alvo "${_pasta_link}" "${XADREZ_FONTE}")
else()
  set(_alvo "${XADREZ_FONTE}")
endif()
file(MAKE_DIRECTORY "$ENV{DESTDIR}${_pasta_link}")
file(REMOVE "$ENV{DESTDIR}${_link}")
file(CREATE_LINK "${_alvo}" "$ENV{DESTDIR}${_link}" SYMBOLIC)
xadrez_registra("$ENV{DESTDIR}${_link}")
