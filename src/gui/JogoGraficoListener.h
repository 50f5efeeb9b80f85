#ifndef GUI_JOGOGRAFICOLISTENER_H
#define GUI_JOGOGRAFICOLISTENER_H

class JogoGraficoListener {
public:
    virtual ~JogoGraficoListener() {}
    virtual void executando() = 0;
    virtual void mousePressionado(int x, int y) = 0;
    virtual void teclaPressionada(int tecla) = 0;
    // The mouse moved over the game screen (a finger's tap moves it too).
    virtual void mouseSobre(int x, int y) = 0;
};

#endif
