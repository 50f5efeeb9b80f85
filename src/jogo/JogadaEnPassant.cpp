#include "jogo/JogadaEnPassant.h"

#include "jogo/JogoConstantes.h"

JogadaEnPassant::JogadaEnPassant(int posX, int posY, Peca* captura)
    : Jogada(posX, posY, captura, JogoConstantes::JOGADA_EN_PASSANT) {}

JogadaEnPassant::~JogadaEnPassant() {}
