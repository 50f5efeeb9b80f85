#include "app/DriverAdapter.h"

#include "desenho/InfoDesenho.h"
#include "desenho/JogoGrafico.h"
#include "gui/GUI.h"
#include "jogo/Jogo.h"

DriverAdapter::DriverAdapter() : gui(nullptr), jogo(nullptr), jogoGrafico(nullptr) {}

int DriverAdapter::getTelaLargura() {
    int largura = 0, altura = 0;
    gui->carregaTelaDIM(&largura, &altura);
    return largura;
}

int DriverAdapter::getTelaAltura() {
    int largura = 0, altura = 0;
    gui->carregaTelaDIM(&largura, &altura);
    return altura;
}

double DriverAdapter::getFatorCelulaDIM() { return 0.1; }

int DriverAdapter::getInfoPainelAltura() { return jogoGrafico->getInfoDesenho()->getPainelAltura(); }

bool DriverAdapter::isPausa() { return jogo->isPausa(); }

void DriverAdapter::setJogoEGUI(GUI* gui_, Jogo* jogo_, JogoGrafico* jogoGrafico_) {
    gui = gui_;
    jogo = jogo_;
    jogoGrafico = jogoGrafico_;
}
