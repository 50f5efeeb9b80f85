# Finds the SDL libraries that cruzado/bibliotecas.sh built for another
# platform, in the prefix it printed, ahead of anything the toolchain's own
# folders hold (emscripten's SDL2 package would switch on its downloading
# port).
function(xadrez_bibliotecas_cruzadas prefixo)
  if(NOT EXISTS "${prefixo}/lib/libSDL2.a")
    message(FATAL_ERROR "'${prefixo}' is not a prefix that cruzado/bibliotecas.sh printed")
  endif()
  # Libraries rebuilt into a new prefix (after a change of their recipe) must
  # be found anew, not taken from where the cache found the old ones.
  if(DEFINED XADREZ_BIBLIOTECAS_USADAS AND NOT XADREZ_BIBLIOTECAS_USADAS STREQUAL prefixo)
    get_cmake_property(_variaveis CACHE_VARIABLES)
    foreach(_v IN LISTS _variaveis)
      string(FIND "${${_v}}" "${XADREZ_BIBLIOTECAS_USADAS}/" _onde)
      if(_onde EQUAL 0)
        unset(${_v} CACHE)
      endif()
    endforeach()
  endif()
  set(XADREZ_BIBLIOTECAS_USADAS "${prefixo}" CACHE INTERNAL "")
  list(PREPEND CMAKE_FIND_ROOT_PATH ${prefixo})
  list(APPEND CMAKE_PREFIX_PATH ${prefixo})
  # SDL2_image's package asks for libpng even though it decodes PNG with stb.
  add_library(PNG::PNG INTERFACE IMPORTED)
  foreach(_lib SDL2 SDL2_image SDL2_mixer SDL2_ttf)
    find_package(${_lib} REQUIRED CONFIG)
    # Static installs name their targets *-static; the game links the plain names.
    if(NOT TARGET ${_lib}::${_lib})
      add_library(${_lib}::${_lib} ALIAS ${_lib}::${_lib}-static)
    endif()
  endforeach()
endfunction()
