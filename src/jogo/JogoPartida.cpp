// The record of a game as it is played, and the ends of a game that follow
// from it: checkmate and stalemate, then the draws that the Laws of Chess
// apply by themselves (no claim exists in this game).
#include <algorithm>
#include <cstdlib>

#include "jogo/CopiaPecas.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"
#include "jogo/Tabuleiro.h"

void Jogo::executaJogada(Peca* peca, Jogada* jogada, int promocao) {
    if (historico.empty()) {
        historico.push_back(getPosicao());
    }
    bool vez = vezComputador;
    bool peao = peca->getTipo() == PEAO;
    bool captura = jogada->getCaptura() != nullptr;

    PecaMov* mov = new PecaMov(peca->getPosX(), peca->getPosY(), jogada->getPosX(), jogada->getPosY(), vez);
    move2(peca, jogada);
    if (promocao != 0 && peao && peca->getTipo() == RAINHA) {
        peca->setTipo(promocao);
    }
    setUltimoMov(mov);
    registro.push_back({mov->getX1(), mov->getY1(), mov->getX2(), mov->getY2(),
                        peao && peca->getTipo() != PEAO ? peca->getTipo() : 0});
    vezComputador = !vez;
    peca->setMoveuContador(peca->getMoveuContador() + 1);

    // Neither a capture nor a pawn move can be undone: no earlier position
    // can come back.
    if (peao || captura) {
        lancesSemCaptura = 0;
        historico.clear();
    } else {
        lancesSemCaptura++;
    }
    historico.push_back(getPosicao());
}

int Jogo::verificaFimDePartida(int* motivo) {
    int r = isEstaEmXequeMateOuEmpate(true);
    if (r == EM_JOGO) {
        r = isEstaEmXequeMateOuEmpate(false);
    }
    int porque = 0;
    if (r != EM_JOGO) {
        porque = r == EMPATE ? FIM_AFOGAMENTO : FIM_XEQUE_MATE;
    } else if (isRepeticaoQuintupla()) {
        porque = FIM_REPETICAO;
    } else if (lancesSemCaptura >= LANCES_SEM_CAPTURA_EMPATE) {
        porque = FIM_75_LANCES;
    } else if (isMaterialInsuficiente(jogadorPecas, computadorPecas)) {
        porque = FIM_MATERIAL_INSUFICIENTE;
    }
    if (r == EM_JOGO && porque != 0) {
        r = EMPATE;
    }
    if (motivo != nullptr) {
        *motivo = porque;
    }
    return r;
}

bool Jogo::isRepeticaoQuintupla() {
    return !historico.empty() &&
           std::count(historico.begin(), historico.end(), historico.back()) >= REPETICOES_EMPATE;
}

bool Jogo::isMaterialInsuficiente(Peca** jogador, Peca** computador) {
    int cavalos = 0;
    int bispos = 0;
    int coresDosBispos = 0;  // bit 1: a light square, bit 2: a dark one
    for (int lado = 0; lado < 2; lado++) {
        Peca** pecas = lado == 0 ? jogador : computador;
        for (int i = 0; i < 16; i++) {
            Peca* p = pecas[i];
            if (p->isRemovida() || p->getTipo() == REI) {
                continue;
            }
            if (p->getTipo() == CAVALO) {
                cavalos++;
            } else if (p->getTipo() == BISPO) {
                bispos++;
                coresDosBispos |= (p->getPosX() + p->getPosY()) % 2 == 0 ? 1 : 2;
            } else {
                return false;
            }
        }
    }
    return cavalos + bispos <= 1 || (cavalos == 0 && coresDosBispos != 3);
}

Posicao Jogo::getPosicao() {
    Posicao p{};
    int roque = 0;
    for (int lado = 0; lado < 2; lado++) {
        bool isComp = lado == 1;
        Peca** pecas = isComp ? computadorPecas : jogadorPecas;
        for (int i = 0; i < 16; i++) {
            Peca* peca = pecas[i];
            if (!peca->isRemovida()) {
                p.casas[peca->getPosY() * 8 + peca->getPosX()] =
                    static_cast<unsigned char>(peca->getTipo() + (isComp ? 8 : 0));
            }
        }
        // As the king's generator allows castling: the king and the piece
        // in the corner have never moved.
        int fundo = isComp ? 0 : 7;
        Peca* rei = nullptr;
        for (int i = 0; i < 16; i++) {
            if (!pecas[i]->isRemovida() && pecas[i]->getTipo() == REI) rei = pecas[i];
        }
        if (rei == nullptr || rei->getMoveuContador() != 0) {
            continue;
        }
        for (int k = 0; k < 2; k++) {
            Peca* torre = getPeca(pecas, k == 0 ? 7 : 0, fundo);
            if (torre != nullptr && torre->getTipo() == TORRE && torre->getMoveuContador() == 0) {
                roque |= 1 << (lado * 2 + k);
            }
        }
    }
    p.vezComputador = vezComputador;
    p.roques = static_cast<unsigned char>(roque);
    p.enPassant = static_cast<signed char>(colunaEnPassant());
    return p;
}

// The column of a pawn that has just made a double step when the side to
// move can legally take it en passant; -1 otherwise.
int Jogo::colunaEnPassant() {
    bool isComp = vezComputador;
    PecaMov* ultimo = getUltimoMov(!isComp);
    if (ultimo == nullptr || ultimo->getX1() != ultimo->getX2() || std::abs(ultimo->getY1() - ultimo->getY2()) != 2) {
        return -1;
    }
    CopiaPecas copia(jogadorPecas, computadorPecas);
    Tabuleiro t(copia.getJogador(), copia.getComputador());
    JogadaLista lista;
    for (int dx = -1; dx <= 1; dx += 2) {
        Peca* p = isComp ? t.getComputadorPeca(ultimo->getX2() + dx, ultimo->getY2())
                         : t.getJogadorPeca(ultimo->getX2() + dx, ultimo->getY2());
        if (p == nullptr || p->getTipo() != PEAO) {
            continue;
        }
        lista.deletaTodasAsJogadas();
        calculaJogadasLegais(&lista, t, p->getPosX(), p->getPosY(), PEAO, isComp, true);
        for (int j = 0; j < lista.getTam(); j++) {
            if (lista.getJogada(j)->getTipo() == JOGADA_EN_PASSANT) {
                return ultimo->getX2();
            }
        }
    }
    return -1;
}
