#ifndef DESENHO_PECADESENHO_H
#define DESENHO_PECADESENHO_H

struct SDL_Renderer;
struct SDL_Surface;
class GUI;
class Jogo;
class Peca;

// Draws one piece from its image, centred in its cell plus its slide offset.
class PecaDesenho {
public:
    static const int NUM_IMGS = 18;
    // Image variants.
    static const int BRANCO = 1;
    static const int PRETO = 2;
    static const int VERMELHO = 3;

    PecaDesenho();
    ~PecaDesenho();

    PecaDesenho(const PecaDesenho&) = delete;
    PecaDesenho& operator=(const PecaDesenho&) = delete;

    void carregaIMGs();
    void liberaIMGs();
    // Null for a type outside 1..6, a variant outside 1..3, or an image that
    // could not be loaded.
    SDL_Surface* getPecaIMG(int tipo, int cor);
    void desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer, Peca* peca, int cor);

    static const char* getArquivo(int slot);

private:
    SDL_Surface* pecaIMGs[NUM_IMGS];
};

#endif
