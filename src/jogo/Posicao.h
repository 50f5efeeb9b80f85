#ifndef JOGO_POSICAO_H
#define JOGO_POSICAO_H

#include <cstring>

// A position as the Laws of Chess compare them for repetition: what stands
// on each square, the side to move, who may still castle and on which
// column an en passant capture is possible right now.
struct Posicao {
    // Per square y * 8 + x: 0 empty, else the piece type, plus 8 for the
    // computer's side.
    unsigned char casas[64];
    bool vezComputador;
    // Bits: player's king's side, player's queen's side, then the computer's.
    unsigned char roques;
    // Column of the pawn that may be taken en passant, -1 when none.
    signed char enPassant;

    bool operator==(const Posicao& outra) const {
        return vezComputador == outra.vezComputador && roques == outra.roques &&
               enPassant == outra.enPassant && std::memcmp(casas, outra.casas, sizeof casas) == 0;
    }
};

#endif
