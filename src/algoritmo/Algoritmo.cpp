#include "algoritmo/Algoritmo.h"

#include <cstdlib>
#include <mutex>

#include "algoritmo/MiniMaxNo.h"
#include "algoritmo/Relogio.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/Tabuleiro.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"

namespace {

const float MENOS_INFINITO = -2147483648.0f;
const float MAIS_INFINITO = 2147483648.0f;
// The same piece is not chosen a sixth time in a row.
const int LIMITE_REPETICAO = 5;

}  // namespace

Algoritmo::Algoritmo(Jogo* jogo)
    : jogadorPecas(),
      computadorPecas(),
      jogo(jogo),
      posicao(trabalho.getJogador(), trabalho.getComputador()),
      noDaPosicao(nullptr),
      temFoto(false),
      guardaArvore(false),
      nosCriados(0),
      nosVivos(0),
      nosVivosMaximo(0),
      plyDoMate(0),
      materialNoFim(0.0f),
      linhaEmpatada(false) {
    for (int i = 0; i < 16; i++) {
        jogadorPecas[i] = trabalho.getJogador()[i];
        computadorPecas[i] = trabalho.getComputador()[i];
    }
}

Algoritmo::~Algoritmo() {}

// --- weights ---------------------------------------------------------------

float Algoritmo::calculaPeso(int tipo) {
    switch (tipo) {
        case Jogo::TORRE: return 6.0f;
        case Jogo::CAVALO: return 3.0f;
        case Jogo::BISPO: return 4.0f;
        case Jogo::RAINHA: return 10.0f;
        case Jogo::REI: return 20.0f;
        case Jogo::PEAO: return 2.0f;
        default: return 0.0f;
    }
}

float Algoritmo::calculaPeso(Peca* peca) { return calculaPeso(peca->getTipo()); }

// --- position copies -------------------------------------------------------

void Algoritmo::fotografa() {
    descartaFoto();
    foto.copiaDe(jogo->getJogadorPecas(), jogo->getComputadorPecas());
    temFoto = true;
    noDaPosicao = nullptr;
    nosCriados = 0;
    nosVivos = 0;
    nosVivosMaximo = 0;
}

void Algoritmo::descartaFoto() {
    for (MiniMaxNo* vazio : resultadosVazios) {
        delete vazio;
    }
    resultadosVazios.clear();
    temFoto = false;
}

void Algoritmo::reconstroi(MiniMaxNo* no, std::vector<Lance>* linha) {
    trabalho = foto;
    posicao.reindexa();
    caminho.clear();
    for (MiniMaxNo* n = no; n != nullptr && n->pai != nullptr; n = n->pai) {
        caminho.push_back(n);
    }
    for (auto it = caminho.rbegin(); it != caminho.rend(); ++it) {
        MiniMaxNo* n = *it;
        Peca* peca = posicao.getPeca(n->posX, n->posY);
        if (peca != nullptr) {
            if (linha != nullptr) {
                linha->push_back(Lance::de(peca, n->jogada));
            }
            posicao.move2(peca, n->jogada);
        }
    }
    // Nothing below this node takes these moves back.
    posicao.esquece();
    noDaPosicao = no;
}

Algoritmo::Lance Algoritmo::Lance::de(Peca* peca, Jogada* jogada) {
    int y = jogada->getPosY();
    return {peca->getPosX(), peca->getPosY(), jogada->getPosX(), y,
            peca->getTipo() == Jogo::PEAO && (y == 0 || y == 7)};
}

void Algoritmo::leLinha(MiniMaxNo* no, bool isComp) {
    linhaEscolhida.clear();
    reconstroi(no, &linhaEscolhida);
    // The node may be freed or made up: no search may start from it.
    noDaPosicao = nullptr;
    materialNoFim = material(jogadorPecas, computadorPecas, isComp);
}

float Algoritmo::material(Peca** jogador, Peca** computador, bool isComp) {
    float soma = 0.0f;
    for (int i = 0; i < 16; i++) {
        for (Peca* p : {jogador[i], computador[i]}) {
            if (!p->isRemovida() && p->getTipo() != Jogo::REI) {
                soma += p->isDeComp() == isComp ? calculaPeso(p) : -calculaPeso(p);
            }
        }
    }
    return soma;
}

bool Algoritmo::isPermitido(int deX, int deY, int paraX, int paraY) const {
    for (const Lance& l : lancesPermitidos) {
        if (l.deX == deX && l.deY == deY && l.paraX == paraX && l.paraY == paraY) {
            return true;
        }
    }
    return lancesPermitidos.empty();
}

