#ifndef DESENHO_TABULEIRODESENHO_H
#define DESENHO_TABULEIRODESENHO_H

struct SDL_Renderer;
class GUI;
class Jogo;

// The board's frame and its 64 squares, the two squares of the last move
// tinted, and the files and ranks along the frame.
class TabuleiroDesenho {
public:
    explicit TabuleiroDesenho(int borda);

    void desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer);
    int getBorda() const { return borda; }

private:
    void desenhaUltimoLance(Jogo* jogo, SDL_Renderer* renderer);
    void desenhaCoordenadas(Jogo* jogo, GUI* gui, SDL_Renderer* renderer);

    int borda;
};

#endif
