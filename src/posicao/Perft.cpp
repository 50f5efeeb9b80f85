#include "Perft.h"

#include "PosicaoFEN.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/CopiaPecas.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"
#include "jogo/Tabuleiro.h"

namespace {

// Each piece's list as the game makes it when that piece is selected, with
// castling, in slot order.
template <class F>
void paraCadaLista(Jogo* jogo, Tabuleiro& t, bool isComp, F f) {
    Peca** lado = isComp ? t.getComputadorPecas() : t.getJogadorPecas();
    JogadaLista lista;
    for (int i = 0; i < 16; i++) {
        Peca* p = lado[i];
        if (p->isRemovida()) {
            continue;
        }
        lista.deletaTodasAsJogadas();
        jogo->calculaJogadasLegais(&lista, t, p->getPosX(), p->getPosY(), p->getTipo(), isComp, false);
        f(i, lista);
    }
}

std::vector<Perft::Lance> legaisEm(Jogo* jogo, Tabuleiro& t, bool isComp) {
    std::vector<Perft::Lance> lances;
    paraCadaLista(jogo, t, isComp, [&](int slot, JogadaLista& lista) {
        for (int j = 0; j < lista.getTam(); j++) {
            lances.push_back({slot, lista.getJogada(j)->nova()});
        }
    });
    return lances;
}

// The move is made on t, so t.desfaz takes it back; the mover's counter
// grows after move2 saved the piece, so that is taken back too.
void jogaEm(Jogo* jogo, Tabuleiro& t, bool isComp, const Perft::Lance& lance) {
    Peca* peca = (isComp ? t.getComputadorPecas() : t.getJogadorPecas())[lance.slot];
    int x1 = peca->getPosX();
    int y1 = peca->getPosY();
    t.move2(peca, lance.jogada);
    peca->setMoveuContador(peca->getMoveuContador() + 1);
    jogo->setUltimoMov(new PecaMov(x1, y1, lance.jogada->getPosX(), lance.jogada->getPosY(), isComp));
}

long contaEm(Jogo* jogo, Tabuleiro& t, bool isComp, int profundidade) {
    if (profundidade <= 0) {
        return 1;
    }
    long total = 0;
    if (profundidade == 1) {
        paraCadaLista(jogo, t, isComp, [&](int, JogadaLista& lista) { total += lista.getTam(); });
        return total;
    }
    // Every move is listed before any is played: the lists read the
    // opponent's last move, which the moves below change. Only the mover's
    // last move is read below this node, and each move sets it before going
    // down, so nothing but the pieces needs taking back.
    std::vector<Perft::Lance> lances = legaisEm(jogo, t, isComp);
    for (const Perft::Lance& l : lances) {
        int marca = t.marca();
        jogaEm(jogo, t, isComp, l);
        total += contaEm(jogo, t, !isComp, profundidade - 1);
        t.desfaz(marca);
    }
    Perft::libera(lances);
    return total;
}

}  // namespace

std::vector<Perft::Lance> Perft::legais(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp) {
    Tabuleiro t(jogador, computador);
    return legaisEm(jogo, t, isComp);
}

void Perft::libera(std::vector<Lance>& lances) {
    for (auto& l : lances) {
        delete l.jogada;
    }
    lances.clear();
}

void Perft::joga(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp, const Lance& lance) {
    Tabuleiro t(jogador, computador);
    jogaEm(jogo, t, isComp, lance);
}

long Perft::conta(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp, int profundidade) {
    CopiaPecas copia(jogador, computador);
    Tabuleiro t(copia.getJogador(), copia.getComputador());
    return contaEm(jogo, t, isComp, profundidade);
}

std::vector<std::pair<std::string, long>> Perft::divide(Jogo* jogo, bool isComp, int profundidade) {
    std::vector<std::pair<std::string, long>> resultado;
    CopiaPecas copia(jogo->getJogadorPecas(), jogo->getComputadorPecas());
    Tabuleiro t(copia.getJogador(), copia.getComputador());
    std::vector<Lance> lances = legaisEm(jogo, t, isComp);
    for (const Lance& l : lances) {
        Peca* peca = (isComp ? t.getComputadorPecas() : t.getJogadorPecas())[l.slot];
        std::string nome = PosicaoFEN::notacao(peca, l.jogada);
        int marca = t.marca();
        jogaEm(jogo, t, isComp, l);
        resultado.emplace_back(nome, contaEm(jogo, t, !isComp, profundidade - 1));
        t.desfaz(marca);
    }
    libera(lances);
    return resultado;
}