bool Algoritmo::isPermitidaDe(int deX, int deY) const {
    for (const Lance& l : lancesPermitidos) {
        if (l.deX == deX && l.deY == deY) {
            return true;
        }
    }
    return lancesPermitidos.empty();
}

void Algoritmo::contaNovoNo() {
    // Only the search's thread writes the count; others only read it.
    long criados = nosCriados.load(std::memory_order_relaxed) + 1;
    nosCriados.store(criados, std::memory_order_relaxed);
    if (++nosVivos > nosVivosMaximo) {
        nosVivosMaximo = nosVivos;
    }
    if (aoCriarNo) {
        aoCriarNo(criados);
    }
}

void Algoritmo::descarta(MiniMaxNo* no, MiniMaxNo* resultado, MiniMaxNo* vazio) {
    if (guardaArvore || resultado == vazio) {
        return;
    }
    MiniMaxNo* filho = resultado;
    while (filho->pai != no) {
        filho = filho->pai;
    }
    if (resultado->jogada == nullptr) {
        // An empty result further down: in no children list.
        delete resultado;
    }
    no->removeFilho(filho);
    limpaMiniMaxArvore(&filho);
}

// --- search ----------------------------------------------------------------

// Scores jogada of peca (a detached copy) on posicao, which it plays the
// move on.
float Algoritmo::pontuaJogada(Peca* peca, Jogada* jogada, int nivelProfundidade, int profundidade,
                              bool isComp, bool* xequeMate) {
    Peca** outras = isComp ? jogadorPecas : computadorPecas;
    bool primeiraJogada = profundidade == nivelProfundidade;

    float ameaca = 0.0f;
    if (primeiraJogada &&
        jogo->isCapturaOutraPeca(outras, posicao, peca->getPosX(), peca->getPosY(), !isComp)) {
        ameaca = calculaPeso(peca);
    }

    // The piece of the position moves, so a promoted pawn already stands
    // there as a queen when check and mate are tested.
    Peca* movida = posicao.getPeca(peca->getPosX(), peca->getPosY());
    posicao.move2(movida, jogada);

    bool xeque = jogo->isOutroReiEmXeque(posicao, isComp);
    int mate = isComp ? Jogo::PRETAS_VENCERAM : Jogo::BRANCAS_VENCERAM;
    float pontos = 0.0f;
    *xequeMate = false;
    if (xeque && jogo->isEstaEmXequeMateOuEmpate(posicao, !isComp) == mate) {
        pontos = static_cast<float>((4 - profundidade) * 1000);
        *xequeMate = true;
    }

    Peca* captura = jogada->getCaptura();
    if (captura != nullptr && captura->getTipo() != Jogo::REI) {
        pontos += calculaPeso(captura);
    }

    if (primeiraJogada) {
        if (ameaca > 0.0f && !jogo->isCapturaOutraPeca(outras, posicao, jogada->getPosX(),
                                                       jogada->getPosY(), !isComp)) {
            pontos += ameaca;
        } else if (xeque) {
            pontos += peca->getJogadaCont() * 0.0001f + 0.002f;
        } else if (peca->getTipo() == Jogo::PEAO) {
            pontos += (std::rand() % 100) / 1000.0f;
        }
    }
    return pontos;
}

