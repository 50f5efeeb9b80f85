#ifndef ESCOLHA_PEDIDOESCOLHA_H
#define ESCOLHA_PEDIDOESCOLHA_H

#include <string>
#include <vector>

#include "jogo/Jogo.h"
#include "jogo/LanceJogado.h"

// What a computer player elsewhere (the page's Web Worker, which shares no
// memory with the game) needs to make the choice the game's own would: the
// game as its record (the FEN it began from and every move since), which
// rebuilds the pieces' counters, the last moves and the repetition history;
// the computer player's memory; the side, its level and whether it is a
// hint. Sent as text.
class PedidoEscolha {
public:
    // Under the game's lock: the side to move's choice at its level, or,
    // with isDica, Perito's hint for it.
    static PedidoEscolha doJogo(Jogo* jogo, bool isDica);

    std::string codifica() const;
    // False, leaving *pedido undefined, on a text codifica did not write.
    static bool decodifica(const std::string& texto, PedidoEscolha* pedido);

    long id = 0;
    // Counts the games: a new one makes the far side forget what it learnt.
    long partida = 0;
    int nivel = 0;
    bool isComp = false;
    bool isDica = false;
    std::string fenInicial;
    std::vector<LanceJogado> lances;
    Jogo::MemoriaComputador memoria{};
};

#endif
