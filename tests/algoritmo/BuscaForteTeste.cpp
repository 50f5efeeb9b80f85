// The stronger levels' engine: its move generator against the game's own
// rules, and what its search finds.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "Perft.h"
#include "PosicaoFEN.h"
#include "algoritmo/AlgoritmoForte.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Busca.h"
#include "algoritmo/PosicaoBusca.h"
#include "jogo/Jogada.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

namespace {

typedef PosicaoBusca P;

std::string nome(P::Lance l) {
    static const char pecas[] = "  nbrq";
    std::string s = PosicaoFEN::casa(P::origem(l) % 8, P::origem(l) / 8) +
                    PosicaoFEN::casa(P::destino(l) % 8, P::destino(l) / 8);
    if (P::isPromocao(l)) s += pecas[P::promoveA(l)];
    return s;
}

void carrega(Jogo& jogo, P& p, const std::string& fen) {
    std::string erro;
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, fen, &erro)) << erro;
    p.carrega(jogo.getPosicao(), jogo.getLancesSemCaptura(), jogo.getHistorico());
}

long perftDoJogo(Jogo& jogo, int profundidade) {
    long total = 0;
    for (const auto& r : Perft::divide(&jogo, jogo.isVezComputador(), profundidade)) total += r.second;
    return total;
}

// The game lists a pawn reaching the far row once (it becomes a queen);
// counted that way, the trees must be the same size, and the key must
// come back after every move is taken back.
TEST(BuscaForte, PerftIgualAoDoJogo) {
    const char* const posicoes[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
        // Castling through or out of check, and into it.
        "r3k2r/8/8/8/8/8/5q2/R3K2R w KQkq - 0 1",
        "r3k2r/8/8/8/1b6/8/8/R3K2R w KQkq - 0 1",
        "r3k2r/8/8/8/8/8/8/R2bK2R w KQkq - 0 1",
        // En passant that would expose the king, along a rank and a diagonal.
        "8/8/8/K2pP2r/8/8/8/7k w - d6 0 1",
        "8/8/8/1k1pP3/8/8/8/7K w - d6 0 1",
        "7k/8/8/8/2pP4/8/8/K5B1 b - d3 0 1",
        // Promotions, with and without capture, for both sides.
        "n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 1",
        "3r4/4P3/8/8/8/k7/8/K7 w - - 0 1",
    };
    for (const char* fen : posicoes) {
        Jogo jogo(nullptr);
        P p;
        carrega(jogo, p, fen);
        std::uint64_t chave = p.getChave();
        EXPECT_EQ(perftDoJogo(jogo, 3), p.perft(3, true)) << fen;
        EXPECT_EQ(chave, p.getChave()) << fen;
    }
    // The published counts, under-promotions included.
    Jogo jogo(nullptr);
    P p;
    carrega(jogo, p, "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1");
    EXPECT_EQ(9467, p.perft(3, false));
    carrega(jogo, p, "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8");
    EXPECT_EQ(62379, p.perft(3, false));
    carrega(jogo, p, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -");
    EXPECT_EQ(4085603, p.perft(4, false));
}

// The key of a position made by moves equals the key the game's record
// gives for it, so repetitions across the game and the search are seen.
TEST(BuscaForte, ChaveIgualADoRegistro) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    P p;
    p.carregaInicial();
    const char* const lances[] = {"g1f3", "g8f6", "f3g1", "f6g8", "e2e4", "d7d5", "e4e5", "f7f5"};
    for (const char* texto : lances) {
        P::Lance legais[P::MAXIMO_LANCES];
        int n = p.geraLegais(legais);
        P::Lance l = P::NENHUM;
        for (int i = 0; i < n; i++) {
            if (nome(legais[i]) == texto) l = legais[i];
        }
        ASSERT_NE(P::NENHUM, l) << texto;
        p.faz(l);
        auto todos = Perft::legais(&jogo, jogo.getJogadorPecas(), jogo.getComputadorPecas(), jogo.isVezComputador());
        for (auto& m : todos) {
            Peca* peca = (jogo.isVezComputador() ? jogo.getComputadorPecas() : jogo.getJogadorPecas())[m.slot];
            if (PosicaoFEN::notacao(peca, m.jogada) == texto) {
                jogo.executaJogada(peca, m.jogada);
                break;
            }
        }
        Perft::libera(todos);
        EXPECT_EQ(P::chaveDe(jogo.getPosicao()), p.getChave()) << texto;
    }
    // After g1f3 g8f6 f3g1 f6g8 the start position came back.
    P deNovo;
    Jogo outro(nullptr);
    outro.reinicia();
    deNovo.carrega(jogo.getPosicao(), jogo.getLancesSemCaptura(), jogo.getHistorico());
    EXPECT_EQ(p.getChave(), deNovo.getChave());
}

