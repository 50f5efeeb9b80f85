#ifndef JOGO_JOGOCONSTANTES_H
#define JOGO_JOGOCONSTANTES_H

// Named codes of the chess model.
class JogoConstantes {
public:
    static const int TORRE = 1;
    static const int CAVALO = 2;
    static const int BISPO = 3;
    static const int RAINHA = 4;
    static const int REI = 5;
    static const int PEAO = 6;

    static const int HUMANO = 1;
    static const int FACIL = 2;
    static const int NORMAL = 3;
    static const int DIFICIL = 4;

    static const int EM_JOGO = 0;
    static const int BRANCAS_VENCERAM = 1;
    static const int PRETAS_VENCERAM = 2;
    static const int EMPATE = 3;
    static const int ABANDONADO = 4;

    static const int JOGADA_NORMAL = 1;
    static const int JOGADA_ROQUE = 2;
    static const int JOGADA_EN_PASSANT = 3;

    static const int NUM_PECAS = 16;
};

#endif
