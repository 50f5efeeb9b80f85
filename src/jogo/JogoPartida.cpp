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
    guardaEstado();
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
    // can come back (but by a take back, which puts these ones back).
    if (peao || captura) {
        lancesSemCaptura = 0;
        estados.back()->historicoLimpo = true;
        estados.back()->historico.swap(historico);
    } else {
        lancesSemCaptura++;
    }
    historico.push_back(getPosicao());
}

void Jogo::guardaEstado() {
    std::unique_ptr<EstadoPartida> e(new EstadoPartida());
    for (int i = 0; i < 16; i++) {
        e->jogador[i] = jogadorPecas[i]->nova();
        e->computador[i] = computadorPecas[i]->nova();
    }
    if (jogUltimoMov != nullptr) e->jogUltimoMov.reset(new PecaMov(*jogUltimoMov));
    if (compUltimoMov != nullptr) e->compUltimoMov.reset(new PecaMov(*compUltimoMov));
    e->jogJogadaRepetidaCont = jogJogadaRepetidaCont;
    e->compJogadaRepetidaCont = compJogadaRepetidaCont;
    e->lancesSemCaptura = lancesSemCaptura;
    e->historicoTam = historico.size();
    e->registroTam = registro.size();
    e->vezComputador = vezComputador;
    estados.push_back(std::move(e));
}

// The latest kept game with a side at level Humano to move; -1 when there
// is none or the game is over.
int Jogo::getEstadoDesfazivel() {
    if (status != EM_JOGO) {
        return -1;
    }
    for (int i = static_cast<int>(estados.size()) - 1; i >= 0; i--) {
        if (getNivel(estados[i]->vezComputador) == HUMANO) {
            return i;
        }
    }
    return -1;
}

bool Jogo::isDesfazivel() { return getEstadoDesfazivel() >= 0; }

bool Jogo::desfazJogada() {
    int i = getEstadoDesfazivel();
    if (i < 0) {
        return false;
    }
    std::unique_ptr<EstadoPartida> e = std::move(estados[i]);
    estados.resize(i);

    // The selection and its targets point at the pieces about to go.
    jogadorJogadaPeca = nullptr;
    jogadasPossiveis->deletaTodasAsJogadas();
    deleta_pecas();
    for (int k = 0; k < 16; k++) {
        jogadorPecas[k] = e->jogador[k];
        computadorPecas[k] = e->computador[k];
        e->jogador[k] = nullptr;
        e->computador[k] = nullptr;
        // Kept while a piece may have been sliding.
        for (Peca* p : {jogadorPecas[k], computadorPecas[k]}) {
            p->setAnimPosX(0);
            p->setAnimPosY(0);
        }
    }
    delete jogUltimoMov;
    delete compUltimoMov;
    jogUltimoMov = e->jogUltimoMov.release();
    compUltimoMov = e->compUltimoMov.release();
    jogJogadaRepetidaCont = e->jogJogadaRepetidaCont;
    compJogadaRepetidaCont = e->compJogadaRepetidaCont;
    lancesSemCaptura = e->lancesSemCaptura;
    if (e->historicoLimpo) {
        historico = std::move(e->historico);
    }
    historico.resize(e->historicoTam);
    registro.resize(e->registroTam);
    vezComputador = e->vezComputador;
    geracao++;
    return true;
}

Jogo::MemoriaComputador Jogo::getMemoriaComputador() {
    MemoriaComputador m{};
    m.repetidaCont[0] = jogJogadaRepetidaCont;
    m.repetidaCont[1] = compJogadaRepetidaCont;
    for (int i = 0; i < 16; i++) {
        m.jogadaCont[0][i] = jogadorPecas[i]->getJogadaCont();
        m.jogadaCont[1][i] = computadorPecas[i]->getJogadaCont();
    }
    return m;
}

void Jogo::setMemoriaComputador(const MemoriaComputador& m) {
    jogJogadaRepetidaCont = m.repetidaCont[0];
    compJogadaRepetidaCont = m.repetidaCont[1];
    for (int i = 0; i < 16; i++) {
        jogadorPecas[i]->setJogadaCont(m.jogadaCont[0][i]);
        computadorPecas[i]->setJogadaCont(m.jogadaCont[1][i]);
    }
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