MiniMaxNo* Algoritmo::minimax(MiniMaxNo* no, bool isMax, int nivelProfundidade, int profundidade,
                              float alfa, float beta, bool isComp) {
    if (profundidade <= 0 || no->terminal) {
        return no;
    }

    MiniMaxNo* vazio = new MiniMaxNo();
    vazio->valor = isMax ? MENOS_INFINITO : MAIS_INFINITO;
    vazio->pai = no;
    MiniMaxNo* melhor = vazio;
    bool fim = false;

    // Every move below is made on posicao and taken back once its subtree
    // has been searched, so on entry it shows this node's position (only a
    // top-level call has to rebuild it).
    if (no != noDaPosicao) {
        reconstroi(no);
    }
    Peca** proprias = isComp ? computadorPecas : jogadorPecas;
    JogadaLista lista;
    // Only the first moves can be restricted.
    bool restrita = !lancesPermitidos.empty() && no->pai == nullptr;

    for (int i = 0; i < 16 && !fim && !jogo->isFim(); i++) {
        Peca* original = jogo->getPeca(proprias, i);
        if (original == nullptr || (restrita && !isPermitidaDe(original->getPosX(), original->getPosY()))) {
            continue;
        }
        Peca peca = *original;
        lista.deletaTodasAsJogadas();
        // Castling is never searched.
        jogo->calculaJogadasLegais(&lista, posicao, peca.getPosX(), peca.getPosY(), peca.getTipo(),
                                   isComp, true);

        for (int j = 0; j < lista.getTam() && !jogo->isFim(); j++) {
            if (restrita && !isPermitido(peca.getPosX(), peca.getPosY(), lista.getJogada(j)->getPosX(),
                                         lista.getJogada(j)->getPosY())) {
                continue;
            }
            Jogada* jogada = lista.getJogada(j)->nova();
            int marca = posicao.marca();
            bool xequeMate = false;
            float pontos = pontuaJogada(&peca, jogada, nivelProfundidade, profundidade, isComp,
                                        &xequeMate);

            MiniMaxNo* filho = new MiniMaxNo();
            filho->jogada = jogada;
            filho->posX = peca.getPosX();
            filho->posY = peca.getPosY();
            filho->valor = isMax ? no->valor + pontos : no->valor - pontos;
            filho->profundidade = profundidade;
            filho->terminal = xequeMate;
            filho->xequeMate = xequeMate;
            filho->pai = no;
            no->addFilho(filho);
            contaNovoNo();

            if (filho->xequeMate) {
                posicao.desfaz(marca);
                descarta(no, melhor, vazio);
                melhor = filho;
                fim = true;
                break;
            }

            noDaPosicao = filho;
            MiniMaxNo* r = minimax(filho, !isMax, nivelProfundidade, profundidade - 1, alfa, beta,
                                   !isComp);
            posicao.desfaz(marca);
            noDaPosicao = no;

            if (isMax ? r->valor > melhor->valor : r->valor < melhor->valor) {
                descarta(no, melhor, vazio);
                melhor = r;
            } else {
                descarta(no, r, vazio);
            }
            if (isMax) {
                if (melhor->valor > alfa) {
                    alfa = melhor->valor;
                }
            } else if (melhor->valor < beta) {
                beta = melhor->valor;
            }
            if (alfa >= beta) {
                fim = true;
                break;
            }
        }
    }

    MiniMaxNo* resposta = melhor;
    if (melhor == vazio) {
        // No move here, or the end flag stopped the search first.
        vazio->valor = 0.0f;
        if (guardaArvore) {
            resultadosVazios.push_back(vazio);
        }
    } else {
        delete vazio;
    }
    if (!guardaArvore && no->pai == nullptr && resposta->jogada == nullptr) {
        // The whole search's answer is an empty result: freed with the snapshot.
        resultadosVazios.push_back(resposta);
    }
    return resposta;
}

void Algoritmo::limpaMiniMaxArvore(MiniMaxNo** no) {
    if (no == nullptr || *no == nullptr) {
        return;
    }
    MiniMaxNo* n = *no;
    MiniMaxNo::Celula* celula = n->filhos;
    while (celula != nullptr) {
        MiniMaxNo::Celula* proxima = celula->proximo;
        limpaMiniMaxArvore(&celula->no);
        delete celula;
        celula = proxima;
    }
    delete n->jogada;
    delete n;
    nosVivos--;
}

// --- move choice -----------------------------------------------------------

