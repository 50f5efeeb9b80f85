# The game's files for a build on another platform (the browser, Windows).
# The pictures, the effects and the font come from a native build, whose
# asset generator cannot run on the target; the tunes are rendered to OGG
# Vorbis with the desktop's sound font, since neither a page nor Wine has a
# General MIDI synthesiser to play the MIDI files, and Windows' own sounds
# different.
set(XADREZ_NATIVO "" CACHE PATH "Native build folder holding img/, audio/ and arial.ttf")
set(XADREZ_SOUNDFONT /usr/share/sounds/sf2/TimGM6mb.sf2 CACHE FILEPATH
    "General MIDI sound font the tunes are rendered with (the desktop game's own)")
if(NOT EXISTS "${XADREZ_NATIVO}/img/abertura.png" OR NOT EXISTS "${XADREZ_NATIVO}/arial.ttf")
  message(FATAL_ERROR "XADREZ_NATIVO must name a native build that has made its assets (target recursos and fonte)")
endif()
find_program(XADREZ_FLUIDSYNTH fluidsynth REQUIRED NO_CMAKE_FIND_ROOT_PATH)
# The game then loads the OGG tunes laid out below instead of the MIDI files.
add_compile_definitions(XADREZ_MUSICA_OGG)

# Adds the commands that lay out the game's files in DESTINO as the game
# loads them (img/*.png, audio/*.wav, audio/*.ogg, arial.ttf). Sets ARQUIVOS
# to the pictures, effects and tunes made and FONTE to the font.
function(xadrez_recursos_cruzados destino arquivos_var fonte_var)
  set(_arquivos)
  file(GLOB _nativos RELATIVE ${XADREZ_NATIVO} ${XADREZ_NATIVO}/img/*.png ${XADREZ_NATIVO}/audio/*.wav)
  foreach(_arquivo IN LISTS _nativos)
    add_custom_command(
      OUTPUT ${destino}/${_arquivo}
      COMMAND ${CMAKE_COMMAND} -E copy ${XADREZ_NATIVO}/${_arquivo} ${destino}/${_arquivo}
      DEPENDS ${XADREZ_NATIVO}/${_arquivo})
    list(APPEND _arquivos ${destino}/${_arquivo})
  endforeach()

  foreach(_tune abertura-fundo jogo-fundo)
    # As the desktop's mixer plays them: 22050 Hz, the gain SDL_mixer gives
    # FluidSynth at full music volume.
    add_custom_command(
      OUTPUT ${destino}/audio/${_tune}.ogg
      COMMAND ${CMAKE_COMMAND} -E make_directory ${destino}/audio
      COMMAND ${XADREZ_FLUIDSYNTH} -n -i -q -g 1.2 -r 22050 -T oga -F ${destino}/audio/${_tune}.ogg
              ${XADREZ_SOUNDFONT} ${XADREZ_NATIVO}/audio/${_tune}.mid
      DEPENDS ${XADREZ_NATIVO}/audio/${_tune}.mid ${XADREZ_SOUNDFONT}
      COMMENT "Rendering ${_tune}.mid to OGG Vorbis"
      VERBATIM)
    list(APPEND _arquivos ${destino}/audio/${_tune}.ogg)
  endforeach()

  add_custom_command(
    OUTPUT ${destino}/arial.ttf
    COMMAND ${CMAKE_COMMAND} -E copy ${XADREZ_NATIVO}/arial.ttf ${destino}/arial.ttf
    DEPENDS ${XADREZ_NATIVO}/arial.ttf)
  set(${arquivos_var} ${_arquivos} PARENT_SCOPE)
  set(${fonte_var} ${destino}/arial.ttf PARENT_SCOPE)
endfunction()
