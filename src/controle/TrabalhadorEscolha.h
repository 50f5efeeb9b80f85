#ifndef CONTROLE_TRABALHADORESCOLHA_H
#define CONTROLE_TRABALHADORESCOLHA_H

#include <string>

#include "escolha/PedidoEscolha.h"
#include "escolha/RespostaEscolha.h"

// The page's computer player: a Web Worker (xadrez-escolha.js, beside the
// page) that makes the choice while the page's only thread goes on drawing
// and answering. One request is out at a time; its answer arrives between
// two passes of the window and waits to be taken. Ending the worker is the
// only way to stop a search there: a fresh worker takes the next request.
class TrabalhadorEscolha {
public:
    TrabalhadorEscolha();
    ~TrabalhadorEscolha();

    // Starts the worker loading, so the first request does not wait for it.
    void prepara();
    // Sends pedido; a request still out goes with its worker.
    void pede(const PedidoEscolha& pedido);
    bool isPendente() const { return pendente; }
    // True once the answer to the request out has arrived: it is in
    // *resposta and no request is out any more.
    bool colhe(RespostaEscolha* resposta);
    // The request out, if any, is dropped and its search stopped at once.
    void interrompe();

    TrabalhadorEscolha(const TrabalhadorEscolha&) = delete;
    TrabalhadorEscolha& operator=(const TrabalhadorEscolha&) = delete;

private:
    static void recebe(char* dados, int tamanho, void* arg);

    int trabalhador;
    bool pendente;
    bool chegou;
    std::string resposta;
};

#endif
