#ifndef TESTES_JOGO_APOIO_H
#define TESTES_JOGO_APOIO_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PosicaoFEN.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/JogoPecas.h"
#include "jogo/Peca.h"

// Targets of a list as "e4" squares, in list order.
inline std::vector<std::string> alvos(JogadaLista& lista) {
    std::vector<std::string> r;
    for (int i = 0; i < lista.getTam(); i++) {
        r.push_back(PosicaoFEN::casa(lista.getJogada(i)->getPosX(), lista.getJogada(i)->getPosY()));
    }
    return r;
}

// Made-up positions too: some no game reaches (a king that can be taken).
inline void monta(Jogo& jogo, const std::string& fen) {
    std::string erro;
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, fen, &erro, false)) << erro;
}

// Candidate moves of the piece on (x, y) in the live position.
inline std::vector<std::string> candidatas(Jogo& jogo, int x, int y, bool roque = true) {
    Peca* p = jogo.getPeca(x, y);
    EXPECT_NE(nullptr, p);
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, x, y, p->getTipo(), p->isDeComp(), !roque);
    return alvos(lista);
}

// Legal moves of the piece on (x, y), castling included.
inline std::vector<std::string> legais(Jogo& jogo, int x, int y) {
    Peca* p = jogo.getPeca(x, y);
    EXPECT_NE(nullptr, p);
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, x, y, p->getTipo(), p->isDeComp(), false);
    jogo.filtraJogadas(&lista, jogo.getJogadorPecas(), jogo.getComputadorPecas(), x, y, p->isDeComp());
    return alvos(lista);
}

using Casas = std::vector<std::string>;

inline int col(const char* c) { return c[0] - 'a'; }
inline int lin(const char* c) { return '8' - c[1]; }

// A board with every piece removed; pieces are then placed by slot.
inline void limpa(Jogo& jogo) {
    jogo.reinicia();
    for (int i = 0; i < 16; i++) {
        jogo.getJogadorPeca(i)->setRemovida(true);
        jogo.getComputadorPeca(i)->setRemovida(true);
    }
}

inline Peca* poe(Jogo& jogo, bool isComp, int slot, int tipo, const char* c, int moveu = 1) {
    Peca* p = isComp ? jogo.getComputadorPeca(slot) : jogo.getJogadorPeca(slot);
    p->setRemovida(false);
    p->setTipo(tipo);
    p->setPosX(col(c));
    p->setPosY(lin(c));
    p->setMoveuContador(moveu);
    return p;
}

#endif
