#ifndef JOGO_JOGADAROQUE_H
#define JOGO_JOGADAROQUE_H

#include "jogo/Jogada.h"

// Castling: the move's own square is the king's target; it carries copies
// of the king and the rook as they stood.
class JogadaRoque : public Jogada {
public:
    JogadaRoque(int reiPosX, int reiPosY, int torrePosX, int torrePosY, Peca* captura, Peca* rei,
                Peca* torre);
    ~JogadaRoque() override;
    Jogada* nova() override;

    int getReiPosX() const { return getPosX(); }
    int getReiPosY() const { return getPosY(); }
    int getTorrePosX() const { return torrePosX; }
    int getTorrePosY() const { return torrePosY; }
    Peca* getRei() const { return rei; }
    Peca* getTorre() const { return torre; }

private:
    Peca* rei;
    Peca* torre;
    int torrePosX;
    int torrePosY;
};

#endif
