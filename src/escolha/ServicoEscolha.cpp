#include "escolha/ServicoEscolha.h"

#include <string>

#include "Notacao.h"
#include "PosicaoFEN.h"
#include "jogo/Jogada.h"

ServicoEscolha::ServicoEscolha(std::size_t megabytesTabela)
    : jogo(nullptr), gerenciador(&jogo, megabytesTabela), partida(-1) {
    jogo.reinicia();
}

// As Colagem::aplica replays a pasted game: executaJogada rebuilds what
// the record implies. The game's FEN was taken by the game itself, so it
// is taken again as it is.
bool ServicoEscolha::montaJogo(const PedidoEscolha& pedido) {
    std::string erro;
    if (pedido.fenInicial.empty()) {
        jogo.reinicia();
    } else if (!PosicaoFEN::carrega(&jogo, pedido.fenInicial, &erro, false)) {
        return false;
    }
    for (const LanceJogado& l : pedido.lances) {
        if (!Notacao::joga(jogo, l, Notacao::INGLES, nullptr)) return false;
    }
    jogo.setMemoriaComputador(pedido.memoria);
    jogo.setNivel(pedido.isComp, pedido.nivel);
    return jogo.isVezComputador() == pedido.isComp;
}

RespostaEscolha ServicoEscolha::responde(const PedidoEscolha& pedido) {
    RespostaEscolha r;
    r.id = pedido.id;
    r.memoria = pedido.memoria;
    if (pedido.partida != partida) {
        gerenciador.novaPartida();
        partida = pedido.partida;
    }
    if (!montaJogo(pedido)) return r;

    Jogada* jogada = nullptr;
    if (pedido.isDica) {
        r.achou = gerenciador.sugere(pedido.isComp, &r.deX, &r.deY, &jogada, &r.promocao);
    } else {
        r.achou = gerenciador.calculaMelhorJogada(&r.deX, &r.deY, &jogada, pedido.isComp);
        r.promocao = gerenciador.getPromocao();
    }
    if (r.achou) {
        r.paraX = jogada->getPosX();
        r.paraY = jogada->getPosY();
    }
    delete jogada;
    r.memoria = jogo.getMemoriaComputador();
    return r;
}
