// The computer against itself in the game window's own loop, then the same
// game through the protocol with one engine process per side: with the same
// seed every choice must be the same, the repetition rule included.
#include "../controle/SistemaTeste.h"

#include <cstdio>

#include "ApoioUCI.h"
#include "ProcessoUCI.h"
#include "algoritmo/Relogio.h"

namespace {

// Chosen so that the game lasts past PLIES and a side is refused a sixth
// consecutive move of one piece well before that.
const int NIVEL_BRANCAS = JogoConstantes::NORMAL;
const int NIVEL_PRETAS = JogoConstantes::DIFICIL;
const long long SEMENTE = 5;
const std::size_t PLIES = 60;

class EquivalenciaUCI : public SistemaTeste {
protected:
    void TearDown() override {
        SistemaTeste::TearDown();
        Relogio::solta();
    }

    int lancesFeitos() {
        int n = 0;
        for (int i = 0; i < 16; i++) {
            n += jogo->getJogadorPeca(i)->getMoveuContador() + jogo->getComputadorPeca(i)->getMoveuContador();
        }
        return n;
    }
};

TEST_F(EquivalenciaUCI, MesmasEscolhasNoJogoENoProtocolo) {
    Relogio::fixa(static_cast<std::time_t>(SEMENTE));
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(false, NIVEL_BRANCAS);
        jogo->setNivel(true, NIVEL_PRETAS);
    }
    comecaJogo();

    // Each move is read as it lands, from the side's last move and the
    // board seen just before it (a pawn reaching the far row becomes a queen).
    std::vector<std::string> doJogo;
    int tipos[8][8] = {};
    auto fotografa = [&] {
        for (int x = 0; x < 8; x++) {
            for (int y = 0; y < 8; y++) {
                Peca* p = jogo->getPeca(x, y);
                tipos[x][y] = p == nullptr ? 0 : p->getTipo();
            }
        }
    };
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        fotografa();
    }
    bool saltou = false;
    bool acabou = false;
    ASSERT_TRUE(espera([&] {
        int feitos = lancesFeitos();
        if (feitos == static_cast<int>(doJogo.size()) + 1) {
            PecaMov* m = jogo->getUltimoMov(!jogo->isVezComputador());
            std::string lance = PosicaoFEN::casa(m->getX1(), m->getY1()) + PosicaoFEN::casa(m->getX2(), m->getY2());
            if (tipos[m->getX1()][m->getY1()] == JogoConstantes::PEAO && (m->getY2() == 0 || m->getY2() == 7)) {
                lance += 'q';
            }
            doJogo.push_back(lance);
            fotografa();
        } else if (feitos != static_cast<int>(doJogo.size())) {
            saltou = true;
        }
        acabou = jogo->getStatus() != Jogo::EM_JOGO;
        return saltou || acabou || doJogo.size() >= PLIES;
    }, 600000));
    ASSERT_FALSE(saltou) << "a move went by unseen after " << doJogo.size();
    ASSERT_FALSE(acabou) << "the game ended after " << doJogo.size() << " plies; choose another seed";
    tecla(SDL_SCANCODE_ESCAPE);

    ProcessoUCI brancas({XADREZ_UCI});
    ProcessoUCI pretas({XADREZ_UCI});
    for (ProcessoUCI* p : {&brancas, &pretas}) {
        p->envia("setoption name Nivel value " + std::to_string(p == &brancas ? NIVEL_BRANCAS : NIVEL_PRETAS));
        p->envia("setoption name Semente value " + std::to_string(SEMENTE));
        p->envia("ucinewgame");
    }
    std::vector<std::string> doProtocolo;
    std::vector<std::size_t> repeticoes;
    std::string posicao = "position startpos moves";
    while (doProtocolo.size() < doJogo.size()) {
        ProcessoUCI& vez = doProtocolo.size() % 2 == 0 ? brancas : pretas;
        vez.envia(posicao);
        vez.envia("go");
        auto linhas = vez.esperaPor("bestmove");
        ASSERT_FALSE(linhas.empty());
        for (const auto& l : linhas) {
            if (l.rfind("info string repetition rule:", 0) == 0) repeticoes.push_back(doProtocolo.size() + 1);
        }
        std::string lance = bestmoveDe(linhas);
        ASSERT_EQ(doJogo[doProtocolo.size()], lance) << "ply " << doProtocolo.size() + 1;
        doProtocolo.push_back(lance);
        posicao += " " + lance;
    }
    brancas.envia("quit");
    pretas.envia("quit");
    EXPECT_EQ(0, brancas.fecha());
    EXPECT_EQ(0, pretas.fecha());

    ASSERT_EQ(PLIES, doProtocolo.size());
    ASSERT_FALSE(repeticoes.empty()) << "the repetition rule never fired in " << PLIES << " plies";
    std::printf("%zu plies alike; the repetition rule fired at ply", doProtocolo.size());
    for (std::size_t r : repeticoes) std::printf(" %zu", r);
    std::printf("\n");
}

}  // namespace
