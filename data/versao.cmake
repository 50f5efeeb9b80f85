# The version, its date and the maintainer are those of the newest entry of
# the changelog, so the package, the manual pages, the metadata and --version
# cannot disagree.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog _entrada LIMIT_COUNT 1)
if(NOT _entrada MATCHES "^xadrez \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\)")
  message(FATAL_ERROR "data/changelog does not start with an entry 'xadrez (X.Y.Z)'")
endif()
set(XADREZ_VERSAO ${CMAKE_MATCH_1})

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog _assinatura REGEX "^ -- " LIMIT_COUNT 1)
set(_meses Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
if(NOT _assinatura MATCHES "^ -- ([^<]+ <[^>]+>)  ")
  message(FATAL_ERROR "data/changelog: no maintainer in the newest entry's signature line")
endif()
set(XADREZ_MANTENEDOR ${CMAKE_MATCH_1})
if(NOT _assinatura MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "data/changelog: no date in the newest entry's signature line")
endif()
list(FIND _meses ${CMAKE_MATCH_2} _mes)
math(EXPR _mes "${_mes} + 1")
if(_mes LESS 10)
  set(_mes 0${_mes})
endif()
set(XADREZ_DATA_VERSAO ${CMAKE_MATCH_3}-${_mes}-${CMAKE_MATCH_1})
