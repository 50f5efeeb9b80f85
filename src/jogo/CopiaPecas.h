#ifndef JOGO_COPIAPECAS_H
#define JOGO_COPIAPECAS_H

#include "jogo/Peca.h"

// The 32 pieces of a position held by value, with the two arrays of
// pointers that the rules take (player's set first). Copying one is a block
// copy with no allocation; the pieces are freed with the object.
class CopiaPecas {
public:
    CopiaPecas();
    CopiaPecas(Peca** jogador, Peca** computador);
    CopiaPecas(const CopiaPecas& outra);
    CopiaPecas& operator=(const CopiaPecas& outra);

    void copiaDe(Peca** deJogador, Peca** deComputador);

    Peca** getJogador() { return jogador; }
    Peca** getComputador() { return computador; }

private:
    void aponta();

    alignas(Peca) unsigned char memoria[32 * sizeof(Peca)];
    Peca* jogador[16];
    Peca* computador[16];
};

#endif
