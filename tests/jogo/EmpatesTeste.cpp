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

namespace {

// A take back restores all a move changed: a repetition the move completed
// counts once more only when it is made again, castling comes back, and so
// do the clock, the record, the last move and the computer player's memory.
TEST(Desfazer, RestauraRepeticaoRoqueContagensEMemoria) {
    Jogo jogo(nullptr);
    jogo.setNivel(true, Jogo::HUMANO);  // two humans: one move per take back
    monta(jogo, "n6k/8/8/8/8/8/P7/K6N w - - 7 40");
    const char* ciclo[4] = {"h1g3", "a8b6", "g3h1", "b6a8"};
    for (int ply = 0; ply < 12; ply++) joga(jogo, ciclo[ply % 4]);  // the start's fourth time
    long geracao = jogo.getGeracao();
    ASSERT_TRUE(jogo.desfazJogada());
    EXPECT_GT(jogo.getGeracao(), geracao);
    EXPECT_EQ(11u, jogo.getRegistro().size());
    EXPECT_EQ(7 + 11, jogo.getLancesSemCaptura());
    EXPECT_TRUE(jogo.isVezComputador());
    joga(jogo, ciclo[3]);
    EXPECT_EQ(Jogo::EM_JOGO, jogo.verificaFimDePartida(nullptr));
    joga(jogo, "a2a3");  // forgets the positions before it, until taken back
    ASSERT_TRUE(jogo.desfazJogada());
    for (int ply = 0; ply < 4; ply++) joga(jogo, ciclo[ply]);
    EXPECT_EQ(Jogo::EMPATE, jogo.verificaFimDePartida(nullptr));

    monta(jogo, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    Posicao antes = jogo.getPosicao();
    Peca* rei = jogo.getJogadorPeca(4);
    joga(jogo, "e1f1");
    // What the computer player notes when it chooses.
    jogo.incJogadaRepetidaCont(false);
    jogo.getJogadorPeca(4)->incJogadaCont();
    ASSERT_NE(antes.roques, jogo.getPosicao().roques);
    ASSERT_TRUE(jogo.desfazJogada());
    EXPECT_TRUE(antes == jogo.getPosicao());
    EXPECT_EQ(0, jogo.getJogadaRepetidaCont(false));
    EXPECT_EQ(0, jogo.getJogadorPeca(4)->getJogadaCont());
    EXPECT_EQ(0, jogo.getJogadorPeca(4)->getMoveuContador());
    EXPECT_NE(rei, jogo.getJogadorPeca(4));  // the game's pieces are new ones
    EXPECT_EQ(nullptr, jogo.getUltimoMov(false));
    EXPECT_TRUE(jogo.getRegistro().empty());
    Casas doRei = legais(jogo, 4, 7);  // both castlings again
    EXPECT_EQ(2, std::count(doRei.begin(), doRei.end(), "g1") + std::count(doRei.begin(), doRei.end(), "c1"));
    EXPECT_FALSE(jogo.desfazJogada());
}

// Back to the last move made with a human side to move, the moves after it
// too; nothing without a human side, nor once the game is over.
TEST(Desfazer, AteOUltimoLanceDeUmLadoHumano) {
    Jogo jogo(nullptr);
    jogo.setNivel(false, Jogo::FACIL);
    jogo.setNivel(true, Jogo::HUMANO);
    jogo.reinicia();
    for (const char* l : {"e2e4", "e7e5", "g1f3"}) joga(jogo, l);
    ASSERT_TRUE(jogo.desfazJogada());
    EXPECT_EQ(1u, jogo.getRegistro().size());
    EXPECT_TRUE(jogo.isVezComputador());
    EXPECT_NE(nullptr, jogo.getUltimoMov(false));
    EXPECT_EQ(nullptr, jogo.getUltimoMov(true));
    EXPECT_FALSE(jogo.isDesfazivel());  // white's first move was the computer's

    jogo.setNivel(true, Jogo::NORMAL);
    jogo.reinicia();
    joga(jogo, "e2e4");
    EXPECT_FALSE(jogo.isDesfazivel());
    jogo.setNivel(false, Jogo::HUMANO);
    EXPECT_TRUE(jogo.isDesfazivel());
    jogo.setStatus(Jogo::EMPATE);
    EXPECT_FALSE(jogo.desfazJogada());
    EXPECT_EQ(1u, jogo.getRegistro().size());
}

}  // namespace
