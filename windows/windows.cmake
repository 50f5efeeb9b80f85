# The version for 64-bit Windows, read by the top-level CMakeLists.txt under
# windows/mingw.cmake (scripts/windows drives both stages). The game's own
# libraries are built as on the desktop; SDL and its libraries are the static
# ones that cruzado/bibliotecas.sh built from Debian's sources; the game's
# files are laid out by cruzado/recursos.cmake beside the executables, as in
# a desktop build folder. Target pacotes makes the portable zip and the
# installer; target testes, the unit tests that run under Wine.
set(XADREZ_WINDOWS_BIBLIOTECAS "" CACHE PATH "Prefix of the SDL libraries built for Windows")
include(${CMAKE_CURRENT_LIST_DIR}/../cruzado/bibliotecas.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cruzado/recursos.cmake)
find_program(XADREZ_ICOTOOL icotool REQUIRED)
find_program(XADREZ_MAKENSIS makensis REQUIRED)

# Each executable carries the C and C++ runtimes and winpthreads, so it
# needs no DLL beside it, only Windows' own.
add_link_options(-static $<$<CONFIG:Release>:-s>)
xadrez_bibliotecas_cruzadas(${XADREZ_WINDOWS_BIBLIOTECAS})
find_package(Threads REQUIRED)

# The game's files lie beside the executables, here and when installed.
set(XADREZ_RAIZ ${CMAKE_BINARY_DIR})
set(XADREZ_DADOS_RELATIVO .)
xadrez_recursos_cruzados(${XADREZ_RAIZ} _arquivos _fonte)
add_custom_target(recursos ALL DEPENDS ${_arquivos})
add_custom_target(fonte ALL DEPENDS ${_fonte})

add_subdirectory(src)
add_subdirectory(tools/posicao)
# The game has a window and no console; the tools are console programs.
set_target_properties(xadrez PROPERTIES WIN32_EXECUTABLE ON)

# The icon, from the desktop's pictures of it (Windows scales the largest
# down to its small sizes), and the version information of each program.
set(_icone ${CMAKE_BINARY_DIR}/xadrez.ico)
set(_pngs)
foreach(_tamanho 48 64 128)
  list(APPEND _pngs ${XADREZ_NATIVO}/icones/${_tamanho}x${_tamanho}/apps/xadrez.png)
endforeach()
set(_png256 ${XADREZ_NATIVO}/icones/256x256/apps/xadrez.png)
add_custom_command(
  OUTPUT ${_icone}
  COMMAND ${XADREZ_ICOTOOL} -c -o ${_icone} ${_pngs} --raw=${_png256}
  DEPENDS ${_pngs} ${_png256}
  VERBATIM)
add_custom_target(icone DEPENDS ${_icone})
string(REPLACE "." "," XADREZ_VERSAO_RC "${PROJECT_VERSION}")
foreach(_programa IN ITEMS "xadrez|Jogo de Xadrez"
                           "xadrez-uci|Jogo de Xadrez: motor UCI"
                           "xadrez-posicao|Jogo de Xadrez: ferramenta de posições")
  string(REPLACE "|" ";" _programa "${_programa}")
  list(GET _programa 0 XADREZ_RC_NOME)
  list(GET _programa 1 XADREZ_RC_DESCRICAO)
  set(XADREZ_RC_ICONE ${_icone})
  set(_rc ${CMAKE_BINARY_DIR}/${XADREZ_RC_NOME}.rc)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/programa.rc.in ${_rc} @ONLY)
  target_sources(${XADREZ_RC_NOME} PRIVATE ${_rc})
  set_source_files_properties(${_rc} TARGET_DIRECTORY ${XADREZ_RC_NOME} PROPERTIES OBJECT_DEPENDS ${_icone})
  add_dependencies(${XADREZ_RC_NOME} icone)
endforeach()

# The package's folder: the three programs, the game's files and the
# licences of what the programs hold (the game's, the font's, SDL's and its
# libraries', FreeType's). Pairs of source and place in the folder.
set(XADREZ_PACOTE xadrez-${PROJECT_VERSION}-win64)
set(_pasta ${CMAKE_BINARY_DIR}/${XADREZ_PACOTE})
set(_origens)
set(_destinos)
foreach(_programa xadrez xadrez-uci xadrez-posicao)
  list(APPEND _origens $<TARGET_FILE:${_programa}>)
  list(APPEND _destinos ${_programa}.exe)
endforeach()
foreach(_arquivo IN LISTS _arquivos _fonte)
  file(RELATIVE_PATH _relativo ${XADREZ_RAIZ} ${_arquivo})
  list(APPEND _origens ${_arquivo})
  list(APPEND _destinos ${_relativo})
