#include "jogo/Jogada.h"

#include "jogo/Peca.h"

Jogada::Jogada(int posX, int posY, Peca* captura, int tipo)
    : posX(posX), posY(posY), captura(captura != nullptr ? captura->nova() : nullptr), tipo(tipo) {}

Jogada::~Jogada() { delete captura; }

Jogada* Jogada::nova() { return new Jogada(posX, posY, captura, tipo); }
