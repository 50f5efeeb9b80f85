#include "jogo/PeaoPecaJogada.h"

#include <cstdlib>

#include "jogo/JogadaEnPassant.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/PecaJogadaParams.h"
#include "jogo/PecaMov.h"
#include "jogo/Pecas.h"

namespace {

// En passant is only the immediate answer to the double step that put the
// pawn on (x, y).
bool isAvancoDuplo(const PecaMov* ultimo, int x, int y) {
    return ultimo != nullptr && ultimo->getX1() == x && ultimo->getX2() == x &&
           ultimo->getY2() == y && std::abs(ultimo->getY1() - y) == 2;
}

}  // namespace

void PeaoPecaJogada::calculaJogadasPossiveis(PecaJogadaParams* params) {
    Jogo* jogo = params->getJogo();
    Pecas* pecas = params->getPecas();
    JogadaLista* lista = params->getJogadas();
    int x = params->getPosX();
    int y = params->getPosY();
    bool isComp = params->getIsComp();

    Peca* peao = pecas->getPeca(x, y);
    if (peao == nullptr || peao->isDeComp() != isComp) {
        return;
    }

    int d = isComp ? 1 : -1;
    int f = y + d;
    int inicio = isComp ? 1 : 6;

    if (jogo->isPosicaoValida(x, f) && pecas->getPeca(x, f) == nullptr) {
        lista->addJogada(x, f, nullptr);
        if (y == inicio && jogo->isPosicaoValida(x, y + 2 * d) &&
            pecas->getPeca(x, y + 2 * d) == nullptr) {
            lista->addJogada(x, y + 2 * d, nullptr);
        }
    }

    for (int dx = -1; dx <= 1; dx += 2) {
        if (!jogo->isPosicaoValida(x + dx, f)) {
            continue;
        }
        Peca* alvo = isComp ? pecas->getJogadorPeca(x + dx, f) : pecas->getComputadorPeca(x + dx, f);
        if (alvo != nullptr) {
            lista->addJogada(x + dx, f, alvo);
        }
    }

    if ((isComp && y == 4) || (!isComp && y == 3)) {
        PecaMov* ultimo = jogo->getUltimoMov(!isComp);
        for (int dx = -1; dx <= 1; dx += 2) {
            int ox = x + dx;
            if (ox < 0 || ox > 7) {
                continue;
            }
            Peca* outro = isComp ? pecas->getJogadorPeca(ox, y) : pecas->getComputadorPeca(ox, y);
            if (outro != nullptr && outro->getTipo() == JogoConstantes::PEAO && outro->getMoveuContador() == 1 &&
                pecas->getPeca(ox, f) == nullptr && isAvancoDuplo(ultimo, ox, y)) {
                lista->addJogada(new JogadaEnPassant(ox, f, outro));
            }
        }
    }
}
