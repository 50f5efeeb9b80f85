#include "gui/Tela.h"

#include <algorithm>
#include <cmath>

#include "gui/JogoDriver.h"

Tela::Tela(JogoDriver* jogoDriver) : jogoDriver(jogoDriver), girado(false) {}

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

int Tela::getCelulaX(int i) { return getTabuleiroX() + (girado ? 7 - i : i) * getCelulaDIM(); }
int Tela::getCelulaY(int j) { return getTabuleiroY() + (girado ? 7 - j : j) * getCelulaDIM(); }
int Tela::getX(int i) { return getCelulaX(i) + getCelulaDIM() / 2; }
int Tela::getY(int j) { return getCelulaY(j) + getCelulaDIM() / 2; }

bool Tela::getCasaEm(int x, int y, int* i, int* j) {
    int tx = getTabuleiroX();
    int ty = getTabuleiroY();
    int dim = getTabuleiroDIM();
    int cel = getCelulaDIM();
    if (cel <= 0 || x < tx || x >= tx + dim || y < ty || y >= ty + dim) {
        return false;
    }
    int col = (x - tx) / cel;
    int lin = (y - ty) / cel;
    *i = girado ? 7 - col : col;
    *j = girado ? 7 - lin : lin;
    return true;
}
