#include "jogo/JogadaRoque.h"

#include "jogo/JogoConstantes.h"
#include "jogo/Peca.h"

JogadaRoque::JogadaRoque(int reiPosX, int reiPosY, int torrePosX, int torrePosY, Peca* captura,
                         Peca* rei, Peca* torre)
    : Jogada(reiPosX, reiPosY, captura, JogoConstantes::JOGADA_ROQUE),
      rei(rei->nova()),
      torre(torre->nova()),
      torrePosX(torrePosX),
      torrePosY(torrePosY) {}

JogadaRoque::~JogadaRoque() {
    delete rei;
    delete torre;
}

Jogada* JogadaRoque::nova() {
    return new JogadaRoque(getReiPosX(), getReiPosY(), torrePosX, torrePosY, getCaptura(), rei,
                           torre);
}
