#include "jogo/Peca.h"

Peca::Peca(bool deComp, int tipo, int posX, int posY)
    : posX(posX),
      posY(posY),
      animPosX(0),
      animPosY(0),
      tipo(tipo),
      deComp(deComp),
      removida(false),
      moveuContador(0),
      jogadaCont(0) {}

Peca* Peca::nova() { return new Peca(*this); }

bool Peca::isIgual(Peca* outra) {
    return outra != nullptr && outra->posX == posX && outra->posY == posY;
}
