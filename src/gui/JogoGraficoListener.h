#ifndef GUI_JOGOGRAFICOLISTENER_H
#define GUI_JOGOGRAFICOLISTENER_H

class JogoGraficoListener {
public:
    virtual ~JogoGraficoListener() {}
    virtual void executando() = 0;
    virtual void mousePressionado(int x, int y) = 0;
    virtual void teclaPressionada(int tecla) = 0;
};

#endif
