#ifndef JOGO_JOGADAENPASSANT_H
#define JOGO_JOGADAENPASSANT_H

#include "jogo/Jogada.h"

// Capture of a pawn that stands beside the (empty) target square.
class JogadaEnPassant : public Jogada {
public:
    JogadaEnPassant(int posX, int posY, Peca* captura);
    ~JogadaEnPassant() override;
};

#endif
