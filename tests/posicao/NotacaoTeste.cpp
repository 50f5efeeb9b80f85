// SAN written and read, FEN written, PGN written and a pasted FEN or PGN
// read back, on the game's rules.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "AutoPartida.h"
#include "Colagem.h"
#include "ListaSAN.h"
#include "Notacao.h"
#include "PartidaPGN.h"
#include "PosicaoFEN.h"
#include "jogo/Jogo.h"

namespace {

const std::string INICIO = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Plays coordinate moves on jogo, each of which must be legal.
void joga(Jogo& jogo, const std::vector<std::string>& lances) {
    for (const std::string& texto : lances) {
        LanceJogado l{};
        ASSERT_EQ(Notacao::LIDO, Notacao::leCoordenadas(jogo, texto, &l)) << texto;
        ASSERT_TRUE(Notacao::joga(jogo, l, Notacao::INGLES, nullptr)) << texto;
    }
}

LanceJogado lance(Jogo& jogo, const std::string& texto) {
    LanceJogado l{};
    EXPECT_EQ(Notacao::LIDO, Notacao::leCoordenadas(jogo, texto, &l)) << texto;
    return l;
}

}  // namespace

TEST(Notacao, CasosEspeciaisNosDoisAlfabetos) {
    struct Caso {
        const char* fen;
        const char* lance;
        const char* ingles;
        const char* portugues;
    } casos[] = {
        {"4k3/8/8/8/8/8/4K3/R6R w - - 0 1", "a1d1", "Rad1", "Tad1"},              // by file
        {"k7/8/3N4/8/3N4/8/8/4K3 w - - 0 1", "d6b5", "N6b5", "C6b5"},             // by rank
        {"2k5/8/8/8/1Q5Q/8/8/1K5Q w - - 0 1", "h4e1", "Qh4e1", "Dh4e1"},          // both
        {"2k5/8/8/8/7Q/8/8/1K5Q w - - 0 1", "h4e1", "Q4e1", "D4e1"},              // the other can't reach it
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "f3g5", "Ng5", "Cg5"},             // no other
        {"k7/8/8/3pP3/8/8/8/K7 w - d6 0 1", "e5d6", "exd6", "exd6"},              // en passant
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "O-O-O", "O-O-O"},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1g1", "O-O", "O-O"},
        {"3r3k/4P3/8/8/8/8/8/K7 w - - 0 1", "e7d8q", "exd8=Q+", "exd8=D+"},
        {"3r3k/4P3/8/8/8/8/8/K7 w - - 0 1", "e7e8n", "e8=N", "e8=C"},
        {"3r3k/4P3/8/8/8/8/8/K7 w - - 0 1", "e7e8r", "e8=R+", "e8=T+"},
        {"6k1/5ppp/8/8/8/8/8/K3R3 w - - 0 1", "e1e8", "Re8#", "Te8#"},
        {"3qk3/8/8/8/8/8/8/3QK3 w - - 0 1", "d1d8", "Qxd8+", "Dxd8+"},
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", "e1d2", "Kd2", "Rd2"},
        // Only the en passant capture saves the king from the pawn's check.
        {"8/3p4/2p1n1k1/4P3/4K3/r7/8/8 b - - 0 1", "d7d5", "d5+", "d5+"},
    };
    for (const Caso& c : casos) {
        Jogo jogo(nullptr);
        std::string erro;
        ASSERT_TRUE(PosicaoFEN::carrega(&jogo, c.fen, &erro)) << c.fen << ": " << erro;
        LanceJogado l = lance(jogo, c.lance);
        std::string antes = PosicaoFEN::escreve(&jogo);
        EXPECT_EQ(c.ingles, Notacao::escreve(jogo, l)) << c.fen << " " << c.lance;
        EXPECT_EQ(c.portugues, Notacao::escreve(jogo, l, Notacao::PORTUGUES)) << c.fen << " " << c.lance;
        EXPECT_EQ(antes, PosicaoFEN::escreve(&jogo)) << "escreve must leave the game as it was";
        // What was written reads back as the same move.
        LanceJogado lido{};
        EXPECT_EQ(Notacao::LIDO, Notacao::le(jogo, c.ingles, &lido)) << c.ingles;
        EXPECT_EQ(l, lido) << c.ingles;
    }
}

