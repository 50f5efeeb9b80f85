#ifndef JOGO_TABULEIRO_H
#define JOGO_TABULEIRO_H

#include <cstdint>
#include <vector>

#include "jogo/Peca.h"
#include "jogo/Pecas.h"

class Jogada;

// A pair of piece sets with, for each square, the slot of the piece standing
// there, so that a lookup costs one step instead of a scan of 32 pieces.
// Each square answers what the scan would: the first piece in index order
// that is not removed.
//
// Moves are carried out on the sets through the view, which keeps the index
// in step, and can be taken back: every piece is saved before it changes,
// and desfaz(marca) puts back, last first, the pieces saved since marca().
// So the search and the legality trials work on one position, making and
// taking back moves, instead of copying it for every question. The view
// owns nothing; the sets must not be changed behind its back (reindexa()
// catches up after they were).
class Tabuleiro : public Pecas {
public:
    Tabuleiro(Peca** jogador, Peca** computador);

    Peca* getJogadorPeca(int i) override { return jogador[i]; }
    Peca* getComputadorPeca(int i) override { return computador[i]; }
    Peca* getJogadorPeca(int x, int y) override {
        int i = dentro(x, y) ? casas[0][y * 8 + x] : -1;
        return i >= 0 ? jogador[i] : nullptr;
    }
    Peca* getComputadorPeca(int x, int y) override {
        int i = dentro(x, y) ? casas[1][y * 8 + x] : -1;
        return i >= 0 ? computador[i] : nullptr;
    }
    Peca* getPeca(int x, int y) override {
        if (!dentro(x, y)) return nullptr;
        return getPecaNaCasa(y * 8 + x);
    }
    Peca** getJogadorPecas() override { return jogador; }
    Peca** getComputadorPecas() override { return computador; }
    void deleta_pecas() override {}

    // The piece on square c = y * 8 + x, which must be on the board.
    Peca* getPecaNaCasa(int c) const {
        int i = casas[0][c];
        if (i >= 0) return jogador[i];
        i = casas[1][c];
        return i >= 0 ? computador[i] : nullptr;
    }
    // The squares (bit y * 8 + x) of the pieces of a side and type that are
    // not removed, and of every such piece.
    std::uint64_t getCasas(bool isComp, int tipo) const { return tipos[isComp ? 1 : 0][tipo & 7]; }
    std::uint64_t getOcupadas() const { return ocupadas[0] | ocupadas[1]; }

    // Jogo::move: the piece on (x1, y1) goes to (x2, y2), and whatever stood
    // there is removed. False when no piece stood on (x1, y1).
    bool move(int x1, int y1, int x2, int y2);
    // Jogo::move2: carries out jogada for peca (capture, castling rook, en
    // passant, promotion).
    void move2(Peca* peca, Jogada* jogada);
    // Marks a piece removed, as a capture does.
    void remove(Peca* peca);

    // Where the record of saved pieces stands now, and taking back every
    // change made since then.
    int marca() const { return static_cast<int>(guardadas.size()); }
    void desfaz(int marca);
    // Forgets the saved pieces: what was done stays done.
    void esquece() { guardadas.clear(); }

    // Builds the index anew from the sets and forgets the saved pieces.
    void reindexa();

    Tabuleiro(const Tabuleiro&) = delete;
    Tabuleiro& operator=(const Tabuleiro&) = delete;

private:
    static bool dentro(int x, int y) { return x >= 0 && x <= 7 && y >= 0 && y <= 7; }

    struct Guardada {
        Peca* peca;
        int lado;  // 0 the player's set, 1 the computer's, -1 neither
        int slot;
        alignas(Peca) unsigned char antes[sizeof(Peca)];
    };

    // The piece on square c with its side and slot; null when none.
    Peca* naCasa(int c, int* lado, int* slot) const {
        for (int l = 0; l < 2; l++) {
            int i = casas[l][c];
            if (i >= 0) {
                *lado = l;
                *slot = i;
                return (l == 0 ? jogador : computador)[i];
            }
        }
        return nullptr;
    }
    void localiza(Peca* peca, int* lado, int* slot) const;
    // Saves peca, of that side and slot, before it changes.
    void guarda(Peca* peca, int lado, int slot);
    void tiraDoIndice(const Peca* peca, int lado, int slot);
    void poeNoIndice(const Peca* peca, int lado, int slot);
    // remove() and move() for a piece found on its square.
    void removeDaCasa(Peca* peca, int lado, int slot);
    void mudaDeCasa(Peca* peca, int lado, int slot, int x2, int y2);

    Peca** jogador;
    Peca** computador;
    // Per side (0 the player's, 1 the computer's): the slot of the piece on
    // each square, -1 for none; the squares of each type; all its squares.
    signed char casas[2][64];
    std::uint64_t tipos[2][8];
    std::uint64_t ocupadas[2];

    // Grows to what the deepest line of moves and trials needs, then stays.
    std::vector<Guardada> guardadas;
};

#endif
