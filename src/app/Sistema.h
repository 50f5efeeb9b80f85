#ifndef APP_SISTEMA_H
#define APP_SISTEMA_H

#include <atomic>

#include "algoritmo/AlgoritmoGerenciador.h"
#include "animacao/Animacao.h"
#include "audio/JogoAudio.h"
#include "desenho/AberturaGrafico.h"
#include "desenho/JogoGrafico.h"
#include "desenho/MensagemDesenho.h"
#include "desenho/PromocaoDesenho.h"
#include "gui/GUI.h"
#include "jogo/Jogo.h"

class AberturaGraficoControlador;
class DriverAdapter;
class GUI_Controlador;
class JogoGraficoControlador;

// The root object: builds and owns every part of the game. The controllers
// reach the others through it, which is why what they call is defined here.
class Sistema {
public:
    Sistema();
    ~Sistema();

    Sistema(const Sistema&) = delete;
    Sistema& operator=(const Sistema&) = delete;

    void inicia();
    void finaliza();
    // Loads the sounds and starts the tune of the screen shown. A page calls
    // it once its sounds have arrived, after the opening screen.
    void carregaSons();
    void execGUI();
    void execJogo(void* arg);

    // Back to the opening screen with a fresh game; counters and levels
    // stay. On the game thread, so no search runs meanwhile.
    void reinicia() {
        jogoGrafico->getMensagemDesenho()->removeMensagem();
        jogoGrafico->getPromocaoDesenho()->fecha();
        gui->reinicia();
        jogo->reinicia();
        jogoAudio->reinicia();
        algoritmoGerenciador->novaPartida();
    }

    // The window is closing: work in progress on the game thread stops,
    // a search under way at once.
    void encerra();
    bool isEncerrando() const { return encerrando; }

    Jogo* getJogo() { return jogo; }
    DriverAdapter* getJogoDriver() { return jogoDriver; }
    GUI* getGUI() { return gui; }
    JogoAudio* getJogoAudio() { return jogoAudio; }
    AberturaGrafico* getAberturaGrafico() { return aberturaGrafico; }
    JogoGrafico* getJogoGrafico() { return jogoGrafico; }
    AlgoritmoGerenciador* getAlgoritmoGerenciador() { return algoritmoGerenciador; }
    Animacao* getAnimacao() { return animacao; }
    JogoGraficoControlador* getJogoGraficoControlador() { return jogoGraficoControlador; }

private:
    Jogo* jogo;
    DriverAdapter* jogoDriver;
    GUI* gui;
    JogoAudio* jogoAudio;
    AberturaGrafico* aberturaGrafico;
    JogoGrafico* jogoGrafico;
    AlgoritmoGerenciador* algoritmoGerenciador;
    Animacao* animacao;
    GUI_Controlador* guiControlador;
    AberturaGraficoControlador* aberturaGraficoControlador;
    JogoGraficoControlador* jogoGraficoControlador;
    std::atomic<bool> encerrando;
};

extern Sistema* sistema;

int execJogo(void* arg);

#endif
