#include "jogo/Tabuleiro.h"

#include <cstring>

#include "jogo/Jogada.h"
#include "jogo/JogadaRoque.h"
#include "jogo/JogoConstantes.h"

namespace {

bool noTabuleiro(const Peca* p) {
    return !p->isRemovida() && p->getPosX() >= 0 && p->getPosX() <= 7 && p->getPosY() >= 0 &&
           p->getPosY() <= 7;
}

int casa(const Peca* p) { return p->getPosY() * 8 + p->getPosX(); }

}  // namespace

Tabuleiro::Tabuleiro(Peca** jogador, Peca** computador) : jogador(jogador), computador(computador) {
    reindexa();
}

void Tabuleiro::reindexa() {
    std::memset(casas, -1, sizeof casas);
    std::memset(tipos, 0, sizeof tipos);
    std::memset(ocupadas, 0, sizeof ocupadas);
    for (int lado = 0; lado < 2; lado++) {
        Peca** pecas = lado == 0 ? jogador : computador;
        // Backwards, so that the lowest slot on a square is the one kept.
        for (int i = 15; i >= 0; i--) {
            if (pecas[i] != nullptr) {
                poeNoIndice(pecas[i], lado, i);
            }
        }
    }
    guardadas.clear();
}

void Tabuleiro::localiza(Peca* peca, int* lado, int* slot) const {
    if (noTabuleiro(peca)) {
        int c = casa(peca);
        for (int l = 0; l < 2; l++) {
            int i = casas[l][c];
            if (i >= 0 && (l == 0 ? jogador : computador)[i] == peca) {
                *lado = l;
                *slot = i;
                return;
            }
        }
    }
    for (int i = 0; i < 16; i++) {
        for (int l = 0; l < 2; l++) {
            if ((l == 0 ? jogador : computador)[i] == peca) {
                *lado = l;
                *slot = i;
                return;
            }
        }
    }
    // Not a piece of these sets: it changes, but no square knows it.
    *lado = -1;
    *slot = -1;
}

void Tabuleiro::guarda(Peca* peca, int lado, int slot) {
    guardadas.emplace_back();
    Guardada& g = guardadas.back();
    g.peca = peca;
    g.lado = lado;
    g.slot = slot;
    std::memcpy(g.antes, static_cast<const void*>(peca), sizeof(Peca));
}

void Tabuleiro::tiraDoIndice(const Peca* peca, int lado, int slot) {
    if (lado < 0 || !noTabuleiro(peca)) return;
    int c = casa(peca);
    if (casas[lado][c] == slot) {
        casas[lado][c] = -1;
        std::uint64_t bit = std::uint64_t{1} << c;
        tipos[lado][peca->getTipo() & 7] &= ~bit;
        ocupadas[lado] &= ~bit;
    }
}

void Tabuleiro::poeNoIndice(const Peca* peca, int lado, int slot) {
    if (lado < 0 || !noTabuleiro(peca)) return;
    int c = casa(peca);
    signed char& i = casas[lado][c];
    if (i < 0 || i > slot) {
        i = static_cast<signed char>(slot);
        std::uint64_t bit = std::uint64_t{1} << c;
        tipos[lado][peca->getTipo() & 7] |= bit;
        ocupadas[lado] |= bit;
    }
}

void Tabuleiro::desfaz(int marca) {
    while (static_cast<int>(guardadas.size()) > marca) {
        Guardada& g = guardadas.back();
        tiraDoIndice(g.peca, g.lado, g.slot);
        std::memcpy(static_cast<void*>(g.peca), g.antes, sizeof(Peca));
        poeNoIndice(g.peca, g.lado, g.slot);
        guardadas.pop_back();
    }
}

void Tabuleiro::removeDaCasa(Peca* peca, int lado, int slot) {
    guarda(peca, lado, slot);
    tiraDoIndice(peca, lado, slot);
    peca->setRemovida(true);
}

void Tabuleiro::mudaDeCasa(Peca* peca, int lado, int slot, int x2, int y2) {
    guarda(peca, lado, slot);
    tiraDoIndice(peca, lado, slot);
    peca->setPosX(x2);
    peca->setPosY(y2);
    poeNoIndice(peca, lado, slot);
}

void Tabuleiro::remove(Peca* peca) {
    int lado, slot;
    localiza(peca, &lado, &slot);
    removeDaCasa(peca, lado, slot);
}

bool Tabuleiro::move(int x1, int y1, int x2, int y2) {
    int lado, slot;
    Peca* alvo = dentro(x2, y2) ? naCasa(y2 * 8 + x2, &lado, &slot) : nullptr;
    if (alvo != nullptr) {
        removeDaCasa(alvo, lado, slot);
    }
    Peca* p = dentro(x1, y1) ? naCasa(y1 * 8 + x1, &lado, &slot) : nullptr;
    if (p == nullptr) {
        return false;
    }
    mudaDeCasa(p, lado, slot, x2, y2);
    return true;
}

void Tabuleiro::move2(Peca* peca, Jogada* jogada) {
    int lado, slot;
    localiza(peca, &lado, &slot);
    guarda(peca, lado, slot);
    peca->setAnimPosX(0);
    peca->setAnimPosY(0);
    if (jogada->getTipo() == JogoConstantes::JOGADA_ROQUE) {
        JogadaRoque* roque = static_cast<JogadaRoque*>(jogada);
        int ladoTorre, slotTorre;
        Peca* torre = dentro(roque->getTorre()->getPosX(), roque->getTorre()->getPosY())
                          ? naCasa(casa(roque->getTorre()), &ladoTorre, &slotTorre)
                          : nullptr;
        if (torre != nullptr) {
            guarda(torre, ladoTorre, slotTorre);
            torre->setAnimPosX(0);
            torre->setAnimPosY(0);
        }
        move(roque->getRei()->getPosX(), roque->getRei()->getPosY(), roque->getReiPosX(),
             roque->getReiPosY());
        move(roque->getTorre()->getPosX(), roque->getTorre()->getPosY(), roque->getTorrePosX(),
             roque->getTorrePosY());
    } else {
        if (jogada->getTipo() == JogoConstantes::JOGADA_EN_PASSANT && jogada->getCaptura() != nullptr) {
            Peca* c = jogada->getCaptura();
            int ladoCapturada, slotCapturada;
            Peca* capturada = dentro(c->getPosX(), c->getPosY())
                                  ? naCasa(casa(c), &ladoCapturada, &slotCapturada)
                                  : nullptr;
            if (capturada != nullptr) {
                removeDaCasa(capturada, ladoCapturada, slotCapturada);
            }
        }
        move(peca->getPosX(), peca->getPosY(), jogada->getPosX(), jogada->getPosY());
    }
    if (peca->getTipo() == JogoConstantes::PEAO && (jogada->getPosY() == 0 || jogada->getPosY() == 7)) {
        tiraDoIndice(peca, lado, slot);
        peca->setTipo(JogoConstantes::RAINHA);
        poeNoIndice(peca, lado, slot);
    }
}
