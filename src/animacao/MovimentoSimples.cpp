#include "animacao/MovimentoSimples.h"

MovimentoSimples::MovimentoSimples(Peca* peca, int posX1, int posY1, int posX2, int posY2)
    : peca(peca), posX1(posX1), posY1(posY1), posX2(posX2), posY2(posY2), raio(0), moveu(false) {}
