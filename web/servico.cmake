# Writes the page's service worker (PASTA/sw.js) from MODELO: the list of the
# page's files (ARQUIVOS, relative to PASTA) and a hash of their contents,
# which names the store they are kept in.
set(_hashes "")
set(_lista "'./'")
foreach(_a IN LISTS ARQUIVOS)
  file(SHA256 "${PASTA}/${_a}" _h)
  string(APPEND _hashes "${_h} ${_a}\n")
  string(APPEND _lista ", '${_a}'")
endforeach()
string(SHA256 _versao "${_hashes}")
string(SUBSTRING "${_versao}" 0 16 VERSAO)
set(ARQUIVOS "${_lista}")
configure_file("${MODELO}" "${PASTA}/sw.js" @ONLY)
