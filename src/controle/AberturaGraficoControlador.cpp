#include "controle/AberturaGraficoControlador.h"

#include <mutex>
#include <string>

#include "app/Sistema.h"
#include "controle/JogoGraficoControlador.h"
#include "gui/Tela.h"

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
    std::lock_guard<std::recursive_mutex> trava(sistema->getJogo()->getTrava());
    aciona(opcaoEm(x, y));
    sistema->getGUI()->repinta();
}

// What a click on the option does; 0 does nothing.
void AberturaGraficoControlador::aciona(int opcao) {
    Jogo* jogo = sistema->getJogo();
    switch (opcao) {
        case 1:
            jogo->incNivel(false);
            break;
        case 2:
            jogo->incNivel(true);
            break;
        case 3:
            // Black at the bottom when only black is moved by hand.
            jogo->getTela()->setGirado(jogo->getNivel(true) == Jogo::HUMANO &&
                                       jogo->getNivel(false) != Jogo::HUMANO);
            sistema->getAberturaGrafico()->sobreOpcao(3);
            sistema->getJogoGraficoControlador()->registraInicio();
            entraNoJogo();
            break;
        default:
            break;
    }
}

void AberturaGraficoControlador::entraNoJogo() {
    GUI* gui = sistema->getGUI();
    sistema->getJogoAudio()->setMusica(10);
    gui->setCursorTipo(GUI::CURSOR_SETA);
    gui->setGraficoTipo(GUI::TELA_JOGO);
}

// A game pasted starts at once; a refusal shows for a moment under the menu
// (the screen has no banner), and a timer asks for the frame that clears it.
// The clipboard is read without the game's lock.
void AberturaGraficoControlador::cola() {
    std::string recusa;
    bool colou = sistema->getJogoGraficoControlador()->cola(GUI::TELA_ABERTURA, &recusa);
    std::lock_guard<std::recursive_mutex> trava(sistema->getJogo()->getTrava());
    if (colou) {
        entraNoJogo();
        return;
    }
    const Uint32 tempo = 1500;
    sistema->getAberturaGrafico()->setAviso(recusa, tempo);
    SDL_AddTimer(
        tempo + 10,
        [](Uint32, void* gui) -> Uint32 {
            static_cast<GUI*>(gui)->repinta();
            return 0;
        },
        sistema->getGUI());
    sistema->getGUI()->repinta();
}

void AberturaGraficoControlador::destaca(int opcao) {
    sistema->getAberturaGrafico()->sobreOpcao(opcao);
    sistema->getGUI()->repinta();
}

// The keys move the mouse's own highlight through the three options,
// wrapping around, and act on it as a click would.
void AberturaGraficoControlador::teclaPressionada(int tecla) {
    if (tecla == GUI::TECLA_COLAR) {
        cola();
        return;
    }
    std::lock_guard<std::recursive_mutex> trava(sistema->getJogo()->getTrava());
    int opcao = sistema->getAberturaGrafico()->getOpcao();
    switch (tecla) {
        case GUI::TECLA_BAIXO:
        case GUI::TECLA_TAB:
            destaca(opcao % 3 + 1);
            break;
        case GUI::TECLA_CIMA:
        case GUI::TECLA_TAB_VOLTA:
            destaca(opcao <= 1 ? 3 : opcao - 1);
            break;
        case GUI::TECLA_ESPACO:
        case GUI::TECLA_ENTER:
            if (opcao != 0) {
                aciona(opcao);
                sistema->getGUI()->repinta();
            }
            break;

        default:
            break;
    }
}
