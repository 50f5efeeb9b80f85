#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Notacao.h"
#include "PosicaoFEN.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Relogio.h"
#include "escolha/ServicoEscolha.h"
#include "jogo/Jogada.h"

namespace {

bool iguais(const Jogo::MemoriaComputador& a, const Jogo::MemoriaComputador& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Castling and en passant in the record, which the far side replays.
void abre(Jogo& jogo) {
    jogo.reinicia();
    for (const char* l : {"e2e4", "a7a6", "e4e5", "d7d5", "e5d6", "b8c6", "g1f3", "c8g4", "f1e2", "e7e6", "e1g1"}) {
        LanceJogado lance{};
        ASSERT_EQ(Notacao::LIDO, Notacao::leCoordenadas(jogo, l, &lance)) << l;
        ASSERT_TRUE(Notacao::joga(jogo, lance, Notacao::INGLES, nullptr)) << l;
    }
}

TEST(PedidoEscolha, PedidoERespostaComoTexto) {
    Jogo jogo(nullptr);
    abre(jogo);
    Jogo::MemoriaComputador m{};
    m.repetidaCont[1] = 3;
    m.jogadaCont[0][5] = 2;
    m.jogadaCont[1][15] = 7;
    jogo.setMemoriaComputador(m);
    jogo.setNivel(true, Jogo::PERITO);
    PedidoEscolha p = PedidoEscolha::doJogo(&jogo, false);
    p.id = 12;
    p.partida = 4;
    PedidoEscolha q;
    ASSERT_TRUE(PedidoEscolha::decodifica(p.codifica(), &q));
    EXPECT_EQ(12, q.id);
    EXPECT_EQ(4, q.partida);
    EXPECT_EQ(Jogo::PERITO, q.nivel);
    EXPECT_TRUE(q.isComp);
    EXPECT_FALSE(q.isDica);
    EXPECT_EQ(jogo.getRegistro(), q.lances);
    EXPECT_TRUE(iguais(m, q.memoria));
    std::string texto = p.codifica();
    EXPECT_FALSE(PedidoEscolha::decodifica(texto.substr(0, texto.size() - 4), &q));
    EXPECT_FALSE(PedidoEscolha::decodifica(texto + " 1", &q));

    RespostaEscolha r;
    r.id = 9;
    r.achou = true;
    r.deX = 6;
    r.paraY = 2;
    r.promocao = Jogo::CAVALO;
    r.memoria = m;
    RespostaEscolha s;
    ASSERT_TRUE(RespostaEscolha::decodifica(r.codifica(), &s));
    EXPECT_EQ(r.codifica(), s.codifica());
    EXPECT_FALSE(RespostaEscolha::decodifica("xadrez-resposta 1\n9 1 8", &s));
}

// The far side, given only the record and the memory, chooses what the
// game's own computer player chooses on the live game, and leaves its
// memory as that one does: the original levels count their choices.
TEST(PedidoEscolha, OServicoEscolheComoOJogo) {
    Relogio::fixa(11);
    Jogo jogo(nullptr);
    abre(jogo);
    jogo.setNivel(false, Jogo::NORMAL);
    jogo.setNivel(true, Jogo::DIFICIL);
    AlgoritmoGerenciador gerenciador(&jogo, 1);
    ServicoEscolha servico(1);
    for (int ply = 0; ply < 8; ply++) {
        bool vez = jogo.isVezComputador();
        RespostaEscolha r = servico.responde(PedidoEscolha::doJogo(&jogo, false));
        int x = 0, y = 0;
        Jogada* jogada = nullptr;
        ASSERT_TRUE(gerenciador.calculaMelhorJogada(&x, &y, &jogada, vez));
        ASSERT_TRUE(r.achou);
        EXPECT_EQ(x * 1000 + y * 100 + jogada->getPosX() * 10 + jogada->getPosY(),
                  r.deX * 1000 + r.deY * 100 + r.paraX * 10 + r.paraY) << "ply " << ply;
        EXPECT_TRUE(iguais(jogo.getMemoriaComputador(), r.memoria)) << "ply " << ply;
        jogo.executaJogada(jogo.getPeca(x, y), jogada, gerenciador.getPromocao());
        delete jogada;
    }

    // A hint under-promotes as Perito would and leaves the memory alone.
    std::string erro;
    ASSERT_TRUE(PosicaoFEN::carrega(&jogo, "8/1q1P1k2/8/8/8/7K/P7/8 w - - 0 1", &erro)) << erro;
    Jogo::MemoriaComputador antes = jogo.getMemoriaComputador();
    RespostaEscolha r = servico.responde(PedidoEscolha::doJogo(&jogo, true));
    ASSERT_TRUE(r.achou);
    EXPECT_EQ(Notacao::escreve(jogo, {r.deX, r.deY, r.paraX, r.paraY, r.promocao}), "d8=N+");
    EXPECT_TRUE(iguais(antes, r.memoria));
    Relogio::solta();
}

}  // namespace
