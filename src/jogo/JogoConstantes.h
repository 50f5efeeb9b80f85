#ifndef JOGO_JOGOCONSTANTES_H
#define JOGO_JOGOCONSTANTES_H

// Named codes of the chess model.
class JogoConstantes {
public:
    static constexpr int TORRE = 1;
    static constexpr int CAVALO = 2;
    static constexpr int BISPO = 3;
    static constexpr int RAINHA = 4;
    static constexpr int REI = 5;
    static constexpr int PEAO = 6;

    static constexpr int HUMANO = 1;
    static constexpr int FACIL = 2;
    static constexpr int NORMAL = 3;
    static constexpr int DIFICIL = 4;
    // The stronger levels, searched by their own engine, in rising strength.
    static constexpr int AMADOR = 5;
    static constexpr int AVANCADO = 6;
    static constexpr int CLUBE = 7;
    static constexpr int FORTE = 8;
    static constexpr int PERITO = 9;
    static constexpr int NIVEL_MAXIMO = PERITO;

    static constexpr int EM_JOGO = 0;
    static constexpr int BRANCAS_VENCERAM = 1;
    static constexpr int PRETAS_VENCERAM = 2;
    static constexpr int EMPATE = 3;
    static constexpr int ABANDONADO = 4;

    static constexpr int JOGADA_NORMAL = 1;
    static constexpr int JOGADA_ROQUE = 2;
    static constexpr int JOGADA_EN_PASSANT = 3;

    static constexpr int NUM_PECAS = 16;

    // Why a game ended (Jogo::verificaFimDePartida).
    static constexpr int FIM_XEQUE_MATE = 1;
    static constexpr int FIM_AFOGAMENTO = 2;
    static constexpr int FIM_REPETICAO = 3;
    static constexpr int FIM_75_LANCES = 4;
    static constexpr int FIM_MATERIAL_INSUFICIENTE = 5;

    // The draws that end a game by themselves: the fifth occurrence of a
    // position, and 75 moves of each side without a capture or a pawn move.
    static constexpr int REPETICOES_EMPATE = 5;
    static constexpr int LANCES_SEM_CAPTURA_EMPATE = 150;
};

#endif
