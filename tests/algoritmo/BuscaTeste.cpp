// The search tree: its depth, the values of its lines and what ends it.
#include "ApoioAlgoritmo.h"

#include "jogo/CopiaPecas.h"
#include "jogo/JogadaLista.h"

#include <cmath>
#include <cstdlib>
#include <set>
#include <thread>

namespace {

int plyMaximo(MiniMaxNo* raiz) {
    int maximo = 0;
    visita(raiz, 0, [&](MiniMaxNo*, int ply) { maximo = std::max(maximo, ply); });
    return maximo;
}

int plyDe(const MiniMaxNo* no, const MiniMaxNo* raiz) {
    int ply = 0;
    for (; no != raiz && no != nullptr; no = no->pai) ply++;
    return ply;
}

TEST(Busca, ArvoreDoFacilSoTemOLanceEAResposta) {
    // White is in check and has one way out, Kxg2: queen 10, plus the
    // king's weight 20 because the king stood attacked and g2 is safe.
    Arvore a("4k3/p7/1N6/8/8/8/6q1/7K w - -", 2);
    std::vector<MiniMaxNo*> lances = filhos(a.raiz);
    ASSERT_EQ(1u, lances.size());
    MiniMaxNo* kxg2 = lances[0];
    EXPECT_EQ("h1g2", lance(kxg2));
    EXPECT_FLOAT_EQ(30.0f, kxg2->valor);
    EXPECT_EQ(2, kxg2->profundidade);

    // Black's replies: four king moves (d7 is covered by the knight) and
    // three pawn moves; only axb6 scores, and a line is first move minus reply.
    std::vector<MiniMaxNo*> respostas = filhos(kxg2);
    ASSERT_EQ(7u, respostas.size());
    for (MiniMaxNo* r : respostas) {
        EXPECT_EQ(1, r->profundidade);
        EXPECT_EQ(nullptr, r->filhos) << "nothing below the reply at Facil";
        EXPECT_FLOAT_EQ(lance(r) == "a7b6" ? 27.0f : 30.0f, r->valor) << lance(r);
    }
    EXPECT_EQ(2, plyMaximo(a.raiz));
    ASSERT_NE(nullptr, a.resposta->jogada);
    EXPECT_EQ("a7b6", lance(a.resposta));
    EXPECT_EQ(kxg2, a.resposta->pai);
}

TEST(Busca, ProfundidadePorNivel) {
    const std::string inicio = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
    for (int nivel = 2; nivel <= 4; nivel++) {
        Arvore a(inicio, nivel);
        EXPECT_EQ(nivel, plyMaximo(a.raiz)) << "level " << nivel;
        visita(a.raiz, 0, [&](MiniMaxNo* no, int ply) {
            EXPECT_EQ(nivel - ply + 1, no->profundidade);
        });
    }

    // A mate in two lies at the third ply: Normal and Difficil find it,
    // Facil only sees its checks.
    const std::string mateEmDois = "7k/8/5K2/8/8/8/8/R7 w - -";
    Arvore facil(mateEmDois, 2);
    EXPECT_FALSE(facil.resposta->xequeMate);
    EXPECT_EQ("a1h1", escolhe(mateEmDois, 2).lance) << "the first check wins among equals";
    Arvore normal(mateEmDois, 3);
    EXPECT_TRUE(normal.resposta->xequeMate);
    EXPECT_EQ(3, plyDe(normal.resposta, normal.raiz));
    EXPECT_NEAR(3000.0f, normal.resposta->valor, 0.01f) << "mate bonus (4 - 1) x 1000";
    Arvore dificil(mateEmDois, 4);
    EXPECT_TRUE(dificil.resposta->xequeMate);
    EXPECT_EQ(3, plyDe(dificil.resposta, dificil.raiz));
    EXPECT_NEAR(2000.0f, dificil.resposta->valor, 0.01f) << "mate bonus (4 - 2) x 1000";
}

TEST(Busca, PesosDasCapturasEONadaPeloRei) {
    // Black's king stands in check from the knight: taking it adds nothing.
    // Each capture lands on a square that Black attacks, so no threat bonus;
    // the knight's check stays, so the other captures get the check bonus.
    Arvore a("5b2/4k3/1pN1p3/r2q4/8/8/7K/R2R4 w - -", 2);
    MiniMaxNo* rei = filhoPorLance(a.raiz, "c6e7");
    MiniMaxNo* torre = filhoPorLance(a.raiz, "a1a5");
    MiniMaxNo* rainha = filhoPorLance(a.raiz, "d1d5");
    ASSERT_NE(nullptr, rei);
    ASSERT_NE(nullptr, torre);
    ASSERT_NE(nullptr, rainha);
    EXPECT_FLOAT_EQ(0.0f, rei->valor);
    EXPECT_FLOAT_EQ(6.002f, torre->valor);
    EXPECT_FLOAT_EQ(10.002f, rainha->valor);

    Jogo jogo(nullptr);
    Algoritmo alg(&jogo);
    const float pesos[] = {0.0f, 6.0f, 3.0f, 4.0f, 10.0f, 20.0f, 2.0f, 0.0f};
    for (int tipo = 0; tipo <= 7; tipo++) EXPECT_FLOAT_EQ(pesos[tipo], alg.calculaPeso(tipo));
}

TEST(Busca, AmeacaXequeEOscilacaoDoPeao) {
    // The knight on d4 is attacked by the pawn on e5. To a safe square it
    // gains its weight; to c6 and e6, which the rook covers, it does not,
    // and c6 gives check instead.
    const std::string fen = "1k6/8/r7/4p3/3N4/8/8/7K w - -";
    {
        Arvore a(fen, 2);
        const std::pair<const char*, float> esperado[] = {
            {"d4b5", 3.0f}, {"d4b3", 3.0f}, {"d4f5", 3.0f},   {"d4f3", 3.0f}, {"d4c6", 0.002f},
            {"d4e6", 0.0f}, {"d4c2", 3.0f}, {"d4e2", 3.0f},   {"h1g1", 0.0f}, {"h1g2", 0.0f},
            {"h1h2", 0.0f}};
        EXPECT_EQ(11u, filhos(a.raiz).size());
        for (const auto& [l, v] : esperado) {
            MiniMaxNo* f = filhoPorLance(a.raiz, l);
            ASSERT_NE(nullptr, f) << l;
            EXPECT_NEAR(v, f->valor, 1e-6) << l;
        }
    }
    {
        // The check bonus grows with the times the piece was chosen before.
        Jogo jogo(nullptr);
        monta(jogo, fen);
        for (int i = 0; i < 3; i++) jogo.getPeca(3, 4)->incJogadaCont();
        Algoritmo alg(&jogo);
        alg.setGuardaArvore(true);
        alg.fotografa();
        MiniMaxNo* raiz = new MiniMaxNo();
        alg.minimax(raiz, true, 2, 2, -2147483648.0f, 2147483648.0f, false);
        MiniMaxNo* c6 = filhoPorLance(raiz, "d4c6");
        ASSERT_NE(nullptr, c6);
        EXPECT_NEAR(0.0023f, c6->valor, 1e-6);
        alg.limpaMiniMaxArvore(&raiz);
        alg.descartaFoto();
    }

    // Pawn moves at the first ply draw their jitter in scoring order: the
    // king's moves first (slot 4), then e3 and e4.
    const std::string peao = "8/8/8/8/8/k7/4P3/4K3 w - -";
    std::set<std::string> escolhidas;
    for (unsigned semente = 1; semente <= 30; semente++) {
        std::srand(semente);
        int r1 = std::rand() % 100;
        int r2 = std::rand() % 100;
        Arvore a(peao, 2, semente);
        MiniMaxNo* e3 = filhoPorLance(a.raiz, "e2e3");
        MiniMaxNo* e4 = filhoPorLance(a.raiz, "e2e4");
        ASSERT_NE(nullptr, e3);
        ASSERT_NE(nullptr, e4);
        EXPECT_FLOAT_EQ(r1 / 1000.0f, e3->valor);
        EXPECT_FLOAT_EQ(r2 / 1000.0f, e4->valor);
        // Strict comparisons: a later move must be worth more to win.
        std::string esperada = r2 > r1 && r2 > 0 ? "e2e4" : (r1 > 0 ? "e2e3" : "e1d2");
        std::string escolhida = escolhe(peao, 2, semente).lance;
        EXPECT_EQ(esperada, escolhida) << "seed " << semente;
        escolhidas.insert(escolhida);
    }
    EXPECT_GE(escolhidas.size(), 2u) << "the seed should change the choice";
}

TEST(Busca, LancesDeValorIgualFicaOPrimeiro) {
    // Bare kings: every line is worth 0, the king's first move is a1a2.
    for (int nivel = 2; nivel <= 4; nivel++) {
        EXPECT_EQ("a1a2", escolhe("7k/8/8/8/8/8/8/K7 w - -", nivel).lance);
    }
    // At Facil: the root, White's three moves, Black's three replies to a2;
    // after that alpha is 0 and each other reply list is cut after its
    // first reply, since equal values cut off too.
    EXPECT_EQ(9, escolhe("7k/8/8/8/8/8/8/K7 w - -", 2).nos);
}

TEST(Busca, MateEmUmAntesDeCapturaMaior) {
    // Rxa2 wins the queen and comes first; Rb8# comes next, before e8=Q#.
    const std::string fen = "6k1/4Pppp/8/8/8/8/q7/RR5K w - -";
    for (int nivel = 2; nivel <= 4; nivel++) {
        EXPECT_EQ("b1b8", escolhe(fen, nivel).lance) << "level " << nivel;
    }
    Arvore a(fen, 4);
    MiniMaxNo* captura = filhoPorLance(a.raiz, "a1a2");
    ASSERT_NE(nullptr, captura);
    EXPECT_FLOAT_EQ(16.0f, captura->valor) << "queen 10 plus the rook's threat bonus 6";
    EXPECT_TRUE(a.resposta->xequeMate);
    EXPECT_TRUE(a.resposta->terminal);
    EXPECT_EQ(nullptr, a.resposta->filhos) << "a mating node is never expanded";
    // (4 - 4) x 1000 at the first ply of Difficil, plus 6: the rook stood
    // attacked by the queen and b8 is safe.
    EXPECT_FLOAT_EQ(6.0f, a.resposta->valor);
    EXPECT_EQ(nullptr, filhoPorLance(a.raiz, "e7e8")) << "the root stops at the first mate";

    // Black's side mates the same way.
    EXPECT_EQ("a8a1", escolhe("r5k1/5ppp/8/8/8/8/5PPP/6K1 b - -", 3).lance);
}

TEST(Busca, MatePorPromocaoEVisto) {
    // e8=Q mates; Nxa1 would win the queen. The promoted queen stands on
    // the copy used for the move's own check and mate test.
    const std::string fen = "6k1/4Pppp/8/8/8/1N5K/8/q7 w - -";
    for (int nivel = 2; nivel <= 4; nivel++) {
        EXPECT_EQ("e7e8q", escolhe(fen, nivel).lance) << "level " << nivel;
    }
    Arvore a(fen, 2);
    EXPECT_TRUE(a.resposta->xequeMate);
    EXPECT_NEAR(2000.0f, a.resposta->valor, 0.1f);
    // Black's pawn mates by promotion rather than take the knight.
    EXPECT_EQ("a2a1q", escolhe("4k3/8/4p3/3N4/8/8/p5PP/7K b - -", 2).lance);
}

TEST(Busca, SemLanceValeZero) {
    // Nxd7 takes the last pawn (2 points) and leaves Black without a move:
    // the node answered is that empty result, worth 0.0 whatever its path.
    const std::string fen = "k7/3p4/1K3N2/8/8/8/8/8 w - -";
    Arvore a(fen, 2);
    MiniMaxNo* nxd7 = filhoPorLance(a.raiz, "f6d7");
    ASSERT_NE(nullptr, nxd7);
    EXPECT_FLOAT_EQ(2.0f, nxd7->valor);
    EXPECT_EQ(nullptr, a.resposta->jogada);
    EXPECT_EQ(nxd7, a.resposta->pai);
    EXPECT_FLOAT_EQ(0.0f, a.resposta->valor);

    // Such a line is still a move to play: the answer is read out from the
    // root's child on its path, not taken for "no move".
    Escolha e = escolhe(fen, 2);
    EXPECT_TRUE(e.achou);
    EXPECT_EQ("f6d7", e.lance);

    // Only the root's own empty result means that there is no move.
    Arvore afogado("7k/5Q2/6K1/8/8/8/8/8 b - -", 3);
    EXPECT_EQ(nullptr, afogado.resposta->jogada);
    EXPECT_EQ(afogado.raiz, afogado.resposta->pai);
    EXPECT_FLOAT_EQ(0.0f, afogado.resposta->valor);
    for (int nivel = 2; nivel <= 4; nivel++) {
        Escolha s = escolhe("7k/5Q2/6K1/8/8/8/8/8 b - -", nivel);
        EXPECT_FALSE(s.achou);
        EXPECT_EQ(1, s.nos) << "only the root";
        EXPECT_FALSE(escolhe("R5k1/5ppp/8/8/8/8/8/6K1 b - -", nivel).achou) << "mated";
    }
}

TEST(Busca, RoqueNuncaNaArvore) {
    const std::string fen = "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq -";
    for (int nivel = 2; nivel <= 3; nivel++) {
        Arvore a(fen, nivel);
        int nos = 0;
        visita(a.raiz, 0, [&](MiniMaxNo* no, int) {
            nos++;
            EXPECT_NE(Jogo::JOGADA_ROQUE, no->jogada->getTipo());
            std::string l = lance(no);
            EXPECT_TRUE(l != "e1g1" && l != "e1c1" && l != "e8g8" && l != "e8c8") << l;
        });
        EXPECT_GT(nos, 100);
    }
    // Both castlings are legal here for the player's side.
    Jogo jogo(nullptr);
    monta(jogo, fen);
    JogadaLista lista;
    jogo.calculaJogadasPossiveis(&lista, &jogo, 4, 7, Jogo::REI, false, false);
    jogo.filtraJogadas(&lista, jogo.getJogadorPecas(), jogo.getComputadorPecas(), 4, 7, false);
    int roques = 0;
    for (int i = 0; i < lista.getTam(); i++) roques += lista.getJogada(i)->getTipo() == Jogo::JOGADA_ROQUE;
    EXPECT_EQ(2, roques);
}

TEST(Busca, BandeiraDeFimParaABusca) {
    const std::string kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -";
    Jogo jogo(nullptr);
    monta(jogo, kiwipete);
    jogo.setNivel(false, 4);
    Algoritmo alg(&jogo);

    Escolha completa = escolhe(jogo, alg, false);
    ASSERT_TRUE(completa.achou);
    ASSERT_GT(completa.nos, 10000);
    // However large the tree, a few dozen nodes are held at a time and
    // none once the move is chosen.
    EXPECT_LT(alg.getNosVivosMaximo(), 100);
    EXPECT_EQ(0, alg.getNosVivos());

    // Raised before the call: nothing is valued, no move.
    jogo.setFim(true);
    Escolha parada = escolhe(jogo, alg, false);
    EXPECT_FALSE(parada.achou);
    EXPECT_EQ(1, parada.nos);
    jogo.setFim(false);

    // Raised by another thread while the search runs: not one node more.
    alg.setAoCriarNo([&](long n) {
        if (n == 200) std::thread([&] { jogo.setFim(true); }).join();
    });
    Escolha interrompida = escolhe(jogo, alg, false);
    EXPECT_EQ(200, interrompida.nos);
    EXPECT_TRUE(interrompida.achou) << "moves were valued before the flag";
    alg.setAoCriarNo(nullptr);
}

TEST(Busca, InterrompidaEmQualquerNoLiberaTudoENaoMexeNoJogo) {
    // Stopped by the end flag after k nodes, for many k: that node count,
    // nothing left alive, and the live pieces as they were (but the chosen
    // piece's choice counter).
    Jogo jogo(nullptr);
    monta(jogo, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -");
    jogo.setNivel(false, 3);
    Algoritmo alg(&jogo);
    CopiaPecas antes(jogo.getJogadorPecas(), jogo.getComputadorPecas());
    long total = escolhe(jogo, alg, false).nos;
    ASSERT_GT(total, 1000);
    // The root is node 1; the observer sees the children, from node 2.
    for (long k = 2; k < total; k += k < 40 ? 1 : total / 60) {
        SCOPED_TRACE("stopped at node " + std::to_string(k));
        int escolhasAntes = 0;
        for (int i = 0; i < 16; i++) escolhasAntes += jogo.getJogadorPeca(i)->getJogadaCont();
        alg.setAoCriarNo([&](long n) {
            if (n == k) jogo.setFim(true);
        });
        Escolha e = escolhe(jogo, alg, false);
        jogo.setFim(false);
        EXPECT_EQ(k, e.nos);
        EXPECT_EQ(0, alg.getNosVivos());
        int escolhasDepois = 0;
        for (int i = 0; i < 16; i++) escolhasDepois += jogo.getJogadorPeca(i)->getJogadaCont();
        EXPECT_EQ(escolhasAntes + (e.achou ? 1 : 0), escolhasDepois);
        for (int i = 0; i < 32; i++) {
            Peca* viva = i < 16 ? jogo.getJogadorPeca(i) : jogo.getComputadorPeca(i - 16);
            Peca* era = i < 16 ? antes.getJogador()[i] : antes.getComputador()[i - 16];
            ASSERT_EQ(era->getPosX(), viva->getPosX()) << i;
            ASSERT_EQ(era->getPosY(), viva->getPosY()) << i;
            ASSERT_EQ(era->getTipo(), viva->getTipo()) << i;
            ASSERT_EQ(era->isRemovida(), viva->isRemovida()) << i;
            ASSERT_EQ(era->getMoveuContador(), viva->getMoveuContador()) << i;
        }
    }
    alg.setAoCriarNo(nullptr);
}

}  // namespace
