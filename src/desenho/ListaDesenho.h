#ifndef DESENHO_LISTADESENHO_H
#define DESENHO_LISTADESENHO_H

#include <string>
#include <vector>

#include <SDL.h>

#include "ListaSAN.h"

class GUI;
class Jogo;

// The list of the game's moves in the game's own letters ("Cf3", "Dxd8+",
// "e8=D"), numbered in pairs, on a dark see-through panel over the right
// half of the board, the latest move always in view (older ones go off the
// top) and set apart in amber; a finished game's result closes it. Hidden
// until asked for. The SAN is kept in step with the record one new move at
// a time, by the frame, which holds the game's lock.
class ListaDesenho {
public:
    ListaDesenho();

    ListaDesenho(const ListaDesenho&) = delete;
    ListaDesenho& operator=(const ListaDesenho&) = delete;

    bool isVisivel() const { return visivel; }
    void setVisivel(bool v) { visivel = v; }
    // Over the panel as the last frame laid it out; always false while hidden.
    bool isEm(int x, int y) const;
    SDL_Rect getRect() const { return rect; }
    // The rows the last frame showed, top first, each as read ("12. Cf3 Cc6",
    // "1... e5", "1-0"); empty while hidden.
    const std::vector<std::string>& getLinhas() const { return linhas; }

    void desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer);

private:
    struct Linha {
        std::string numero;
        std::string brancas;
        std::string pretas;
        int ultimo;  // which of the two holds the latest move: 1 white, 2 black, 0 neither
    };
    std::vector<Linha> montaLinhas(int status) const;

    ListaSAN lista;
    bool visivel;
    SDL_Rect rect;
    std::vector<std::string> linhas;
};

#endif
