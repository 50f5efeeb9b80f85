#ifndef ALGORITMO_MINIMAXNO_H
#define ALGORITMO_MINIMAXNO_H

#include <cstddef>

#include "jogo/Reserva.h"

class Jogada;

// A node of the search tree. It holds no position: only the move that
// leads to it and the square the moving piece left.
class MiniMaxNo {
public:
    // One cell of the children list; the newest child comes first.
    struct Celula {
        MiniMaxNo* no;
        Celula* proximo;

        static void* operator new(std::size_t n) { return Reserva<sizeof(Celula)>::pega(n); }
        static void operator delete(void* p, std::size_t n) { Reserva<sizeof(Celula)>::solta(p, n); }
    };

    MiniMaxNo();

    // Puts filho at the front of the children list.
    void addFilho(MiniMaxNo* filho);
    // Takes filho out of the children list; filho itself is not freed.
    void removeFilho(MiniMaxNo* filho);

    Jogada* jogada;  // owned; none at the root and in an empty result
    int posX;
    int posY;
    float valor;
    int profundidade;
    bool terminal;
    bool xequeMate;
    MiniMaxNo* pai;
    Celula* filhos;

    // A search makes and frees hundreds of thousands of nodes.
    static void* operator new(std::size_t n) { return Reserva<sizeof(MiniMaxNo)>::pega(n); }
    static void operator delete(void* p, std::size_t n) { Reserva<sizeof(MiniMaxNo)>::solta(p, n); }

    MiniMaxNo(const MiniMaxNo&) = delete;
    MiniMaxNo& operator=(const MiniMaxNo&) = delete;
};

#endif
