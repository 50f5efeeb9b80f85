#include "escolha/PedidoEscolha.h"

#include <sstream>

namespace {

const char* const CABECALHO = "xadrez-pedido 1";
// Far beyond any game the rules let last.
const long LANCES_MAXIMOS = 100000;

bool isCasa(int x, int y) { return x >= 0 && x < 8 && y >= 0 && y < 8; }

}  // namespace

PedidoEscolha PedidoEscolha::doJogo(Jogo* jogo, bool isDica) {
    PedidoEscolha p;
    p.isComp = jogo->isVezComputador();
    p.nivel = isDica ? Jogo::PERITO : jogo->getNivel(p.isComp);
    p.isDica = isDica;
    p.fenInicial = jogo->getFENInicial();
    p.lances = jogo->getRegistro();
    p.memoria = jogo->getMemoriaComputador();
    return p;
}

// The FEN has a line of its own (it holds spaces); numbers follow.
std::string PedidoEscolha::codifica() const {
    // A FEN is read field by field, so a line break in it is a space.
    std::string fen = fenInicial;
    for (char& c : fen) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::ostringstream s;
    s << CABECALHO << '\n' << fen << '\n';
    s << id << ' ' << partida << ' ' << nivel << ' ' << isComp << ' ' << isDica << ' ' << lances.size();
    for (const LanceJogado& l : lances) {
        s << ' ' << l.deX << ' ' << l.deY << ' ' << l.paraX << ' ' << l.paraY << ' ' << l.promocao;
    }
    s << ' ' << memoria.repetidaCont[0] << ' ' << memoria.repetidaCont[1];
    for (const auto& lado : memoria.jogadaCont) {
        for (int n : lado) s << ' ' << n;
    }
    s << '\n';
    return s.str();
}

bool PedidoEscolha::decodifica(const std::string& texto, PedidoEscolha* p) {
    std::istringstream s(texto);
    std::string cabecalho;
    if (!std::getline(s, cabecalho) || cabecalho != CABECALHO || !std::getline(s, p->fenInicial)) return false;
    long n = 0;
    if (!(s >> p->id >> p->partida >> p->nivel >> p->isComp >> p->isDica >> n)) return false;
    if (p->nivel < Jogo::FACIL || p->nivel > Jogo::NIVEL_MAXIMO || n < 0 || n > LANCES_MAXIMOS) return false;
    p->lances.assign(static_cast<std::size_t>(n), LanceJogado{});
    for (LanceJogado& l : p->lances) {
        if (!(s >> l.deX >> l.deY >> l.paraX >> l.paraY >> l.promocao)) return false;
        if (!isCasa(l.deX, l.deY) || !isCasa(l.paraX, l.paraY)) return false;
    }
    if (!(s >> p->memoria.repetidaCont[0] >> p->memoria.repetidaCont[1])) return false;
    for (auto& lado : p->memoria.jogadaCont) {
        for (int& c : lado) {
            if (!(s >> c)) return false;
        }
    }
    std::string resto;
    return !(s >> resto);
}