TEST(Notacao, LeituraLenienteIlegalEAmbigua) {
    Jogo jogo(nullptr);
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "r3k2r/1P6/8/8/8/5N2/8/RN2K2R w KQkq - 0 1", nullptr));
    struct Caso {
        const char* san;
        Notacao::Leitura leitura;
        const char* coordenadas;
    } casos[] = {
        {"Nd2", Notacao::AMBIGUO, ""},   {"Nbd2", Notacao::LIDO, "b1d2"}, {"Nfd2+!?", Notacao::LIDO, "f3d2"},
        {"N3d2", Notacao::LIDO, "f3d2"}, {"Nf3d2", Notacao::LIDO, "f3d2"}, {"Nf3-d2", Notacao::LIDO, "f3d2"},
        {"0-0", Notacao::LIDO, "e1g1"},  {"O-O-O", Notacao::ILEGAL, ""}, {"Kg1", Notacao::LIDO, "e1g1"},
        {"bxa8Q", Notacao::LIDO, "b7a8q"}, {"bxa8=N", Notacao::LIDO, "b7a8n"}, {"ba8", Notacao::LIDO, "b7a8q"},
        {"b8", Notacao::LIDO, "b7b8q"},  {"b8r", Notacao::LIDO, "b7b8r"}, {"Pb8=B", Notacao::LIDO, "b7b8b"},
        {"xa8", Notacao::LIDO, "b7a8q"}, {"a8", Notacao::ILEGAL, ""},      {"Ke3", Notacao::ILEGAL, ""},
        {"Nf6", Notacao::ILEGAL, ""},    {"b8=K", Notacao::MALFORMADO, ""}, {"Nb8=Q", Notacao::MALFORMADO, ""},
        {"e9", Notacao::MALFORMADO, ""}, {"", Notacao::MALFORMADO, ""},    {"Zf3", Notacao::MALFORMADO, ""},
        {"--", Notacao::MALFORMADO, ""},
    };
    for (const Caso& c : casos) {
        LanceJogado l{-1, -1, -1, -1, -1};
        EXPECT_EQ(c.leitura, Notacao::le(jogo, c.san, &l)) << c.san;
        if (c.leitura == Notacao::LIDO) {
            EXPECT_EQ(lance(jogo, c.coordenadas), l) << c.san;
        }
    }
}

TEST(PosicaoFEN, EscreveOsSeisCamposEVoltaAoMesmo) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    EXPECT_EQ(INICIO, PosicaoFEN::escreve(&jogo));
    joga(jogo, {"e2e4"});
    EXPECT_EQ("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", PosicaoFEN::escreve(&jogo));
    joga(jogo, {"g8f6"});
    EXPECT_EQ("rnbqkb1r/pppppppp/5n2/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 1 2", PosicaoFEN::escreve(&jogo));
    Jogo outro(nullptr);
    ASSERT_TRUE(PosicaoFEN::carrega(&outro, "r3k2r/8/8/8/8/8/4P3/R3K2R w KQkq - 7 30", nullptr));
    joga(outro, {"a1b1", "h8g8", "e2e4"});
    std::string fen = PosicaoFEN::escreve(&outro);
    EXPECT_EQ("r3k1r1/8/8/8/4P3/8/8/1R2K2R b Kq e3 0 31", fen);
    Jogo relido(nullptr);
    ASSERT_TRUE(PosicaoFEN::carrega(&relido, fen, nullptr));
    EXPECT_EQ(fen, PosicaoFEN::escreve(&relido));
    EXPECT_TRUE(relido.getPosicao() == outro.getPosicao());
    // A fullmove number beyond any game stays at the largest one written.
    ASSERT_TRUE(PosicaoFEN::carrega(&outro, "4k3/8/8/8/8/8/8/R3K3 b Q - 0 99999999999999999999", nullptr));
    joga(outro, {"e8d7"});
    EXPECT_EQ("8/3k4/8/8/8/8/8/R3K3 w Q - 1 100000000", PosicaoFEN::escreve(&outro));
}

