#include "controle/TrabalhadorEscolha.h"

#include <emscripten.h>

namespace {
// Beside the page, whatever folder it is published in.
const char* const ARQUIVO = "xadrez-escolha.js";
const int NENHUM = -1;
}  // namespace

TrabalhadorEscolha::TrabalhadorEscolha() : trabalhador(NENHUM), pendente(false), chegou(false) {}

TrabalhadorEscolha::~TrabalhadorEscolha() {
    if (trabalhador != NENHUM) emscripten_destroy_worker(trabalhador);
}

void TrabalhadorEscolha::prepara() {
    if (trabalhador == NENHUM) trabalhador = emscripten_create_worker(ARQUIVO);
}

void TrabalhadorEscolha::pede(const PedidoEscolha& pedido) {
    interrompe();
    prepara();
    std::string texto = pedido.codifica();
    pendente = true;
    chegou = false;
    emscripten_call_worker(trabalhador, "xadrez_escolhe", &texto[0], static_cast<int>(texto.size()),
                           &TrabalhadorEscolha::recebe, this);
}

// Called by the page between two passes of the window, never during a tick.
void TrabalhadorEscolha::recebe(char* dados, int tamanho, void* arg) {
    TrabalhadorEscolha* t = static_cast<TrabalhadorEscolha*>(arg);
    if (!t->pendente) return;
    t->resposta.assign(dados != nullptr ? dados : "", dados != nullptr ? static_cast<std::size_t>(tamanho) : 0);
    t->chegou = true;
}

bool TrabalhadorEscolha::colhe(RespostaEscolha* r) {
    if (!pendente || !chegou) return false;
    pendente = false;
    chegou = false;
    // A text that does not read is a choice not made.
    if (!RespostaEscolha::decodifica(resposta, r)) *r = RespostaEscolha();
    return true;
}

void TrabalhadorEscolha::interrompe() {
    if (!pendente) return;
    pendente = false;
    chegou = false;
    // Its answer, were it to come, finds no worker to go to.
    emscripten_destroy_worker(trabalhador);
    trabalhador = emscripten_create_worker(ARQUIVO);
}
