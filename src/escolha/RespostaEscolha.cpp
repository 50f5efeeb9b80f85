#include "escolha/RespostaEscolha.h"

#include <sstream>

namespace {
const char* const CABECALHO = "xadrez-resposta 1";
}  // namespace

std::string RespostaEscolha::codifica() const {
    std::ostringstream s;
    s << CABECALHO << '\n' << id << ' ' << achou << ' ' << deX << ' ' << deY << ' ' << paraX << ' ' << paraY << ' '
      << promocao << ' ' << memoria.repetidaCont[0] << ' ' << memoria.repetidaCont[1];
    for (const auto& lado : memoria.jogadaCont) {
        for (int n : lado) s << ' ' << n;
    }
    s << '\n';
    return s.str();
}

bool RespostaEscolha::decodifica(const std::string& texto, RespostaEscolha* r) {
    std::istringstream s(texto);
    std::string cabecalho;
    if (!std::getline(s, cabecalho) || cabecalho != CABECALHO) return false;
    if (!(s >> r->id >> r->achou >> r->deX >> r->deY >> r->paraX >> r->paraY >> r->promocao)) return false;
    for (int v : {r->deX, r->deY, r->paraX, r->paraY}) {
        if (v < 0 || v > 7) return false;
    }
    if (!(s >> r->memoria.repetidaCont[0] >> r->memoria.repetidaCont[1])) return false;
    for (auto& lado : r->memoria.jogadaCont) {
        for (int& c : lado) {
            if (!(s >> c)) return false;
        }
    }
    std::string resto;
    return !(s >> resto);
}
