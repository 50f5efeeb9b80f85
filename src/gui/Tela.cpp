#include "gui/Tela.h"

#include <algorithm>
#include <cmath>

#include "gui/JogoDriver.h"

Tela::Tela(JogoDriver* jogoDriver) : jogoDriver(jogoDriver) {}

int Tela::getCelulaDIM() {
    int w = jogoDriver->getTelaLargura();
    int h = jogoDriver->getTelaAltura();
    double f = jogoDriver->getFatorCelulaDIM();
    return static_cast<int>(std::lround(f * std::min(w, h)));
}

int Tela::getTabuleiroDIM() { return 8 * getCelulaDIM(); }

int Tela::getTabuleiroX() {
    int w = jogoDriver->getTelaLargura();
    return (w - 8 * getCelulaDIM()) / 2;
}

int Tela::getTabuleiroY() {
    int h = jogoDriver->getTelaAltura();
    int p = jogoDriver->getInfoPainelAltura();
    return ((h - p / 2) - 8 * getCelulaDIM()) / 2 + p / 2;
}

int Tela::getCelulaX(int i) { return getTabuleiroX() + i * getCelulaDIM(); }
int Tela::getCelulaY(int j) { return getTabuleiroY() + j * getCelulaDIM(); }
int Tela::getX(int i) { return getCelulaX(i) + getCelulaDIM() / 2; }
int Tela::getY(int j) { return getCelulaY(j) + getCelulaDIM() / 2; }
