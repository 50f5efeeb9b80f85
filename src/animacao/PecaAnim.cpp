#include "animacao/PecaAnim.h"

#include <cmath>

#include "animacao/Movimento.h"
#include "animacao/MovimentoSimples.h"
#include "gui/Tela.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaRoque.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

PecaAnim::PecaAnim(Jogo* jogo) : jogo(jogo) {}

int PecaAnim::move(MovimentoSimples* simples, int passo) {
    Tela* tela = jogo->getTela();
    // The slide may hold a copy (computer moves, castling): the offsets
    // belong to whatever live piece stands on the copy's square.
    Peca* origem = simples->getPeca();
    Peca* viva = origem != nullptr ? jogo->getPeca(origem->getPosX(), origem->getPosY()) : nullptr;

    int x1 = tela->getX(simples->getPosX1());
    int y1 = tela->getY(simples->getPosY1());
    int x2 = tela->getX(simples->getPosX2());
    int y2 = tela->getY(simples->getPosY2());

    double raio = simples->getRaio();
    double angulo = std::atan2(static_cast<double>(y2 - y1), static_cast<double>(x2 - x1));
    double dx = raio * std::cos(angulo);
    double dy = raio * std::sin(angulo);

    int bx = 0;
    int by = 0;
    if (viva != nullptr) {
        bx = tela->getX(viva->getPosX());
        by = tela->getY(viva->getPosY());
        viva->setAnimPosX(static_cast<int>(std::trunc((x1 - bx) + dx)));
        viva->setAnimPosY(static_cast<int>(std::trunc((y1 - by) + dy)));
    }

    simples->setRaio(static_cast<int>(std::trunc(passo + raio)));

    double restoX = x2 - std::trunc(x1 + dx);
    double restoY = y2 - std::trunc(y1 + dy);
    double restante = std::sqrt(restoX * restoX + restoY * restoY);

    if (passo >= restante && viva != nullptr) {
        viva->setAnimPosX(x2 - bx);
        viva->setAnimPosY(y2 - by);
    }
    return static_cast<int>(std::trunc(restante));
}

void PecaAnim::carregaMovsPeca(Movimento* movimento, Peca* peca) {
    Jogada* jogada = movimento->getJogada();
    movimento->setMovimento1(new MovimentoSimples(peca, peca->getPosX(), peca->getPosY(),
                                                  jogada->getPosX(), jogada->getPosY()));
    movimento->setMovimento2(nullptr);
}

void PecaAnim::carregaMovsCavalo(Movimento* movimento, Peca* peca) {
    Jogada* jogada = movimento->getJogada();
    int x = peca->getPosX();
    int y = peca->getPosY();
    int tx = jogada->getPosX();
    int ty = jogada->getPosY();
    // Along the row first, then along the column.
    movimento->setMovimento1(new MovimentoSimples(peca, x, y, tx, y));
    movimento->setMovimento2(new MovimentoSimples(peca, tx, y, tx, ty));
}

void PecaAnim::carregaMovsRoque(Movimento* movimento, JogadaRoque* roque) {
    Peca* rei = roque->getRei();
    Peca* torre = roque->getTorre();
    movimento->setMovimento1(new MovimentoSimples(rei, rei->getPosX(), rei->getPosY(),
                                                  roque->getReiPosX(), roque->getReiPosY()));
    movimento->setMovimento2(new MovimentoSimples(torre, torre->getPosX(), torre->getPosY(),
                                                  roque->getTorrePosX(), roque->getTorrePosY()));
}