bool Algoritmo::calculaMelhorJogada(int* x, int* y, Jogada** jogada, bool isComp) {
    int nivel;
    {
        // The live pieces do not change during this side's turn; one
        // snapshot serves the whole search, which then runs unlocked.
        std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
        fotografa();
        nivel = jogo->getNivel(isComp);
    }

    MiniMaxNo* raiz = new MiniMaxNo();
    nosCriados = 1;
    nosVivos = 1;
    nosVivosMaximo = 1;
    Relogio::semeia();
    MiniMaxNo* resposta = minimax(raiz, true, nivel, nivel, MENOS_INFINITO, MAIS_INFINITO, isComp);

    // Only the root's own empty result means that there is no move; an
    // empty result further down is a line that leaves the opponent without
    // a move, read out like any other.
    bool achou = resposta != raiz && !(resposta->jogada == nullptr && resposta->pai == raiz);
    plyDoMate = 0;
    linhaEscolhida.clear();
    materialNoFim = 0.0f;
    linhaEmpatada = false;
    if (achou && resposta->xequeMate) {
        for (MiniMaxNo* n = resposta; n != raiz; n = n->pai) plyDoMate++;
    }
    if (achou) {
        // An empty result further down is a side to move without a move;
        // it is not mated (the move before would have ended the line), so
        // stalemated, unless the end flag cut the search short there.
        linhaEmpatada = resposta->jogada == nullptr && !jogo->isFim();
        leLinha(resposta->jogada != nullptr ? resposta : resposta->pai, isComp);
        MiniMaxNo* filho = resposta;
        while (filho->pai != raiz) {
            filho = filho->pai;
        }
        *x = filho->posX;
        *y = filho->posY;
        *jogada = filho->jogada->nova();
    }
    limpaMiniMaxArvore(&raiz);
    descartaFoto();
    if (!achou) {
        return false;
    }

    std::lock_guard<std::recursive_mutex> trava(jogo->getTrava());
    Peca* escolhida = jogo->getPeca(*x, *y);
    PecaMov* ultimo = jogo->getUltimoMov(isComp);
    if (ultimo != nullptr) {
        if (*x == ultimo->getX2() && *y == ultimo->getY2()) {
            if ((jogo->getJogadaRepetidaCont(isComp) + 1) % LIMITE_REPETICAO != 0) {
                jogo->incJogadaRepetidaCont(isComp);
            } else {
                CopiaPecas viva(jogo->getJogadorPecas(), jogo->getComputadorPecas());
                Jogada* daBusca = *jogada;
                int buscaX = *x;
                int buscaY = *y;
                if (sorteiaJogada(x, y, jogada, viva.getJogador(), viva.getComputador(), isComp,
                                  ultimo)) {
                    if (isPermitido(*x, *y, (*jogada)->getPosX(), (*jogada)->getPosY())) {
                        delete daBusca;
                        // The line searched is not played: only this move is.
                        MiniMaxNo raizSubstituta;
                        MiniMaxNo substituta;
                        substituta.jogada = *jogada;
                        substituta.posX = *x;
                        substituta.posY = *y;
                        substituta.pai = &raizSubstituta;
                        leLinha(&substituta, isComp);
                        linhaEmpatada = false;
                        plyDoMate = 0;
                    } else {
                        delete *jogada;
                        *jogada = daBusca;
                        *x = buscaX;
                        *y = buscaY;
                    }
                }
                jogo->zeraJogadaRepetidaCont(isComp);
            }
        } else {
            jogo->zeraJogadaRepetidaCont(isComp);
        }
    }
    if (escolhida != nullptr) {
        escolhida->incJogadaCont();
    }
    return true;
}

bool Algoritmo::sorteiaJogada(int* x, int* y, Jogada** jogada, Peca** jogador, Peca** computador,
                              bool isComp, PecaMov* ultimo) {
    Peca** proprias = isComp ? computador : jogador;
    Peca** outras = isComp ? jogador : computador;
    Peca* candidatas[16];
    int n = 0;
    for (int i = 0; i < 16; i++) {
        Peca* p = proprias[i];
        if (p->isRemovida()) {
            continue;
        }
        if (ultimo != nullptr && p->getPosX() == ultimo->getX2() && p->getPosY() == ultimo->getY2()) {
            continue;
        }
        if (jogo->isCapturaOutraPeca(outras, jogador, computador, p->getPosX(), p->getPosY(),
                                     !isComp)) {
            continue;
        }
        Jogada* teste = sorteiaPecaJogada(p, jogador, computador, isComp);
        if (teste == nullptr) {
            continue;
        }
        delete teste;
        candidatas[n++] = p;
    }
    if (n == 0) {
        return false;
    }
    Relogio::semeia();
    Peca* p = candidatas[std::rand() % n];
    *jogada = sorteiaPecaJogada(p, jogador, computador, isComp);
    *x = p->getPosX();
    *y = p->getPosY();
    return true;
}

Jogada* Algoritmo::sorteiaPecaJogada(Peca* peca, Peca** jogador, Peca** computador, bool isComp) {
    Peca** outras = isComp ? jogador : computador;
    JogadaLista lista;
    {
        Tabuleiro vista(jogador, computador);
        jogo->calculaJogadasPossiveis(&lista, &vista, peca->getPosX(), peca->getPosY(),
                                      peca->getTipo(), isComp, false);
    }
    jogo->filtraJogadas(&lista, jogador, computador, peca->getPosX(), peca->getPosY(), isComp);

    Jogada* seguras[JogadaLista::CAPACIDADE];
    int n = 0;
    for (int i = 0; i < lista.getTam(); i++) {
        Jogada* j = lista.getJogada(i);
        if (!jogo->isCapturaOutraPeca(outras, jogador, computador, j->getPosX(), j->getPosY(),
                                      !isComp)) {
            seguras[n++] = j;
        }
    }

    Relogio::semeia();
    Jogada* sorteada = nullptr;
    if (n > 0) {
        sorteada = seguras[std::rand() % n];
    } else if (lista.getTam() > 0) {
        sorteada = lista.getJogada(std::rand() % lista.getTam());
    }
    return sorteada != nullptr ? sorteada->nova() : nullptr;
}
