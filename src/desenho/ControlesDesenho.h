#ifndef DESENHO_CONTROLESDESENHO_H
#define DESENHO_CONTROLESDESENHO_H

#include <SDL.h>

class GUI;
class Jogo;

// The column of square buttons in the window's right margin, which give
// the mouse and a finger what the keys do. It stays hidden, so that a game
// looks as it always did, until the mouse or a finger is first used on the
// game screen; from then on it is shown for the rest of the run.
class ControlesDesenho {
public:
    // Button ids, in the column's order from the top.
    static constexpr int DESFAZER = 1;
    static constexpr int GIRAR = 2;
    static constexpr int LISTA = 4;
    static constexpr int COPIAR = 5;
    static constexpr int COLAR = 6;
    static constexpr int DICA = 9;

    static int getNumBotoes();
    static int getId(int indice);
    static const char* getArquivo(int indice);

    ControlesDesenho();
    ~ControlesDesenho();

    ControlesDesenho(const ControlesDesenho&) = delete;
    ControlesDesenho& operator=(const ControlesDesenho&) = delete;

    void inicializa();
    void finaliza();
    // Lays the column out right of the board's frame (borda wide) and draws
    // it when it is shown; a disabled button is dimmed.
    void desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer, int borda);

    bool isVisivel() const { return visivel; }
    void setVisivel(bool v) { visivel = v; }
    bool isHabilitado(int id) const;
    void setHabilitado(int id, bool habilitado);
    // The id of the button under (x, y) as the last frame laid it out, 0 for
    // none; always 0 while the column is hidden.
    int getBotaoEm(int x, int y) const;
    SDL_Rect getBotaoRect(int id) const;

private:
    static const int MAX_BOTOES = 8;
    static const int LADO = 36;
    static const int ESPACO = 8;

    int indiceDe(int id) const;

    SDL_Surface* imgs[MAX_BOTOES];
    SDL_Rect rects[MAX_BOTOES];
    bool habilitados[MAX_BOTOES];
    bool visivel;
};

#endif
