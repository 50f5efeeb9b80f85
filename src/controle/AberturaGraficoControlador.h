#ifndef CONTROLE_ABERTURAGRAFICOCONTROLADOR_H
#define CONTROLE_ABERTURAGRAFICOCONTROLADOR_H

#include "gui/AberturaGraficoListener.h"

class Sistema;

// Opening screen: highlights the option under the mouse or the one the keys
// move to, cycles the levels and starts the game, or a game pasted (Ctrl+V).
class AberturaGraficoControlador : public AberturaGraficoListener {
public:
    explicit AberturaGraficoControlador(Sistema* sistema);

    void mouseSobre(int x, int y) override;
    void mousePressionado(int x, int y) override;
    void teclaPressionada(int tecla) override;

private:
    int opcaoEm(int x, int y);
    void aciona(int opcao);
    void destaca(int opcao);
    void entraNoJogo();
    void cola();

    Sistema* sistema;
};

#endif
