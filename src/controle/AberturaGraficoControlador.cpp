#include "controle/AberturaGraficoControlador.h"

#include <mutex>

#include "app/Sistema.h"

AberturaGraficoControlador::AberturaGraficoControlador(Sistema* sistema) : sistema(sistema) {}

int AberturaGraficoControlador::opcaoEm(int x, int y) {
    AberturaGrafico* abertura = sistema->getAberturaGrafico();
    if (abertura->isMouseJogadorUmOpBT(x, y)) return 1;
    if (abertura->isMouseJogadorDoisOpBT(x, y)) return 2;
    if (abertura->isMouseJogarBT(x, y)) return 3;
    return 0;
}

void AberturaGraficoControlador::mouseSobre(int x, int y) {
    GUI* gui = sistema->getGUI();
    AberturaGrafico* abertura = sistema->getAberturaGrafico();
    int opcao = opcaoEm(x, y);
    int cursor = opcao != 0 ? GUI::CURSOR_MAO : GUI::CURSOR_SETA;
    if (cursor != gui->getCursorTipo()) {
        gui->setCursorTipo(cursor);
    }
    // Motion within one option changes nothing on the screen.
    if (opcao != abertura->getOpcao()) {
        abertura->sobreOpcao(opcao);
        gui->repinta();
    }
}

void AberturaGraficoControlador::mousePressionado(int x, int y) {
    GUI* gui = sistema->getGUI();
    Jogo* jogo = sistema->getJogo();
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    switch (opcaoEm(x, y)) {
        case 1:
            jogo->incNivel(false);
            break;
        case 2:
            jogo->incNivel(true);
            break;
        case 3:
            sistema->getAberturaGrafico()->sobreOpcao(3);
            sistema->getJogoAudio()->setMusica(10);
            gui->setCursorTipo(GUI::CURSOR_SETA);
            gui->setGraficoTipo(GUI::TELA_JOGO);
            break;
        default:
            break;
    }
    gui->repinta();
}

void AberturaGraficoControlador::teclaPressionada(int) {}