endforeach()
list(APPEND _origens ${PROJECT_SOURCE_DIR}/COPYING /usr/share/doc/fonts-liberation2/copyright)
list(APPEND _destinos licencas/xadrez.txt licencas/fonte-liberation.txt)
file(GLOB _licencas ${XADREZ_WINDOWS_BIBLIOTECAS}/share/licencas/*.txt)
foreach(_licenca IN LISTS _licencas)
  get_filename_component(_nome ${_licenca} NAME)
  list(APPEND _origens ${_licenca})
  list(APPEND _destinos licencas/${_nome})
endforeach()

# What the installer puts in place and what its uninstaller removes: these
# files and nothing else, then the folders if they are left empty.
set(_instala "")
set(_desinstala "")
set(_pastas "")
set(_copias)
foreach(_origem _destino IN ZIP_LISTS _origens _destinos)
  list(APPEND _copias COMMAND ${CMAKE_COMMAND} -E copy ${_origem} ${_pasta}/${_destino})
  get_filename_component(_sub ${_destino} DIRECTORY)
  string(REPLACE "/" "\\" _destino_win "${_destino}")
  string(REPLACE "/" "\\" _sub_win "${_sub}")
  string(APPEND _instala "SetOutPath \"$INSTDIR\\${_sub_win}\"\nFile \"${_pasta}/${_destino}\"\n")
  string(APPEND _desinstala "Delete \"$INSTDIR\\${_destino_win}\"\n")
  if(_sub AND NOT "${_sub_win}" IN_LIST _pastas)
    list(APPEND _pastas "${_sub_win}")
  endif()
endforeach()
foreach(_sub IN LISTS _pastas)
  string(APPEND _desinstala "RMDir \"$INSTDIR\\${_sub}\"\n")
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/instalador/instala.nsh "${_instala}")
file(WRITE ${CMAKE_BINARY_DIR}/instalador/desinstala.nsh "${_desinstala}")

set(_zip ${CMAKE_BINARY_DIR}/${XADREZ_PACOTE}.zip)
set(_instalador ${CMAKE_BINARY_DIR}/${XADREZ_PACOTE}-instalador.exe)
add_custom_command(
  OUTPUT ${_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${_pasta} ${_zip}
  ${_copias}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${_zip} --format=zip ${XADREZ_PACOTE}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS xadrez xadrez-uci xadrez-posicao ${_arquivos} ${_fonte} ${PROJECT_SOURCE_DIR}/COPYING ${_licencas}
  COMMENT "Laying out ${XADREZ_PACOTE}/ and zipping it"
  VERBATIM)
add_custom_command(
  OUTPUT ${_instalador}
  COMMAND ${XADREZ_MAKENSIS} -V2 -INPUTCHARSET UTF8
          -DVERSAO=${PROJECT_VERSION} -DSAIDA=${_instalador} -DICONE=${_icone}
          -DLICENCA=${PROJECT_SOURCE_DIR}/COPYING
          -DINSTALA=${CMAKE_BINARY_DIR}/instalador/instala.nsh
          -DDESINSTALA=${CMAKE_BINARY_DIR}/instalador/desinstala.nsh
          ${CMAKE_CURRENT_LIST_DIR}/xadrez.nsi
  DEPENDS ${_zip} ${_icone} ${CMAKE_CURRENT_LIST_DIR}/xadrez.nsi
  COMMENT "Making the installer ${XADREZ_PACOTE}-instalador.exe"
  VERBATIM)
add_custom_target(pacotes ALL DEPENDS ${_zip} ${_instalador})
# For the scripts, which print them.
file(WRITE ${CMAKE_BINARY_DIR}/pacotes.txt "${_zip}\n${_instalador}\n")

# The unit tests of the rules, the position tools, the search and the UCI
# engine's set-up, with GoogleTest from Debian's sources; built by target
# testes, run under Wine by scripts/test-windows.
if(XADREZ_TESTS)
  set(BUILD_GMOCK OFF)
  set(INSTALL_GTEST OFF)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  function(xadrez_teste nome)
    cmake_parse_arguments(T "" "TIMEOUT" "FONTES;LIBS" ${ARGN})
    add_executable(${nome} EXCLUDE_FROM_ALL ${T_FONTES})
    target_link_libraries(${nome} PRIVATE ${T_LIBS} GTest::gtest_main Threads::Threads)
    set_target_properties(${nome} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testes)
  endfunction()
  foreach(_pasta jogo algoritmo posicao)
    add_subdirectory(tests/${_pasta})
  endforeach()
  # The rest of tests/uci drives the engine as a POSIX process.
  xadrez_teste(teste_partida_uci FONTES tests/uci/PartidaUCITeste.cpp LIBS uci)
  add_custom_target(testes DEPENDS
    teste_modelo teste_regras teste_busca teste_busca_forte teste_escolha teste_posicao teste_perft teste_partida_uci)
endif()
