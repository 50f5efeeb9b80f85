#ifndef JOGO_JOGADA_H
#define JOGO_JOGADA_H

#include <cstddef>

#include "jogo/Reserva.h"

class Peca;

// A candidate move: its target square and type. It owns a copy of the
// captured piece, so it stays valid whatever happens to the position.
class Jogada {
public:
    Jogada(int posX, int posY, Peca* captura, int tipo);
    virtual ~Jogada();
    virtual Jogada* nova();

    int getPosX() const { return posX; }
    int getPosY() const { return posY; }
    Peca* getCaptura() const { return captura; }
    int getTipo() const { return tipo; }

    // Candidate moves are made and dropped all the time; the memory of plain
    // moves is recycled (the subclasses are of other sizes).
    static void* operator new(std::size_t n) { return Reserva<sizeof(Jogada)>::pega(n); }
    static void operator delete(void* p, std::size_t n) { Reserva<sizeof(Jogada)>::solta(p, n); }

    Jogada(const Jogada&) = delete;
    Jogada& operator=(const Jogada&) = delete;

private:
    int posX;
    int posY;
    Peca* captura;
    int tipo;
};

#endif
