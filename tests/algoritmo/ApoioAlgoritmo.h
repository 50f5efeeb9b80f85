#ifndef TESTES_ALGORITMO_APOIOALGORITMO_H
#define TESTES_ALGORITMO_APOIOALGORITMO_H

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PosicaoFEN.h"
#include "algoritmo/Algoritmo.h"
#include "algoritmo/MiniMaxNo.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

// Made-up positions too: some no game reaches (a king that can be taken).
inline void monta(Jogo& jogo, const std::string& fen) {
    std::string erro;
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, fen, &erro, false)) << erro;
}

// "e2e4" for the move of a node: the square its piece left and its target.
inline std::string lance(const MiniMaxNo* no) {
    return PosicaoFEN::casa(no->posX, no->posY) +
           PosicaoFEN::casa(no->jogada->getPosX(), no->jogada->getPosY());
}

inline std::vector<MiniMaxNo*> filhos(const MiniMaxNo* no) {
    std::vector<MiniMaxNo*> r;
    for (MiniMaxNo::Celula* c = no->filhos; c != nullptr; c = c->proximo) r.push_back(c->no);
    return r;
}

inline MiniMaxNo* filhoPorLance(const MiniMaxNo* no, const std::string& l) {
    for (MiniMaxNo* f : filhos(no)) {
        if (lance(f) == l) return f;
    }
    return nullptr;
}

// Every node below no, depth first.
inline void visita(MiniMaxNo* no, int ply, const std::function<void(MiniMaxNo*, int)>& f) {
    for (MiniMaxNo* filho : filhos(no)) {
        f(filho, ply + 1);
        visita(filho, ply + 1, f);
    }
}

// A search run straight on minimax, with the tree kept for inspection.
struct Arvore {
    Jogo jogo{nullptr};
    Algoritmo algoritmo{&jogo};
    MiniMaxNo* raiz = nullptr;
    MiniMaxNo* resposta = nullptr;

    Arvore(const std::string& fen, int nivel, unsigned semente = 1) {
        monta(jogo, fen);
        algoritmo.setGuardaArvore(true);
        algoritmo.fotografa();
        raiz = new MiniMaxNo();
        std::srand(semente);
        resposta = algoritmo.minimax(raiz, true, nivel, nivel, -2147483648.0f, 2147483648.0f,
                                     jogo.isVezComputador());
    }
    ~Arvore() {
        algoritmo.limpaMiniMaxArvore(&raiz);
        algoritmo.descartaFoto();
    }
};

struct Escolha {
    bool achou = false;
    std::string lance;  // "nenhuma" when nothing was found
    long nos = 0;
};

// The computer player's choice on a game already set up, with the seed in
// place of the clock.
inline Escolha escolhe(Jogo& jogo, Algoritmo& algoritmo, bool isComp, long semente = 1) {
    Relogio::fixa(semente);
    int x = -1, y = -1;
    Jogada* jogada = nullptr;
    Escolha e;
    e.achou = algoritmo.calculaMelhorJogada(&x, &y, &jogada, isComp);
    e.nos = algoritmo.getNosCriados();
    Relogio::solta();
    if (!e.achou) {
        e.lance = "nenhuma";
        return e;
    }
    Peca* peca = jogo.getPeca(x, y);
    EXPECT_NE(nullptr, peca) << "no live piece on the chosen square";
    e.lance = peca != nullptr ? PosicaoFEN::notacao(peca, jogada) : "?";
    delete jogada;
    return e;
}

// The same from a FEN, at the level given for the side to move.
inline Escolha escolhe(const std::string& fen, int nivel, long semente = 1) {
    Jogo jogo(nullptr);
    monta(jogo, fen);
    jogo.setNivel(jogo.isVezComputador(), nivel);
    Algoritmo algoritmo(&jogo);
    return escolhe(jogo, algoritmo, jogo.isVezComputador(), semente);
}

#endif
