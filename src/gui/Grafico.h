#ifndef GUI_GRAFICO_H
#define GUI_GRAFICO_H

struct SDL_Renderer;

// A whole screen: draws every layer of one frame and presents it.
class Grafico {
public:
    virtual ~Grafico() {}
    virtual void desenha(SDL_Renderer* renderer) = 0;
};

#endif