TEST(PartidaPGN, EscritaELidaDeVoltaDoInicioEDeUmFENComAsPretas) {
    struct Caso {
        std::string fen;
        std::vector<std::string> lances;
    } casos[] = {
        {"", {"e2e4", "d7d5", "e4e5", "f7f5", "e5f6", "g8f6", "g1f3", "b8c6", "f1b5", "c8d7", "e1g1", "d8c8"}},
        {"r3k2r/1P6/8/8/8/8/6p1/R3K2R b KQkq - 3 40", {"e8g8", "b7a8q", "f8a8", "a1a8", "g8g7", "e1d2", "g2h1n"}},
    };
    for (const Caso& c : casos) {
        Jogo jogo(nullptr);
        jogo.reinicia();
        if (!c.fen.empty()) {
            ASSERT_TRUE(PosicaoFEN::carrega(&jogo, c.fen, nullptr));
        }
        joga(jogo, c.lances);
        std::string pgn = PartidaPGN::escreve(jogo.getFENInicial(), jogo.getRegistro(),
                                              {"2026.12.10", "F\xe1" "cil", "Humano", "*"});
        EXPECT_NE(std::string::npos, pgn.find("[White \"F\xc3\xa1" "cil\"]\n[Black \"Humano\"]\n[Result \"*\"]\n"));
        EXPECT_EQ(!c.fen.empty(), pgn.find("[SetUp \"1\"]\n[FEN \"" + c.fen + "\"]\n\n") != std::string::npos);
        if (!c.fen.empty()) {
            EXPECT_NE(std::string::npos, pgn.find("\n\n40... O-O 41. bxa8=Q Rxa8 42. Rxa8+ Kg7 43. Kd2 gxh1=N *\n"));
        }
        Colagem colagem;
        std::string msg;
        ASSERT_TRUE(colagem.le(pgn, &msg)) << msg << "\n" << pgn;
        EXPECT_EQ(jogo.getRegistro(), colagem.getLances());
        Jogo relido(nullptr);
        ASSERT_TRUE(colagem.aplica(&relido));
        EXPECT_EQ(PosicaoFEN::escreve(&jogo), PosicaoFEN::escreve(&relido));
        EXPECT_EQ(jogo.getRegistro(), relido.getRegistro());
    }
}

// A whole game of the computer against itself, as the tool's pgn prints it:
// lines within 80 characters, read back to the same moves and position, the
// incremental list the same as the whole one.
TEST(PartidaPGN, PartidaInteiraDoComputador) {
    Jogo jogo(nullptr);
    jogo.reinicia();
    ListaSAN lista(Notacao::INGLES);
    int motivo = 0;
    int status = AutoPartida::joga(jogo, Jogo::FACIL, Jogo::NORMAL, 7, [&](const std::string&) {
        lista.atualiza(jogo.getFENInicial(), jogo.getRegistro());
        return true;
    }, &motivo);
    ASSERT_GT(jogo.getRegistro().size(), 60u);
    EXPECT_EQ(Notacao::lista("", jogo.getRegistro()), lista.getLances());
    // A record that does not extend the last one starts the list again.
    std::vector<LanceJogado> inicio(jogo.getRegistro().begin(), jogo.getRegistro().begin() + 9);
    lista.atualiza("", inicio);
    EXPECT_EQ(Notacao::lista("", inicio), lista.getLances());
    EXPECT_EQ(9u, lista.getLances().size());
    std::string pgn = PartidaPGN::escreve("", jogo.getRegistro(), {"2026.12.10", "A", "B", PartidaPGN::resultado(status)});
    std::istringstream linhas(pgn);
    std::string linha;
    int movetext = 0;
    while (std::getline(linhas, linha)) {
        EXPECT_LE(linha.size(), PartidaPGN::LARGURA) << linha;
        movetext += !linha.empty() && linha[0] != '[';
    }
    EXPECT_GT(movetext, 5);
    EXPECT_EQ('\n', pgn.back());
    Colagem colagem;
    std::string msg;
    ASSERT_TRUE(colagem.le(pgn, &msg)) << msg;
    EXPECT_EQ(jogo.getRegistro(), colagem.getLances());
}

