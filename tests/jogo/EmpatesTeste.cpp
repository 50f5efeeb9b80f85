// The draws that end a game by themselves, through the operations the game
// loop uses: executaJogada records each move, verificaFimDePartida judges.
#include "Apoio.h"

#include <algorithm>

#include "Perft.h"

namespace {

// Plays a legal move given as "g1f3" for the side to move.
void joga(Jogo& jogo, const std::string& lance) {
    bool isComp = jogo.isVezComputador();
    Peca** lado = isComp ? jogo.getComputadorPecas() : jogo.getJogadorPecas();
    auto lances = Perft::legais(&jogo, jogo.getJogadorPecas(), jogo.getComputadorPecas(), isComp);
    auto l = std::find_if(lances.begin(), lances.end(),
                          [&](const Perft::Lance& l) { return PosicaoFEN::notacao(lado[l.slot], l.jogada) == lance; });
    ASSERT_NE(lances.end(), l) << lance;
    jogo.executaJogada(lado[l->slot], l->jogada);
    Perft::libera(lances);
}

TEST(Empates, QuintaRepeticaoEmpataAQuartaNao) {
    Jogo jogo(nullptr);
    monta(jogo, "n6k/8/8/8/8/8/8/K6N w - -");
    const char* ciclo[4] = {"h1g3", "a8b6", "g3h1", "b6a8"};
    int motivo = -1;
    // The start is the first occurrence; each cycle of four plies adds one.
    for (int ply = 0; ply < 15; ply++) {
        joga(jogo, ciclo[ply % 4]);
        ASSERT_EQ(Jogo::EM_JOGO, jogo.verificaFimDePartida(&motivo)) << "ply " << ply;
    }
    joga(jogo, ciclo[3]);
    EXPECT_EQ(Jogo::EMPATE, jogo.verificaFimDePartida(&motivo));
    EXPECT_EQ(Jogo::FIM_REPETICAO, motivo);

    // A double step counts as en passant possibility only when the capture is legal.
    monta(jogo, "4k3/8/8/8/3p4/8/4P3/4K3 w - -");
    joga(jogo, "e2e4");
    EXPECT_EQ(4, jogo.getPosicao().enPassant);
    monta(jogo, "8/8/8/8/k2p3R/8/4P3/4K3 w - -");  // the black pawn is pinned
    joga(jogo, "e2e4");
    EXPECT_EQ(-1, jogo.getPosicao().enPassant);
}

TEST(Empates, SetentaECincoLancesSemCapturaNemPeao) {
    Jogo jogo(nullptr);
    int motivo = -1;
    monta(jogo, "k7/8/1K6/8/8/8/8/7R w - - 148 80");
    joga(jogo, "h1h2");
    EXPECT_EQ(Jogo::EM_JOGO, jogo.verificaFimDePartida(&motivo));
    joga(jogo, "a8b8");
    EXPECT_EQ(Jogo::EMPATE, jogo.verificaFimDePartida(&motivo));
    EXPECT_EQ(Jogo::FIM_75_LANCES, motivo);

    // A mate on the 150th ply stands as a mate.
    monta(jogo, "k7/8/1K6/8/8/8/8/7R w - - 149 80");
    joga(jogo, "h1h8");
    EXPECT_EQ(Jogo::BRANCAS_VENCERAM, jogo.verificaFimDePartida(&motivo));

    // A pawn move starts the count anew.
    monta(jogo, "k7/8/1K6/8/8/8/6P1/7R w - - 149 80");
    joga(jogo, "g2g3");
    EXPECT_EQ(Jogo::EM_JOGO, jogo.verificaFimDePartida(&motivo));
    EXPECT_EQ(0, jogo.getLancesSemCaptura());

    // A clock of any size is a game drawn already, and stays drawn as it
    // counts on.
    monta(jogo, "k7/8/1K6/8/8/8/8/7R w - - 99999999999999999999 1");
    joga(jogo, "h1h2");
    EXPECT_EQ(Jogo::EMPATE, jogo.verificaFimDePartida(&motivo));
    EXPECT_EQ(Jogo::FIM_75_LANCES, motivo);
}

TEST(Empates, MaterialInsuficiente) {
    Jogo jogo(nullptr);
    auto morta = [&](const std::string& fen) {
        monta(jogo, fen);
        return jogo.isMaterialInsuficiente(jogo.getJogadorPecas(), jogo.getComputadorPecas());
    };
    EXPECT_TRUE(morta("4k3/8/8/8/8/8/8/2B1K3 w - -"));
    EXPECT_TRUE(morta("4k3/8/8/8/8/8/8/4K1n1 w - -"));
    EXPECT_TRUE(morta("2b1k3/8/8/8/8/7B/8/4KB2 w - -"));  // c8, h3, f1: all light
    EXPECT_FALSE(morta("2b1k3/8/8/8/8/8/8/2B1K3 w - -"));  // c8 light, c1 dark
    EXPECT_FALSE(morta("4k3/8/8/8/8/8/8/1N2K1N1 w - -"));
    EXPECT_FALSE(morta("4k3/8/8/8/8/8/4P3/4K3 w - -"));
    EXPECT_FALSE(morta("4k3/8/8/8/8/8/8/2B1K1n1 w - -"));

    // The capture that leaves bare kings ends the game.
    monta(jogo, "4k3/8/8/8/8/8/4q3/4K3 w - -");
    joga(jogo, "e1e2");
    int motivo = -1;
    EXPECT_EQ(Jogo::EMPATE, jogo.verificaFimDePartida(&motivo));
    EXPECT_EQ(Jogo::FIM_MATERIAL_INSUFICIENTE, motivo);
}

}  // namespace
