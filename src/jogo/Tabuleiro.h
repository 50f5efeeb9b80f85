#ifndef JOGO_TABULEIRO_H
#define JOGO_TABULEIRO_H

#include "jogo/Pecas.h"

// A read-only view over a pair of piece sets with one lookup per square
// instead of a scan of 32 pieces. Each square answers what the scan would:
// the first piece in index order that is not removed. The view owns nothing
// and must not outlive a change to the pieces it was built from.
class Tabuleiro : public Pecas {
public:
    Tabuleiro(Peca** jogador, Peca** computador);

    Peca* getJogadorPeca(int i) override { return jogador[i]; }
    Peca* getComputadorPeca(int i) override { return computador[i]; }
    Peca* getJogadorPeca(int x, int y) override {
        int i = dentro(x, y) ? casasJogador[y * 8 + x] : -1;
        return i >= 0 ? jogador[i] : nullptr;
    }
    Peca* getComputadorPeca(int x, int y) override {
        int i = dentro(x, y) ? casasComputador[y * 8 + x] : -1;
        return i >= 0 ? computador[i] : nullptr;
    }
    Peca* getPeca(int x, int y) override {
        if (!dentro(x, y)) return nullptr;
        int i = casasJogador[y * 8 + x];
        if (i >= 0) return jogador[i];
        i = casasComputador[y * 8 + x];
        return i >= 0 ? computador[i] : nullptr;
    }
    Peca** getJogadorPecas() override { return jogador; }
    Peca** getComputadorPecas() override { return computador; }
    void deleta_pecas() override {}

private:
    static bool dentro(int x, int y) { return x >= 0 && x <= 7 && y >= 0 && y <= 7; }

    Peca** jogador;
    Peca** computador;
    // Slot of the piece on each square, -1 for none.
    signed char casasJogador[64];
    signed char casasComputador[64];
};

#endif
