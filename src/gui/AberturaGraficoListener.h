#ifndef GUI_ABERTURAGRAFICOLISTENER_H
#define GUI_ABERTURAGRAFICOLISTENER_H

class AberturaGraficoListener {
public:
    virtual ~AberturaGraficoListener() {}
    virtual void mouseSobre(int x, int y) = 0;
    virtual void mousePressionado(int x, int y) = 0;
    virtual void teclaPressionada(int tecla) = 0;
};

#endif
