#include "desenho/JogoGrafico.h"

#include <mutex>

#include <SDL.h>

#include "desenho/AudioLigadoDesenho.h"
#include "desenho/ControlesDesenho.h"
#include "desenho/DesenhoApoio.h"
#include "desenho/InfoDesenho.h"
#include "desenho/ListaDesenho.h"
#include "desenho/MensagemDesenho.h"
#include "desenho/PecaDesenho.h"
#include "desenho/PromocaoDesenho.h"
#include "desenho/TabuleiroDesenho.h"
#include "gui/Tela.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

JogoGrafico::JogoGrafico(Jogo* jogo, GUI* gui)
    : jogo(jogo),
      gui(gui),
      infoDesenho(nullptr),
      tabuleiroDesenho(nullptr),
      pecaDesenho(nullptr),
      mensagemDesenho(nullptr),
      audioLigadoDesenho(nullptr),
      controlesDesenho(nullptr),
      promocaoDesenho(nullptr),
      listaDesenho(nullptr) {
    infoDesenho = new InfoDesenho();
    tabuleiroDesenho = new TabuleiroDesenho(20);
    pecaDesenho = new PecaDesenho();
    mensagemDesenho = new MensagemDesenho();
    audioLigadoDesenho = new AudioLigadoDesenho();
    controlesDesenho = new ControlesDesenho();
    promocaoDesenho = new PromocaoDesenho();
    listaDesenho = new ListaDesenho();
    // The panel icons are scaled down to 36 pixels.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
}

JogoGrafico::~JogoGrafico() {
    delete infoDesenho;
    delete tabuleiroDesenho;
    delete pecaDesenho;
    delete mensagemDesenho;
    delete audioLigadoDesenho;
    delete controlesDesenho;
    delete promocaoDesenho;
    delete listaDesenho;
}

void JogoGrafico::inicializa() {
    pecaDesenho->carregaIMGs();
    audioLigadoDesenho->inicializa(gui);
    controlesDesenho->inicializa();
}

void JogoGrafico::finaliza() {
    pecaDesenho->liberaIMGs();
    audioLigadoDesenho->finaliza();
    controlesDesenho->finaliza();
}

void JogoGrafico::desenha(SDL_Renderer* renderer) {
    // The game thread moves pieces, refills the move list and restarts the
    // game under this same lock; the frame reads all of them.
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());

    SDL_SetRenderDrawColor(renderer, 225, 225, 225, 255);
    SDL_RenderClear(renderer);

    infoDesenho->desenha(jogo, gui, renderer);
    tabuleiroDesenho->desenha(jogo, gui, renderer);

    // Before the first game is set up the slots are still empty.
    bool temPecas = jogo->getJogadorPeca(0) != nullptr;

    JogadaLista* jogadas = new JogadaLista();
    jogo->getJogadasPossiveis()->copiaPara(jogadas);
    Peca* a[16] = {};
    Peca* b[16] = {};
    if (temPecas) {
        jogo->copia_pecas(a, b);
    }

    for (int i = 0; i < jogadas->getTam(); i++) {
        Jogada* jogada = jogadas->getJogada(i);
        desenhaMarc(jogo, jogada->getPosX(), jogada->getPosY(), renderer);
    }

    Peca* selecionada = jogo->getJogadorJogadaPeca();
    if (selecionada != nullptr && jogo->getJogadasPossiveis()->getTam() > 0) {
        desenhaMarc(jogo, selecionada->getPosX(), selecionada->getPosY(), renderer);
    }

    if (temPecas) {
        for (int i = 0; i < 16; i++) {
            if (!a[i]->isRemovida()) {
                pecaDesenho->desenha(jogo, gui, renderer, a[i], PecaDesenho::BRANCO);
            }
            if (!b[i]->isRemovida()) {
                pecaDesenho->desenha(jogo, gui, renderer, b[i], PecaDesenho::PRETO);
            }
        }
    }

    for (int i = 0; i < jogadas->getTam(); i++) {
        Peca* captura = jogadas->getJogada(i)->getCaptura();
        if (captura != nullptr && captura->getTipo() != Jogo::REI) {
            pecaDesenho->desenha(jogo, gui, renderer, captura, PecaDesenho::VERMELHO);
        }
    }

    if (jogo->isCursorVisivel()) {
        desenhaCursor(jogo, jogo->getCursorX(), jogo->getCursorY(), renderer);
    }

    listaDesenho->desenha(jogo, gui, renderer);
    promocaoDesenho->desenha(jogo, renderer, pecaDesenho);
    mensagemDesenho->desenha(jogo, gui, renderer);
    audioLigadoDesenho->desenha(jogo, gui, renderer);
    controlesDesenho->setHabilitado(ControlesDesenho::DESFAZER, temPecas && jogo->isDesfazivel());
    // A hint is for a human side to move, in play, with no slide under way.
    controlesDesenho->setHabilitado(ControlesDesenho::DICA, temPecas && jogo->getStatus() == Jogo::EM_JOGO &&
                                                                !jogo->isPausa() && jogo->isVezDeHumano() &&
                                                                jogo->getMovimento() == nullptr);
    controlesDesenho->desenha(jogo, gui, renderer, tabuleiroDesenho->getBorda());

    SDL_RenderPresent(renderer);

    if (temPecas) {
        jogo->deleta_pecas(a);
        jogo->deleta_pecas(b);
    }
    delete jogadas;
}

void JogoGrafico::desenhaMarc(Jogo* jogo, int x, int y, SDL_Renderer* renderer) {
    Tela* tela = jogo->getTela();
    SDL_Rect casa = {tela->getCelulaX(x), tela->getCelulaY(y), tela->getCelulaDIM(),
                     tela->getCelulaDIM()};
    DesenhoApoio::preencheRect(renderer, &casa, 200, 200, 255, 255);
    DesenhoApoio::contornaRect(renderer, &casa, 150, 150, 100, 255);
}

// Deep violet: no mark of the board uses it, it is the olive squares'
// opposite hue, and it stands at least 3.5:1 in contrast against the light
// and dark squares and the markers. It lies within the piece images' empty
// margin, so a piece on the square hides none of it.
void JogoGrafico::desenhaCursor(Jogo* jogo, int x, int y, SDL_Renderer* renderer) {
    Tela* tela = jogo->getTela();
    int cel = tela->getCelulaDIM();
    int recuo = cel / 32 > 1 ? cel / 32 : 1;
    int espessura = cel * 3 / 64 > 2 ? cel * 3 / 64 : 2;
    for (int i = 0; i < espessura; i++) {
        int d = recuo + i;
        SDL_Rect r = {tela->getCelulaX(x) + d, tela->getCelulaY(y) + d, cel - 2 * d, cel - 2 * d};
        DesenhoApoio::contornaRect(renderer, &r, 90, 0, 160, 255);
    }
}
