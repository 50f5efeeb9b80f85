#ifndef DESENHO_PROMOCAODESENHO_H
#define DESENHO_PROMOCAODESENHO_H

#include <SDL.h>

class Jogo;
class PecaDesenho;

// The picker that opens over the board when a human's pawn reaches the far
// row: the four pieces it may become, in a row, one of them highlighted.
// It holds the square the pawn goes to until a piece is picked.
class PromocaoDesenho {
public:
    static constexpr int NUM_OPCOES = 4;
    // The piece type of each option: Dama, Cavalo, Torre, Bispo.
    static int getTipo(int opcao);

    PromocaoDesenho();

    void abre(int coluna, int linha, bool deComp);
    void fecha() { aberta = false; }
    bool isAberta() const { return aberta; }
    int getColuna() const { return coluna; }
    int getLinha() const { return linha; }
    int getDestaque() const { return destaque; }
    // Wraps around at either end.
    void setDestaque(int opcao);

    // The option under window point (x, y), -1 for none.
    int getOpcaoEm(Jogo* jogo, int x, int y);
    SDL_Rect getOpcaoRect(Jogo* jogo, int opcao);
    SDL_Rect getCaixaRect(Jogo* jogo);
    void desenha(Jogo* jogo, SDL_Renderer* renderer, PecaDesenho* pecaDesenho);

private:
    int margem;
    bool aberta;
    int coluna;
    int linha;
    bool deComp;
    int destaque;
};

#endif
