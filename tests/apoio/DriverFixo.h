#ifndef TESTES_APOIO_DRIVERFIXO_H
#define TESTES_APOIO_DRIVERFIXO_H

#include "gui/JogoDriver.h"

// Window metrics for tests that need the board geometry without a window.
class DriverFixo : public JogoDriver {
public:
    DriverFixo(int w, int h, int painel) : w(w), h(h), painel(painel) {}
    int getTelaLargura() override { return w; }
    int getTelaAltura() override { return h; }
    double getFatorCelulaDIM() override { return 0.1; }
    int getInfoPainelAltura() override { return painel; }
    int w, h, painel;
};

#endif
