#ifndef JOGO_PECA_H
#define JOGO_PECA_H

#include <cstddef>

#include "jogo/Reserva.h"

// One chess piece; it carries its own square (there is no board grid).
class Peca {
public:
    Peca(bool deComp, int tipo, int posX, int posY);

    // A new piece owned by the caller, with every field copied.
    Peca* nova();
    // Same square; type, side and removal are not compared.
    bool isIgual(Peca* outra);

    int getPosX() const { return posX; }
    void setPosX(int x) { posX = x; }
    int getPosY() const { return posY; }
    void setPosY(int y) { posY = y; }
    int getAnimPosX() const { return animPosX; }
    void setAnimPosX(int x) { animPosX = x; }
    int getAnimPosY() const { return animPosY; }
    void setAnimPosY(int y) { animPosY = y; }
    int getTipo() const { return tipo; }
    void setTipo(int t) { tipo = t; }
    bool isRemovida() const { return removida; }
    void setRemovida(bool r) { removida = r; }
    int getMoveuContador() const { return moveuContador; }
    void setMoveuContador(int c) { moveuContador = c; }
    bool isDeComp() const { return deComp; }
    int getJogadaCont() const { return jogadaCont; }
    void incJogadaCont() { jogadaCont++; }
    void setJogadaCont(int c) { jogadaCont = c; }

    // Copies are made and dropped all the time; their memory is recycled.
    static void* operator new(std::size_t n) { return Reserva<sizeof(Peca)>::pega(n); }
    static void operator delete(void* p, std::size_t n) { Reserva<sizeof(Peca)>::solta(p, n); }

private:
    int posX;
    int posY;
    int animPosX;
    int animPosY;
    int tipo;
    bool deComp;
    bool removida;
    int moveuContador;
    int jogadaCont;
};

#endif
