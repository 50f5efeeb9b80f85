// The move choice: the repetition rule, its counter and the random moves.
#include "ApoioAlgoritmo.h"

#include <set>

#include "jogo/JogadaLista.h"
#include "jogo/PecaMov.h"

namespace {

// Black's queen takes the loose rook on d2 whenever it is asked; the
// knight, both pawns and the king are free, unattacked and can move.
const char* RAINHA_LIVRE = "1n1q2k1/p6p/8/8/8/8/3R4/6K1 b - -";
// The same queen, but every other black piece is attacked or stuck.
const char* RAINHA_SO = "3q3k/6pp/6P1/8/8/8/B7/3R2K1 b - -";

// Black's last move was a one-square step that ended on (x, y).
void ultimoPara(Jogo& jogo, int x, int y) { jogo.setUltimoMov(new PecaMov(x, y + 1, x, y, true)); }

bool legal(Jogo& jogo, int x, int y, Jogada* jogada, bool isComp) {
    Peca* p = jogo.getPeca(x, y);
    if (p == nullptr || p->isDeComp() != isComp) return false;
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, x, y, p->getTipo(), isComp, false);
    jogo.filtraJogadas(&lista, jogo.getJogadorPecas(), jogo.getComputadorPecas(), x, y, isComp);
    for (int i = 0; i < lista.getTam(); i++) {
        Jogada* j = lista.getJogada(i);
        if (j->getPosX() == jogada->getPosX() && j->getPosY() == jogada->getPosY() &&
            j->getTipo() == jogada->getTipo()) {
            return true;
        }
    }
    return false;
}

bool atacada(Jogo& jogo, int x, int y, bool porComp) {
    Peca** atacantes = porComp ? jogo.getComputadorPecas() : jogo.getJogadorPecas();
    return jogo.isCapturaOutraPeca(atacantes, jogo.getJogadorPecas(), jogo.getComputadorPecas(), x, y,
                                   porComp);
}

TEST(Escolha, CincoVezesAMesmaPecaEDepoisOutra) {
    Jogo jogo(nullptr);
    monta(jogo, RAINHA_LIVRE);
    jogo.setNivel(true, 2);
    Algoritmo alg(&jogo);
    Peca* rainha = jogo.getPeca(3, 0);

    // The side's first move: no last move, the counter is left alone.
    jogo.incJogadaRepetidaCont(true);
    jogo.incJogadaRepetidaCont(true);
    EXPECT_EQ("d8d2", escolhe(jogo, alg, true).lance);
    EXPECT_EQ(2, jogo.getJogadaRepetidaCont(true));

    // After a move of another piece the streak starts at 0, and the next
    // four choices of the queen raise it to 4.
    ultimoPara(jogo, 1, 0);
    EXPECT_EQ("d8d2", escolhe(jogo, alg, true).lance);
    EXPECT_EQ(0, jogo.getJogadaRepetidaCont(true));
    for (int i = 1; i <= 4; i++) {
        ultimoPara(jogo, 3, 0);
        EXPECT_EQ("d8d2", escolhe(jogo, alg, true).lance) << "move " << i + 1 << " of the queen";
        EXPECT_EQ(i, jogo.getJogadaRepetidaCont(true));
    }

    // The sixth is a random move of a piece that is not attacked, to a safe
    // square, and the counter starts again.
    ultimoPara(jogo, 3, 0);
    Relogio::fixa(1);
    int x = -1, y = -1;
    Jogada* jogada = nullptr;
    ASSERT_TRUE(alg.calculaMelhorJogada(&x, &y, &jogada, true));
    Relogio::solta();
    EXPECT_FALSE(x == 3 && y == 0) << "the queen again";
    EXPECT_TRUE(legal(jogo, x, y, jogada, true));
    EXPECT_FALSE(atacada(jogo, x, y, false));
    EXPECT_FALSE(atacada(jogo, jogada->getPosX(), jogada->getPosY(), false));
    delete jogada;
    EXPECT_EQ(0, jogo.getJogadaRepetidaCont(true));
    // The queen was the search's choice every time, also the replaced one.
    EXPECT_EQ(7, rainha->getJogadaCont());

    // A new streak.
    ultimoPara(jogo, 3, 0);
    EXPECT_EQ("d8d2", escolhe(jogo, alg, true).lance);
    EXPECT_EQ(1, jogo.getJogadaRepetidaCont(true));
    // The other side's counter never moved.
    EXPECT_EQ(0, jogo.getJogadaRepetidaCont(false));
}