std::string melhor(const std::string& fen, int nivel = JogoConstantes::PERITO, long long nos = 0, int* valor = nullptr) {
    Jogo jogo(nullptr);
    std::string erro;
    EXPECT_TRUE(PosicaoFEN::carrega(&jogo, fen, &erro)) << erro;
    AlgoritmoForte forte(&jogo, 4);
    LimitesBusca limites;
    limites.nos = nos;
    AlgoritmoForte::Escolha e = forte.escolhe(jogo.isVezComputador(), nivel, limites, false, nos == 0);
    if (valor != nullptr) *valor = e.resultado.valor;
    return e.achou ? nome(e.lance) : "nenhuma";
}

TEST(BuscaForte, AchaMatesCurtosEMaterialSolto) {
    int valor = 0;
    // Mate in one: the back rank.
    EXPECT_EQ("a1a8", melhor("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", JogoConstantes::PERITO, 0, &valor));
    EXPECT_EQ(Busca::MATE - 1, valor);
    // Mate in two and in three: the rooks' ladder.
    melhor("7k/8/8/8/8/8/R7/1R4K1 w - - 0 1", JogoConstantes::PERITO, 0, &valor);
    EXPECT_EQ(Busca::MATE - 3, valor);
    melhor("8/8/6k1/1R6/8/8/8/R5K1 w - - 0 1", JogoConstantes::PERITO, 0, &valor);
    EXPECT_EQ(Busca::MATE - 5, valor);
    // A queen left hanging is taken, at every stronger level.
    for (int nivel = JogoConstantes::AMADOR; nivel <= JogoConstantes::PERITO; nivel++) {
        EXPECT_EQ("c3d5", melhor("r1b1kbnr/pppp1ppp/2n5/3qp3/8/2N5/PPPP1PPP/R1BQKBNR w KQkq - 0 4", nivel))
            << "level " << nivel;
    }
}

TEST(BuscaForte, SubpromocaoQuandoSoElaServe) {
    // Only the knight's check forks king and queen.
    EXPECT_EQ("e7e8n", melhor("8/2q1P1k1/8/8/8/8/P7/4K3 w - - 0 1"));
    // A queen stalemates, a rook wins.
    Jogo jogo(nullptr);
    std::string erro;
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "8/5P1k/5K2/8/8/p7/P7/8 w - - 0 1", &erro)) << erro;
    AlgoritmoForte forte(&jogo, 4);
    LimitesBusca limites;
    limites.restritos = {P::criaLance(13, 5, P::PROMOCAO + 3), P::criaLance(13, 5, P::PROMOCAO + 2)};
    AlgoritmoForte::Escolha e = forte.escolhe(false, JogoConstantes::PERITO, limites, false, true);
    EXPECT_EQ("f7f8r", nome(e.lance));
    EXPECT_GT(e.resultado.valor, 300);
}

