// Whole games of the computer against itself, one after the other, each
// dismissed by a click as a player would. Run under the sanitizers it shows
// that the two threads share the game safely; in a plain build it checks that
// memory does not grow from game to game.
#include "SistemaTeste.h"

#include <malloc.h>

#include <cstdlib>
#include <vector>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define XADREZ_SANITIZADO 1
#else
#define XADREZ_SANITIZADO 0
#endif

namespace {

int ambiente(const char* nome, int padrao) {
    const char* v = std::getenv(nome);
    return v != nullptr && *v != '\0' ? std::atoi(v) : padrao;
}

using Maratona = SistemaTeste;

TEST_F(Maratona, ComputadorContraComputadorVariasPartidas) {
    const int partidas = ambiente("XADREZ_MARATONA_PARTIDAS", 3);
    const int limite = ambiente("XADREZ_MARATONA_LANCES", 60);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(false, Jogo::FACIL);
        jogo->setNivel(true, Jogo::FACIL);
    }
    auto lances = [&] {
        int n = 0;
        for (int i = 0; i < 16; i++) {
            n += jogo->getJogadorPeca(i)->getMoveuContador() + jogo->getComputadorPeca(i)->getMoveuContador();
        }
        return n;
    };

    std::vector<size_t> memoria;
    int terminadas = 0;
    for (int p = 0; p < partidas; p++) {
        comecaJogo();
        ASSERT_TRUE(espera([&] { return jogo->getStatus() != Jogo::EM_JOGO || lances() >= limite; }, 600000));
        bool terminou;
        {
            std::lock_guard<std::recursive_mutex> t(trava());
            terminou = jogo->getStatus() != Jogo::EM_JOGO;
        }
        if (terminou) {
            terminadas++;
            ASSERT_TRUE(espera([&] { return mensagem() == "Tecle ou clique para reiniciar."; }, 20000));
            clica(10, 10);
        } else {
            // A long game is left as a player would, to keep the run short.
            tecla(SDL_SCANCODE_ESCAPE);
        }
        ASSERT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_ABERTURA; }, 20000));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        {
            std::lock_guard<std::recursive_mutex> t(trava());
            EXPECT_EQ(0, lances());
            EXPECT_EQ(nullptr, jogo->getMovimento());
            EXPECT_EQ(nullptr, jogo->getUltimoMov(true));
            memoria.push_back(mallinfo2().uordblks);
        }
    }
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(terminadas, jogo->getVitoriasCont(false) + jogo->getVitoriasCont(true) + jogo->getEmpatesCont());
    std::printf("%d games, %d finished; heap in use after each:", partidas, terminadas);
    for (size_t m : memoria) std::printf(" %zu", m);
    std::printf("\n");
    if (!XADREZ_SANITIZADO && memoria.size() >= 3) {
        // The first game warms up the libraries; after it the heap stays put.
        for (size_t i = 2; i < memoria.size(); i++) {
            EXPECT_LT(static_cast<long>(memoria[i]) - static_cast<long>(memoria[1]), 256 * 1024) << "game " << i;
        }
    }
}

}  // namespace