TEST(Escolha, OSorteioVariaComASementeEFicaNasRegras) {
    Jogo jogo(nullptr);
    monta(jogo, RAINHA_LIVRE);
    jogo.setNivel(true, 2);
    Algoritmo alg(&jogo);
    std::set<std::string> pecas;
    for (long semente = 1; semente <= 20; semente++) {
        jogo.zeraJogadaRepetidaCont(true);
        for (int i = 0; i < 4; i++) jogo.incJogadaRepetidaCont(true);
        ultimoPara(jogo, 3, 0);
        Relogio::fixa(semente);
        int x = -1, y = -1;
        Jogada* jogada = nullptr;
        ASSERT_TRUE(alg.calculaMelhorJogada(&x, &y, &jogada, true));
        Relogio::solta();
        EXPECT_TRUE(legal(jogo, x, y, jogada, true)) << "seed " << semente;
        EXPECT_FALSE(atacada(jogo, jogada->getPosX(), jogada->getPosY(), false)) << "seed " << semente;
        EXPECT_FALSE(x == 3 && y == 0);
        pecas.insert(PosicaoFEN::casa(x, y));
        delete jogada;
    }
    // b8, a7, h7 and g8 all qualify.
    EXPECT_GE(pecas.size(), 2u);
    for (const std::string& c : pecas) {
        EXPECT_TRUE(c == "b8" || c == "a7" || c == "h7" || c == "g8") << c;
    }
}

TEST(Escolha, SemOutraPecaASextaEscolhaFica) {
    Jogo jogo(nullptr);
    monta(jogo, RAINHA_SO);
    jogo.setNivel(true, 2);
    Algoritmo alg(&jogo);
    for (int i = 0; i < 4; i++) jogo.incJogadaRepetidaCont(true);
    ultimoPara(jogo, 3, 0);
    EXPECT_EQ("d8d1", escolhe(jogo, alg, true).lance);
    EXPECT_EQ(0, jogo.getJogadaRepetidaCont(true));

    // sorteiaJogada finds no candidate and leaves the results untouched:
    // h7 is attacked, g7 and the king cannot move, d8 moved last.
    int x = 11, y = 12;
    Jogada* jogada = nullptr;
    EXPECT_FALSE(alg.sorteiaJogada(&x, &y, &jogada, jogo.getJogadorPecas(), jogo.getComputadorPecas(),
                                   true, jogo.getUltimoMov(true)));
    EXPECT_EQ(11, x);
    EXPECT_EQ(12, y);
    EXPECT_EQ(nullptr, jogada);
}

TEST(Escolha, SorteioDeUmaPecaPrefereCasasSeguras) {
    Jogo jogo(nullptr);
    monta(jogo, RAINHA_LIVRE);
    Algoritmo alg(&jogo);
    // The knight on b8 reaches a6, c6 and d7; the rook on d2 covers d7.
    std::set<std::string> alvos;
    for (long semente = 0; semente < 20; semente++) {
        Relogio::fixa(semente);
        Jogada* j = alg.sorteiaPecaJogada(jogo.getPeca(1, 0), jogo.getJogadorPecas(),
                                          jogo.getComputadorPecas(), true);
        ASSERT_NE(nullptr, j);
        alvos.insert(PosicaoFEN::casa(j->getPosX(), j->getPosY()));
        delete j;
    }
    EXPECT_EQ((std::set<std::string>{"a6", "c6"}), alvos);

    // Both pushes of the a-pawn are covered (a6 by the knight, a5 by the
    // bishop): then any legal move is drawn.
    monta(jogo, "3B3k/p7/8/8/1N6/8/8/7K b - -");
    alvos.clear();
    for (long semente = 0; semente < 20; semente++) {
        Relogio::fixa(semente);
        Jogada* j = alg.sorteiaPecaJogada(jogo.getPeca(0, 1), jogo.getJogadorPecas(),
                                          jogo.getComputadorPecas(), true);
        ASSERT_NE(nullptr, j);
        alvos.insert(PosicaoFEN::casa(j->getPosX(), j->getPosY()));
        delete j;
    }
    EXPECT_EQ((std::set<std::string>{"a6", "a5"}), alvos);

    // A piece without a legal move draws nothing: the king on h8 is boxed in.
    monta(jogo, RAINHA_SO);
    EXPECT_EQ(nullptr, alg.sorteiaPecaJogada(jogo.getPeca(7, 0), jogo.getJogadorPecas(),
                                             jogo.getComputadorPecas(), true));
    Relogio::solta();
}

TEST(Escolha, MesmaSementeMesmaEscolha) {
    // With the clock fixed a choice is reproduced exactly; the search leaves
    // the live position and its counters as they were, apart from jogadaCont.
    const std::string fen = "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3";
    Jogo jogo(nullptr);
    monta(jogo, fen);
    jogo.setNivel(false, 3);
    Algoritmo alg(&jogo);
    Escolha a = escolhe(jogo, alg, false, 77);
    monta(jogo, fen);
    Escolha b = escolhe(jogo, alg, false, 77);
    EXPECT_EQ(a.lance, b.lance);
    EXPECT_EQ(a.nos, b.nos);
    int somaJogadas = 0;
    for (int i = 0; i < 16; i++) {
        somaJogadas += jogo.getJogadorPeca(i)->getJogadaCont() + jogo.getComputadorPeca(i)->getJogadaCont();
    }
    EXPECT_EQ(1, somaJogadas) << "only the chosen piece counts the choice";
    Peca* escolhida = jogo.getPeca(b.lance[0] - 'a', '8' - b.lance[1]);
    ASSERT_NE(nullptr, escolhida);
    EXPECT_EQ(1, escolhida->getJogadaCont());
}

}  // namespace