// The manager sends levels 5 to 9 to the stronger engine, tells the piece
// a pawn becomes, gives a hint without touching the original levels'
// memory, and a search without bounds ends when interrupted.
TEST(BuscaForte, GerenciadorSugereEInterrompe) {
    Jogo jogo(nullptr);
    std::string erro;
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "8/2q1P1k1/8/8/8/8/P7/4K3 w - - 0 1", &erro)) << erro;
    AlgoritmoGerenciador g(&jogo, 4);
    int x = 0, y = 0, promocao = -1;
    Jogada* jogada = nullptr;
    jogo.setNivel(false, JogoConstantes::PERITO);
    ASSERT_TRUE(g.calculaMelhorJogada(&x, &y, &jogada, false));
    EXPECT_EQ("e7e8", PosicaoFEN::casa(x, y) + PosicaoFEN::casa(jogada->getPosX(), jogada->getPosY()));
    EXPECT_EQ(JogoConstantes::CAVALO, g.getPromocao());
    delete jogada;

    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "6k1/4Pppp/8/8/8/1N5K/8/q7 w - -", &erro)) << erro;
    jogo.setNivel(false, JogoConstantes::DIFICIL);
    ASSERT_TRUE(g.calculaMelhorJogada(&x, &y, &jogada, false));
    EXPECT_EQ(JogoConstantes::RAINHA, g.getPromocao());
    delete jogada;

    // A hint for black, who plays at Fácil: its streak and the pieces'
    // choice counters stay as they were.
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "r1b1kbnr/pppp1ppp/2n5/3qp3/8/2N5/PPPP1PPP/R1BQKBNR b KQkq - 0 4", &erro));
    jogo.setNivel(true, JogoConstantes::FACIL);
    jogo.incJogadaRepetidaCont(true);
    ASSERT_TRUE(g.sugere(true, &x, &y, &jogada, &promocao));
    EXPECT_EQ(1, jogo.getJogadaRepetidaCont(true));
    for (int i = 0; i < 16; i++) EXPECT_EQ(0, jogo.getComputadorPeca(i)->getJogadaCont());
    EXPECT_EQ("d5", PosicaoFEN::casa(x, y)) << "the attacked queen moves";
    EXPECT_EQ(0, promocao);
    delete jogada;

    // Unbounded, the search would go on to its deepest iteration.
    AlgoritmoForte forte(&jogo, 4);
    AlgoritmoForte::Escolha e;
    std::thread t([&] { e = forte.escolhe(true, JogoConstantes::PERITO, LimitesBusca(), false, false); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    forte.interrompe();
    t.join();
    EXPECT_TRUE(e.achou);
    EXPECT_LT(e.resultado.profundidade, Busca::PROFUNDIDADE_MAXIMA);
}

// A stop, or a new game, after the caller prepared a choice but before the
// engine read the game: no search at all. A stop from before the
// preparation (an earlier search's) does not hold the next one up.
TEST(BuscaForte, ParadaAntesDeComecarNaoSePerde) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    jogo.setNivel(false, JogoConstantes::PERITO);
    AlgoritmoGerenciador g(&jogo, 1);
    int x = 0, y = 0, promocao = 0;
    Jogada* jogada = nullptr;
    g.preparaBusca(jogo.getGeracao());
    g.interrompe();
    EXPECT_FALSE(g.calculaMelhorJogada(&x, &y, &jogada, false));
    EXPECT_TRUE(g.isInterrompida());
    EXPECT_EQ(0, g.getAlgoritmoForte()->getNos());

    g.preparaBusca(jogo.getGeracao());
    jogo.reinicia();
    EXPECT_FALSE(g.sugere(false, &x, &y, &jogada, &promocao));
    EXPECT_TRUE(g.isInterrompida());

    g.interrompe();
    g.preparaBusca(jogo.getGeracao());
    ASSERT_TRUE(g.calculaMelhorJogada(&x, &y, &jogada, false));
    delete jogada;
    EXPECT_FALSE(g.isInterrompida());
    EXPECT_GT(g.getAlgoritmoForte()->getNos(), 10000);
}

}  // namespace
