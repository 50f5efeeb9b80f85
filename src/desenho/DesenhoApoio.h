#ifndef DESENHO_DESENHOAPOIO_H
#define DESENHO_DESENHOAPOIO_H

#include <SDL.h>
#include <SDL_ttf.h>

// Small drawing steps shared by the screens and drawers. Every one of them
// copes with a missing image or font by drawing nothing.
class DesenhoApoio {
public:
    // IMG_Load that names the file on standard error the first time it
    // cannot be read.
    static SDL_Surface* carregaIMG(const char* arquivo);

    // Copies the surface into destino (scaled to it) through a texture made
    // for this one copy.
    static void copiaIMG(SDL_Renderer* renderer, SDL_Surface* img, const SDL_Rect* destino);
    // The same, blended at opacity alfa (255 opaque).
    static void copiaIMG(SDL_Renderer* renderer, SDL_Surface* img, const SDL_Rect* destino, Uint8 alfa);

    // Width and height of a Latin-1 text; 0 and 0 without a font.
    static void medeTexto(TTF_Font* fonte, const char* texto, int* largura, int* altura);

    // Renders a Latin-1 text and copies it into destino.
    static void desenhaTexto(SDL_Renderer* renderer, TTF_Font* fonte, const char* texto,
                             SDL_Color cor, const SDL_Rect* destino);

    static void preencheRect(SDL_Renderer* renderer, const SDL_Rect* rect, Uint8 r, Uint8 g,
                             Uint8 b, Uint8 a);
    static void contornaRect(SDL_Renderer* renderer, const SDL_Rect* rect, Uint8 r, Uint8 g,
                             Uint8 b, Uint8 a);
};

#endif
