#include "escolha/PedidoEscolha.h"

#include "escolha/RespostaEscolha.h"

namespace {

const char* const CABECALHO = "xadrez-pedido 1\n";
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
    std::string s = CABECALHO;
    for (char c : fenInicial) {
        // A FEN is read field by field, so a line break in it is a space.
        s += c == '\n' || c == '\r' ? ' ' : c;
    }
    s += '\n';
    RespostaEscolha::escreveNumeros(s, {id, partida, nivel, isComp, isDica, static_cast<long>(lances.size())});
    for (const LanceJogado& l : lances) {
        RespostaEscolha::escreveNumeros(s, {l.deX, l.deY, l.paraX, l.paraY, l.promocao});
    }
    RespostaEscolha::escreveMemoria(s, memoria);
    return s;
}

bool PedidoEscolha::decodifica(const std::string& texto, PedidoEscolha* p) {
    std::string cabecalho = CABECALHO;
    std::size_t fimFen = texto.find('\n', cabecalho.size());
    if (texto.compare(0, cabecalho.size(), cabecalho) != 0 || fimFen == std::string::npos) return false;
    p->fenInicial = texto.substr(cabecalho.size(), fimFen - cabecalho.size());
    const char* c = texto.c_str() + fimFen + 1;
    long v[6];
    for (long& n : v) {
        if (!RespostaEscolha::leNumero(&c, &n)) return false;
    }
    p->id = v[0];
    p->partida = v[1];
    p->nivel = static_cast<int>(v[2]);
    p->isComp = v[3] != 0;
    p->isDica = v[4] != 0;
    if (p->nivel < Jogo::FACIL || p->nivel > Jogo::NIVEL_MAXIMO || v[5] < 0 || v[5] > LANCES_MAXIMOS) return false;
    p->lances.assign(static_cast<std::size_t>(v[5]), LanceJogado{});
    for (LanceJogado& l : p->lances) {
        long m[5];
        for (long& n : m) {
            if (!RespostaEscolha::leNumero(&c, &n)) return false;
        }
        l = LanceJogado{static_cast<int>(m[0]), static_cast<int>(m[1]), static_cast<int>(m[2]),
                        static_cast<int>(m[3]), static_cast<int>(m[4])};
        if (!isCasa(l.deX, l.deY) || !isCasa(l.paraX, l.paraY)) return false;
    }
    return RespostaEscolha::leMemoria(&c, &p->memoria) && RespostaEscolha::isFim(c);
}
