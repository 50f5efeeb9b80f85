#ifndef POSICAO_PERFT_H
#define POSICAO_PERFT_H

#include <string>
#include <utility>
#include <vector>

class Jogada;
class Jogo;
class Peca;

// Counts move paths with the game's own rule operations. Every move is
// carried out as in a game: move2, the mover's moveuContador grows and the
// move becomes its side's last move (which en passant depends on).
class Perft {
public:
    struct Lance {
        int slot;
        Jogada* jogada;  // owned by the caller of legais
    };

    // The legal moves of side isComp, by piece slot and generator order.
    static std::vector<Lance> legais(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp);
    static void libera(std::vector<Lance>& lances);

    // Leaf count of the tree of the given depth from the position.
    static long conta(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp, int profundidade);

    // Per root move ("e2e4") its leaf count, in move order.
    static std::vector<std::pair<std::string, long>> divide(Jogo* jogo, bool isComp, int profundidade);

    // Plays a move on the pair as a game would, for side isComp.
    static void joga(Jogo* jogo, Peca** jogador, Peca** computador, bool isComp, const Lance& lance);
};

#endif
