// The page's Web Worker: the computer player off the page's thread. The
// page calls xadrez_escolhe with a PedidoEscolha's text and hears the
// RespostaEscolha's; the worker keeps no other state than the stronger
// engine's table, and the page ends a search by ending the worker.
#include <emscripten.h>

#include <string>

#include "escolha/ServicoEscolha.h"

namespace {

// Half the game's: a level's search fills far less, and a phone holds the
// page's memory and this worker's side by side.
const std::size_t MEGABYTES_TABELA = 16;

ServicoEscolha* servico = nullptr;

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void xadrez_escolhe(char* dados, int tamanho) {
    if (servico == nullptr) servico = new ServicoEscolha(MEGABYTES_TABELA);
    PedidoEscolha pedido;
    RespostaEscolha resposta;
    std::string texto = tamanho > 0 ? std::string(dados, static_cast<std::size_t>(tamanho)) : std::string();
    if (PedidoEscolha::decodifica(texto, &pedido)) {
        resposta = servico->responde(pedido);
    }
    std::string saida = resposta.codifica();
    emscripten_worker_respond(&saida[0], static_cast<int>(saida.size()));
}
