#ifndef ANIMACAO_PECAANIM_H
#define ANIMACAO_PECAANIM_H

class Jogo;
class JogadaRoque;
class Movimento;
class MovimentoSimples;
class Peca;

// Builds the slides of a move and advances one slide, writing the offsets
// into the live piece.
class PecaAnim {
public:
    explicit PecaAnim(Jogo* jogo);

    // Advances the slide by passo pixels; answers the distance that was left
    // from the point just shown to the end of the slide.
    int move(MovimentoSimples* simples, int passo);

    void carregaMovsPeca(Movimento* movimento, Peca* peca);
    void carregaMovsCavalo(Movimento* movimento, Peca* peca);
    void carregaMovsRoque(Movimento* movimento, JogadaRoque* roque);

private:
    Jogo* jogo;
};

#endif
