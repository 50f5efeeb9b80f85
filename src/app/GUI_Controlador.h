#ifndef APP_GUI_CONTROLADOR_H
#define APP_GUI_CONTROLADOR_H

#include "gui/GUI_Listener.h"

class Sistema;

// Ties the window's start and end to the system.
class GUI_Controlador : public GUI_Listener {
public:
    explicit GUI_Controlador(Sistema* sistema);

    void inicializou() override;
    void finalizando() override;
    void janelaFechada() override;

private:
    Sistema* sistema;
};

#endif
