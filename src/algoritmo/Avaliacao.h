#ifndef ALGORITMO_AVALIACAO_H
#define ALGORITMO_AVALIACAO_H

#include "algoritmo/PosicaoBusca.h"

// The stronger levels' judgement of a quiet position, in centipawns from
// the side to move: material, where each piece stands, how freely it
// moves, the pawns' structure, passed pawns, rooks on open files and the
// king's shelter and the attacks on it, each weighed twice (with the queens
// and pieces on the board, and in the ending) and blended by how much
// material is left. The tables come from simple rules written below, not
// from any other program.
class Avaliacao {
public:
    static int avalia(const PosicaoBusca& p);

    // Middlegame and endgame value of each piece type.
    static const int VALOR_MEIO[7];
    static const int VALOR_FINAL[7];
};

#endif
