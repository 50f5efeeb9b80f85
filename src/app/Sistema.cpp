#include "app/Sistema.h"

#include "app/DriverAdapter.h"
#include "app/GUI_Controlador.h"
#include "animacao/Movimento.h"
#include "controle/AberturaGraficoControlador.h"
#include "controle/JogoGraficoControlador.h"
#include "gui/AreaTransferencia.h"

Sistema::Sistema()
    : jogo(nullptr),
      jogoDriver(nullptr),
      gui(nullptr),
      jogoAudio(nullptr),
      aberturaGrafico(nullptr),
      jogoGrafico(nullptr),
      algoritmoGerenciador(nullptr),
      animacao(nullptr),
      guiControlador(nullptr),
      aberturaGraficoControlador(nullptr),
      jogoGraficoControlador(nullptr),
      encerrando(false) {
    jogoDriver = new DriverAdapter();
    gui = new GUI(jogoDriver);
    jogo = new Jogo(jogoDriver);
    aberturaGrafico = new AberturaGrafico(gui, jogo);
    jogoGrafico = new JogoGrafico(jogo, gui);
    jogoDriver->setJogoEGUI(gui, jogo, jogoGrafico);
    jogoAudio = new JogoAudio();
    algoritmoGerenciador = new AlgoritmoGerenciador(jogo);
    animacao = new Animacao(jogo);
    guiControlador = new GUI_Controlador(this);
    aberturaGraficoControlador = new AberturaGraficoControlador(this);
    jogoGraficoControlador = new JogoGraficoControlador(this);

    gui->setGUIListener(guiControlador);
    gui->setAberturaGraficoListener(aberturaGraficoControlador);
    gui->setJogoGraficoListener(jogoGraficoControlador);
    gui->setAberturaGrafico(aberturaGrafico);
    gui->setJogoGrafico(jogoGrafico);
}

Sistema::~Sistema() {
    // A move may still be under way; the game does not own its animation.
    delete jogo->getMovimento();
    jogo->setMovimento(nullptr);
    delete jogo;
    delete jogoDriver;
    delete aberturaGrafico;
    delete jogoGrafico;
    delete jogoAudio;
    delete algoritmoGerenciador;
    delete animacao;
    delete guiControlador;
    delete aberturaGraficoControlador;
    delete jogoGraficoControlador;
    delete gui;
}

void Sistema::inicia() {
    AreaTransferencia::prepara();
    aberturaGrafico->inicializa();
    jogoGrafico->inicializa();
#ifndef __EMSCRIPTEN__
    jogoAudio->inicializa();
#endif
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    jogo->reinicia();
    jogoAudio->reinicia();
    gui->reinicia();
}

void Sistema::carregaSons() {
    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    jogoAudio->inicializa();
    if (gui->getGraficoTipo() == GUI::TELA_JOGO) {
        jogoAudio->setMusica(JogoAudio::MUSICA_JOGO);
    }
    if (!jogo->isAudioLigado()) {
        jogoAudio->pauseMusica();
    }
}

void Sistema::finaliza() {
    aberturaGrafico->finaliza();
    jogoGrafico->finaliza();
    jogoAudio->finaliza();
}

void Sistema::encerra() {
    encerrando = true;
    jogo->setFim(true);
    jogoGraficoControlador->interrompeBusca();
}

void Sistema::execGUI() { gui->execGUI("Jogo de Xadrez", 640, 640); }

void Sistema::execJogo(void* arg) { gui->execJogo(arg); }
