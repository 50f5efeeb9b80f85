#ifndef ESCOLHA_SERVICOESCOLHA_H
#define ESCOLHA_SERVICOESCOLHA_H

#include <cstddef>

#include "algoritmo/AlgoritmoGerenciador.h"
#include "escolha/PedidoEscolha.h"
#include "escolha/RespostaEscolha.h"
#include "jogo/Jogo.h"

// The far side of a PedidoEscolha: the game rebuilt from its record on a
// game of its own, the memory put back, and the choice made by the game's
// own computer player, as the game window's tick makes it. The stronger
// engine keeps what it learnt from one request to the next of one game.
class ServicoEscolha {
public:
    explicit ServicoEscolha(std::size_t megabytesTabela);

    RespostaEscolha responde(const PedidoEscolha& pedido);

    ServicoEscolha(const ServicoEscolha&) = delete;
    ServicoEscolha& operator=(const ServicoEscolha&) = delete;

private:
    bool montaJogo(const PedidoEscolha& pedido);

    Jogo jogo;
    AlgoritmoGerenciador gerenciador;
    long partida;
};

#endif
