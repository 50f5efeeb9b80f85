#ifndef APP_DRIVERADAPTER_H
#define APP_DRIVERADAPTER_H

#include "gui/GUI_Driver.h"
#include "gui/JogoDriver.h"

class GUI;
class Jogo;
class JogoGrafico;

// Answers the window metrics the model asks for and the pause state the window asks for.
class DriverAdapter : public JogoDriver, public GUI_Driver {
public:
    DriverAdapter();

    int getTelaLargura() override;
    int getTelaAltura() override;
    double getFatorCelulaDIM() override;
    int getInfoPainelAltura() override;
    bool isPausa() override;

    void setJogoEGUI(GUI* gui, Jogo* jogo, JogoGrafico* jogoGrafico);

private:
    GUI* gui;
    Jogo* jogo;
    JogoGrafico* jogoGrafico;
};

#endif
