# Writes the page's service worker (PASTA/sw.js) from MODELO: the list of the
# page's files (ARQUIVOS, relative to PASTA) with the SHA-256 of each, and a
# hash of them all, which names the store they are kept in. The pages carry
# no hash of their own: some hosts add to the HTML they serve.
set(_hashes "")
set(_lista "['./', null]")
foreach(_a IN LISTS ARQUIVOS)
  file(SHA256 "${PASTA}/${_a}" _h)
  string(APPEND _hashes "${_h} ${_a}\n")
  if(_a MATCHES "\\.html$")
    string(APPEND _lista ", ['${_a}', null]")
  else()
    string(APPEND _lista ", ['${_a}', '${_h}']")
  endif()
endforeach()
string(SHA256 _versao "${_hashes}")
string(SUBSTRING "${_versao}" 0 16 VERSAO)
set(ARQUIVOS "${_lista}")
configure_file("${MODELO}" "${PASTA}/sw.js" @ONLY)
