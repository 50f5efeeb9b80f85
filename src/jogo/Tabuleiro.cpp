#include "jogo/Tabuleiro.h"

#include <cstring>

#include "jogo/Jogada.h"
#include "jogo/JogadaRoque.h"
#include "jogo/JogoConstantes.h"

namespace {

bool naCasa(const Peca* p) {
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
    if (naCasa(peca)) {
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

const Tabuleiro::Guardada& Tabuleiro::guarda(Peca* peca) {
    guardadas.emplace_back();
    Guardada& g = guardadas.back();
    g.peca = peca;
    localiza(peca, &g.lado, &g.slot);
    std::memcpy(g.antes, static_cast<const void*>(peca), sizeof(Peca));
    return g;
}

void Tabuleiro::tiraDoIndice(const Peca* peca, int lado, int slot) {
    if (lado < 0 || !naCasa(peca)) return;
    int c = casa(peca);
    if (casas[lado][c] == slot) {
        casas[lado][c] = -1;
        std::uint64_t bit = std::uint64_t{1} << c;
        tipos[lado][peca->getTipo() & 7] &= ~bit;
        ocupadas[lado] &= ~bit;
    }
}

void Tabuleiro::poeNoIndice(const Peca* peca, int lado, int slot) {
    if (lado < 0 || !naCasa(peca)) return;
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

void Tabuleiro::remove(Peca* peca) {
    const Guardada& g = guarda(peca);
    tiraDoIndice(peca, g.lado, g.slot);
    peca->setRemovida(true);
}

bool Tabuleiro::move(int x1, int y1, int x2, int y2) {
    Peca* alvo = getPeca(x2, y2);
    if (alvo != nullptr) {
        remove(alvo);
    }
    Peca* p = getPeca(x1, y1);
    if (p == nullptr) {
        return false;
    }
    const Guardada& g = guarda(p);
    int lado = g.lado, slot = g.slot;
    tiraDoIndice(p, lado, slot);
    p->setPosX(x2);
    p->setPosY(y2);
    poeNoIndice(p, lado, slot);
    return true;
}

void Tabuleiro::move2(Peca* peca, Jogada* jogada) {
    const Guardada& g = guarda(peca);
    int lado = g.lado, slot = g.slot;
    peca->setAnimPosX(0);
    peca->setAnimPosY(0);
    if (jogada->getTipo() == JogoConstantes::JOGADA_ROQUE) {
        JogadaRoque* roque = static_cast<JogadaRoque*>(jogada);
        Peca* torre = getPeca(roque->getTorre()->getPosX(), roque->getTorre()->getPosY());
        if (torre != nullptr) {
            guarda(torre);
            torre->setAnimPosX(0);
            torre->setAnimPosY(0);
        }
        move(roque->getRei()->getPosX(), roque->getRei()->getPosY(), roque->getReiPosX(),
             roque->getReiPosY());
        move(roque->getTorre()->getPosX(), roque->getTorre()->getPosY(), roque->getTorrePosX(),
             roque->getTorrePosY());
    } else {
        if (jogada->getTipo() == JogoConstantes::JOGADA_EN_PASSANT && jogada->getCaptura() != nullptr) {
            Peca* capturada = getPeca(jogada->getCaptura()->getPosX(), jogada->getCaptura()->getPosY());
            if (capturada != nullptr) {
                remove(capturada);
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
