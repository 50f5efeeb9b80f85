// The position set-up behind "position": moves carried out as the game
// carries them out, bad input refused whole, and the computer player's
// memory kept only when the game goes on. And the engine in process, which
// ends on quit after a search.
#include <gtest/gtest.h>

#include <future>
#include <sstream>

#include "ApoioUCI.h"
#include "jogo/PecaMov.h"
#include "uci/MotorUCI.h"

namespace {

std::vector<std::string> tokens(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> t;
    for (std::string x; in >> x;) t.push_back(x);
    return t;
}

// Every square: empty, or the type and side of its piece.
std::string quadro(Jogo& jogo) {
    std::string q;
    for (int y = 0; y < 8; y++) {
        for (int x = 0; x < 8; x++) {
            Peca* p = jogo.getPeca(x, y);
            q += p == nullptr ? '.' : static_cast<char>((p->isDeComp() ? 'a' : 'A') + p->getTipo());
        }
        q += '/';
    }
    return q + (jogo.isVezComputador() ? " b" : " w");
}

// Castling both ways, an en passant capture and an under-promotion of the
// opponent, from the start position.
const char* const LANCES =
    "e2e4 d7d5 e4e5 f7f5 e5f6 b8c6 g1f3 c8e6 f1e2 d8d6 e1g1 e8c8 f6g7 d6d7 g7h8n";
// The same position as another engine sets it up from those moves.
const char* const FEN_ESPERADA = "2kr1bnN/pppqp2p/2n1b3/3p4/8/5N2/PPPPBPPP/RNBQ1RK1 b - - 0 8";

TEST(PartidaUCI, LancesComoNoJogo) {
    PartidaUCI partida;
    std::string erro;
    ASSERT_TRUE(partida.posiciona(tokens(std::string("startpos moves ") + LANCES), &erro)) << erro;
    Jogo esperado(nullptr);
    ASSERT_TRUE(PosicaoFEN::carrega(&esperado, FEN_ESPERADA, &erro)) << erro;
    Jogo& jogo = partida.getJogo();
    EXPECT_EQ(quadro(esperado), quadro(jogo));

    // The knight is the e-pawn, in its slot; the passed pawn is gone.
    Peca* cavalo = jogo.getJogadorPeca(7, 0);
    ASSERT_NE(nullptr, cavalo);
    EXPECT_EQ(JogoConstantes::CAVALO, cavalo->getTipo());
    EXPECT_EQ(jogo.getJogadorPeca(12), cavalo);
    EXPECT_TRUE(jogo.getComputadorPeca(13)->isRemovida());
    // Castling counts as a move of the king only.
    EXPECT_EQ(1, jogo.getJogadorPeca(4)->getMoveuContador());
    EXPECT_EQ(0, jogo.getJogadorPeca(7)->getMoveuContador());
    EXPECT_EQ(5, cavalo->getMoveuContador());
    // Each side's last move is recorded, as en passant reads it.
    PecaMov* branco = jogo.getUltimoMov(false);
    PecaMov* preto = jogo.getUltimoMov(true);
    ASSERT_NE(nullptr, branco);
    ASSERT_NE(nullptr, preto);
    EXPECT_EQ("g7h8", PosicaoFEN::casa(branco->getX1(), branco->getY1()) + PosicaoFEN::casa(branco->getX2(), branco->getY2()));
    EXPECT_EQ("d6d7", PosicaoFEN::casa(preto->getX1(), preto->getY1()) + PosicaoFEN::casa(preto->getX2(), preto->getY2()));
    EXPECT_EQ(15, partida.getLancesJogados());

    // En passant is the immediate answer to the double step only.
    EXPECT_TRUE(contem(legaisApos("startpos moves e2e4 a7a6 e4e5 d7d5"), "e5d6"));
    EXPECT_FALSE(contem(legaisApos("startpos moves e2e4 a7a6 e4e5 d7d5 a2a3 a6a5"), "e5d6"));
    // A FEN's en passant square and castling rights hold too.
    EXPECT_TRUE(contem(legaisApos("fen rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3"), "e5d6"));
    std::vector<std::string> aposRoque = legaisApos("fen r3k2r/8/8/8/8/8/8/R3K2R b kq - moves e8c8 a1a2");
    EXPECT_TRUE(contem(aposRoque, "d8d2"));
    EXPECT_TRUE(contem(legaisApos("fen r3k2r/8/8/8/8/8/8/R3K2R w Qk -"), "e1c1"));
    EXPECT_FALSE(contem(legaisApos("fen r3k2r/8/8/8/8/8/8/R3K2R w Qk -"), "e1g1"));
}

TEST(PartidaUCI, EntradaRuimDeixaAPosicao) {
    PartidaUCI partida;
    std::string erro;
    ASSERT_TRUE(partida.posiciona(tokens("startpos moves e2e4 e7e5"), &erro)) << erro;
    Jogo& jogo = partida.getJogo();
    const std::string antes = quadro(jogo);

    struct Caso {
        const char* posicao;
        const char* naMensagem;
    } casos[] = {
        {"startpos moves e2e4 e7e5 e1e3", "illegal move e1e3"},
        {"startpos moves e2e4 e7e5 g1f3 b8c6 e4e5", "illegal move e4e5"},
        {"startpos moves e2e4 e7e5 zz", "malformed move 'zz'"},
        {"startpos moves e2e4 e7e5 e2e", "malformed"},
        {"startpos moves e2e4 e7e5 g1f3x", "malformed"},
        {"startpos moves e2e4 e7e5 g1f3q", "illegal move g1f3q"},
        {"fen 4k3/1P6/8/8/8/8/8/4K3 w - - moves b7b8", "illegal move b7b8"},
        {"fen 4k3/1P6/8/8/8/8/8/4K3 w - - moves b7b8k", "malformed"},
        {"fen", "position fen without a FEN"},
        {"fen moves e2e4", "position fen without a FEN"},
        {"fen 8/8/8/8/8/8/8/8 w - -", "king"},
        {"fen not-a-fen", "FEN"},
        {"fen 4k3/p7/8/8/8/8/8/4RK2 w - - 0 1", "black is in check with white to move"},
        {"fen 4k3/3n4/8/3pP3/8/8/8/4K3 w - d6 0 1", "d6 and d7 must be empty"},
        {"fen 4k3/8/8/8/8/8/8/4K3 w - - +5 1", "halfmove clock"},
        {"fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 junk moves e2e4", "junk"},
        {"moves e2e4", "startpos or fen"},
        {"", "startpos or fen"},
    };
    for (const Caso& c : casos) {
        erro.clear();
        EXPECT_FALSE(partida.posiciona(tokens(c.posicao), &erro)) << c.posicao;
        EXPECT_NE(std::string::npos, erro.find(c.naMensagem)) << c.posicao << ": " << erro;
        EXPECT_EQ(antes, quadro(jogo)) << c.posicao;
        EXPECT_EQ(2, partida.getLancesJogados()) << c.posicao;
    }
    // The refused commands did not become the game's history: the next
    // continuation of the last good one still plays only its new move.
    ASSERT_TRUE(partida.posiciona(tokens("startpos moves e2e4 e7e5 g1f3"), &erro)) << erro;
    EXPECT_EQ(3, partida.getLancesJogados());
}

TEST(PartidaUCI, MemoriaDoComputadorSoNaMesmaPartida) {
    PartidaUCI partida;
    std::string erro;
    Jogo& jogo = partida.getJogo();
    ASSERT_TRUE(partida.posiciona(tokens("startpos moves g1f3 g8f6"), &erro)) << erro;
    // What the computer player's choices leave behind.
    jogo.getJogadorPeca(6)->incJogadaCont();
    jogo.incJogadaRepetidaCont(false);

    ASSERT_TRUE(partida.posiciona(tokens("startpos moves g1f3 g8f6 f3g5 f6g4"), &erro)) << erro;
    EXPECT_EQ(4, partida.getLancesJogados());
    EXPECT_EQ(1, jogo.getJogadorPeca(6)->getJogadaCont());
    EXPECT_EQ(1, jogo.getJogadaRepetidaCont(false));
    EXPECT_EQ("g5", PosicaoFEN::casa(jogo.getJogadorPeca(6)->getPosX(), jogo.getJogadorPeca(6)->getPosY()));

    // The same position again is no new game either.
    ASSERT_TRUE(partida.posiciona(tokens("startpos moves g1f3 g8f6 f3g5 f6g4"), &erro)) << erro;
    EXPECT_EQ(1, jogo.getJogadorPeca(6)->getJogadaCont());

    // Another line starts afresh, as the position tool does from a FEN.
    ASSERT_TRUE(partida.posiciona(tokens("startpos moves g1f3 g8f6 f3e5"), &erro)) << erro;
    EXPECT_EQ(3, partida.getLancesJogados());
    EXPECT_EQ(0, jogo.getJogadorPeca(6)->getJogadaCont());
    EXPECT_EQ(0, jogo.getJogadaRepetidaCont(false));

    jogo.getJogadorPeca(6)->incJogadaCont();
    partida.novaPartida();
    EXPECT_EQ(0, jogo.getJogadorPeca(6)->getJogadaCont());
    EXPECT_EQ(nullptr, jogo.getUltimoMov(false));
    ASSERT_TRUE(partida.posiciona(tokens("startpos moves g1f3 g8f6 f3e5"), &erro)) << erro;
    EXPECT_EQ(3, partida.getLancesJogados());
}

// The search thread's end once hung the engine's quit where thread storage
// is emulated (Windows): quit waited for it for ever.
TEST(MotorUCI, QuitDepoisDeUmaBuscaEncerra) {
    std::promise<std::string> resposta;
    std::future<std::string> melhor = resposta.get_future();
    MotorUCI motor([&](const std::string& linha) {
        if (linha.rfind("bestmove ", 0) == 0) resposta.set_value(linha);
    });
    motor.processa("setoption name Nivel value 4");
    motor.processa("position startpos moves e2e4");
    motor.processa("go");
    EXPECT_NE("bestmove 0000", melhor.get());
    EXPECT_FALSE(motor.processa("quit"));
}

}  // namespace