TEST(Colagem, LeFENePGNComComentariosVariantesEAnotacoes) {
    Colagem c;
    std::string msg;
    ASSERT_TRUE(c.le("\xef\xbb\xbf  " + INICIO + " \r\n", &msg)) << msg;
    EXPECT_FALSE(c.isPGN());
    EXPECT_EQ(INICIO, c.getFENInicial());
    EXPECT_TRUE(c.getLances().empty());

    std::string pgn =
        "% an escaped line ( {\n[Event \"a \\\"b\\\" c\"]\r\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 12\"]\n\n"
        "12... Kd7 {a (comment} 13.e4 $14 (13. Kd2 (13. Kf2 Ke6) Ke7; ) ?\n) Ke6! 14. Ke2?? 1/2-1/2\n"
        "[Event \"second\"]\n1. d4 *\n";
    ASSERT_TRUE(c.le(pgn, &msg)) << msg;
    EXPECT_TRUE(c.isPGN());
    EXPECT_EQ("4k3/8/8/8/8/8/4P3/4K3 b - - 0 12", c.getFENInicial());
    Jogo jogo(nullptr);
    ASSERT_TRUE(c.aplica(&jogo));
    EXPECT_EQ("8/8/4k3/8/4P3/8/4K3/8 b - - 2 14", PosicaoFEN::escreve(&jogo));
    EXPECT_EQ(4u, jogo.getRegistro().size());
}

TEST(Colagem, TextosRuinsSaoRecusadosComUmaMensagemCurta) {
    struct Caso {
        std::string texto;
        std::string mensagem;
    } casos[] = {
        {"", "N\xe3o \xe9 FEN nem PGN."},
        {"ol\xc3\xa1, mundo", "N\xe3o \xe9 FEN nem PGN."},
        {"{just a comment} *", "N\xe3o \xe9 FEN nem PGN."},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1", "FEN inv\xe1lida."},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq\n- 0 1", "FEN inv\xe1lida."},
        {"4k3/8/8/8/8/8/8/4K2K w - - 0 1", "Posi\xe7\xe3o imposs\xedvel."},
        {"[FEN \"4k3/p7/8/8/8/8/8/4RK2 w - - 0 1\"]\n*", "Posi\xe7\xe3o imposs\xedvel."},
        {"[Event \"x]\n1. e4", "PGN inv\xe1lido."},
        {"1. e4 e5 2. Nf3 Nf6 3. Nc3 Nc6 4. Bb5 Bb4 5. d3 Nd4 6. Nf6", "Lance ilegal: Nf6 (lance 6)."},
        {"1. Nf3 e5 2. Nc3 e4 3. Nd4 d5 4. Nb5", "Lance amb\xedguo: Nb5 (lance 4)."},
        {"1. e4 e5 2. \xff\xfe\x01xyzxyzxyz", "Lance inv\xe1lido: ???xyzxyzx (lance 2)."},
        {"1. f3 e5 2. g4 Qh4# 3. a3", "Lance ap\xf3s o fim: a3 (lance 3)."},
        {std::string(Colagem::BYTES_MAXIMOS + 1, ' ') + "e4", "Texto longo demais."},
    };
    Colagem c;
    std::string msg;
    for (const Caso& caso : casos) {
        ASSERT_TRUE(c.le("1. e4", &msg));
        EXPECT_FALSE(c.le(caso.texto, &msg)) << caso.texto;
        EXPECT_EQ(caso.mensagem, msg) << caso.texto;
        EXPECT_LE(msg.size(), 40u);
        EXPECT_TRUE(c.getLances().empty() && c.getFENInicial().empty()) << caso.texto;
    }
}
