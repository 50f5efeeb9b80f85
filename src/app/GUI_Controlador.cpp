#include "app/GUI_Controlador.h"

#include "app/Sistema.h"

GUI_Controlador::GUI_Controlador(Sistema* sistema) : sistema(sistema) {}

void GUI_Controlador::inicializou() { sistema->inicia(); }

void GUI_Controlador::finalizando() { sistema->finaliza(); }

// A search or a timed message on the game thread must not hold the window
// open: stop them at once.
void GUI_Controlador::janelaFechada() { sistema->encerra(); }
