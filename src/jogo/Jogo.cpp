#include "jogo/Jogo.h"

#include <cstdint>

#include "gui/Tela.h"
#include "jogo/BispoPecaJogada.h"
#include "jogo/CavaloPecaJogada.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/PeaoPecaJogada.h"
#include "jogo/Peca.h"
#include "jogo/PecaJogadaParams.h"
#include "jogo/PecaMov.h"
#include "jogo/RainhaPecaJogada.h"
#include "jogo/ReiPecaJogada.h"
#include "jogo/Tabuleiro.h"
#include "jogo/TorrePecaJogada.h"


Jogo::Jogo(JogoDriver* jogoDriver)
    : tela(nullptr),
      jogadorPecas(),
      computadorPecas(),
      compVitoriasCont(0),
      jogVitoriasCont(0),
      empatesCont(0),
      jogadasPossiveis(nullptr),
      jogadorJogadaPeca(nullptr),
      compUltimoMov(nullptr),
      jogUltimoMov(nullptr),
      compJogadaRepetidaCont(0),
      jogJogadaRepetidaCont(0),
      vezComputador(false),
      audioLigado(true),
      pausa(false),
      fim(false),
      jogNivel(HUMANO),
      compNivel(NORMAL),
      status(EM_JOGO),
      movimento(nullptr),
      peaoPecaJogada(nullptr),
      reiPecaJogada(nullptr),
      cavaloPecaJogada(nullptr),
      torrePecaJogada(nullptr),
      bispoPecaJogada(nullptr),
      rainhaPecaJogada(nullptr),
      jogoDriver(jogoDriver),
      lancesSemCaptura(0),
      cursorX(4),
      cursorY(6),
      cursorVisivel(false),
      cursorJaVisto(false),
      geracao(0) {
    tela = new Tela(jogoDriver);
    jogadasPossiveis = new JogadaLista();
    peaoPecaJogada = new PeaoPecaJogada();
    reiPecaJogada = new ReiPecaJogada();
    cavaloPecaJogada = new CavaloPecaJogada();
    torrePecaJogada = new TorrePecaJogada();
    bispoPecaJogada = new BispoPecaJogada();
    rainhaPecaJogada = new RainhaPecaJogada(torrePecaJogada, bispoPecaJogada);
}

Jogo::~Jogo() {
    liberaPartida();
    delete jogadasPossiveis;
    delete tela;
    delete peaoPecaJogada;
    delete reiPecaJogada;
    delete cavaloPecaJogada;
    delete torrePecaJogada;
    delete bispoPecaJogada;
    delete rainhaPecaJogada;
}

void Jogo::liberaPartida() {
    // The selection may point at one of the pieces about to go.
    jogadorJogadaPeca = nullptr;
    if (jogadasPossiveis != nullptr) {
        jogadasPossiveis->deletaTodasAsJogadas();
    }
    deleta_pecas();
    delete compUltimoMov;
    delete jogUltimoMov;
    compUltimoMov = nullptr;
    jogUltimoMov = nullptr;
    estados.clear();
}

void Jogo::copiaPosicao(Jogo& de) {
    reinicia();
    for (int lado = 0; lado < 2; lado++) {
        for (int i = 0; i < 16; i++) {
            Peca* origem = lado == 0 ? de.getJogadorPeca(i) : de.getComputadorPeca(i);
            Peca* peca = lado == 0 ? getJogadorPeca(i) : getComputadorPeca(i);
            peca->setPosX(origem->getPosX());
            peca->setPosY(origem->getPosY());
            peca->setTipo(origem->getTipo());
            peca->setRemovida(origem->isRemovida());
            peca->setMoveuContador(origem->getMoveuContador());
        }
        PecaMov* m = de.getUltimoMov(lado == 1);
        if (m != nullptr) setUltimoMov(new PecaMov(m->getX1(), m->getY1(), m->getX2(), m->getY2(), m->isDeComp()));
    }
    setVezComputador(de.isVezComputador());
}

void Jogo::reinicia() {
    liberaPartida();

    static const int fileira[8] = {TORRE, CAVALO, BISPO, RAINHA, REI, BISPO, CAVALO, TORRE};
    for (int lado = 0; lado < 2; lado++) {
        bool isComp = lado == 1;
        Peca** pecas = isComp ? computadorPecas : jogadorPecas;
        int fundo = isComp ? 0 : 7;
        int peoes = isComp ? 1 : 6;
        for (int i = 0; i < 8; i++) {
            pecas[i] = new Peca(isComp, fileira[i], i, fundo);
        }
        for (int i = 0; i < 8; i++) {
            pecas[8 + i] = new Peca(isComp, PEAO, i, peoes);
        }
    }
    for (int i = 0; i < 16; i++) {
        jogadorPecas[i]->setRemovida(false);
        computadorPecas[i]->setRemovida(false);
    }

    jogadasPossiveis->deletaTodasAsJogadas();
    movimento = nullptr;
    vezComputador = false;
    audioLigado = true;
    pausa = false;
    fim = false;
    status = EM_JOGO;
    lancesSemCaptura = 0;
    historico.clear();
    registro.clear();
    fenInicial.clear();
    setCursor(4, 6);
    cursorVisivel = false;
    cursorJaVisto = false;
    geracao++;
}

// --- live position -------------------------------------------------------

Peca* Jogo::getJogadorPeca(int i) { return jogadorPecas[i]; }
Peca* Jogo::getComputadorPeca(int i) { return computadorPecas[i]; }
Peca* Jogo::getJogadorPeca(int x, int y) { return getPeca(jogadorPecas, x, y); }
Peca* Jogo::getComputadorPeca(int x, int y) { return getPeca(computadorPecas, x, y); }

Peca* Jogo::getPeca(int x, int y) {
    Pecas* pecas = this;
    Peca* p = pecas->getJogadorPeca(x, y);
    return p != nullptr ? p : pecas->getComputadorPeca(x, y);
}

Peca** Jogo::getJogadorPecas() { return jogadorPecas; }
Peca** Jogo::getComputadorPecas() { return computadorPecas; }

void Jogo::deleta_pecas() {
    for (int i = 0; i < 16; i++) {
        delete jogadorPecas[i];
        jogadorPecas[i] = nullptr;
    }
    for (int i = 0; i < 16; i++) {
        delete computadorPecas[i];
        computadorPecas[i] = nullptr;
    }
}

// --- set helpers ---------------------------------------------------------

Peca* Jogo::getPeca(Peca** jogador, Peca** computador, int x, int y) {
    Peca* p = getPeca(jogador, x, y);
    return p != nullptr ? p : getPeca(computador, x, y);
}

Peca* Jogo::getPeca(Peca** pecas, int x, int y) {
    for (int i = 0; i < 16; i++) {
        Peca* p = pecas[i];
        if (p != nullptr && !p->isRemovida() && p->getPosX() == x && p->getPosY() == y) {
            return p;
        }
    }
    return nullptr;
}

Peca* Jogo::getPeca(Peca** pecas, int i) {
    Peca* p = pecas[i];
    return (p != nullptr && !p->isRemovida()) ? p : nullptr;
}

void Jogo::copia_pecas(Peca** jogador, Peca** computador) {
    copia_pecas(jogador, computador, jogadorPecas, computadorPecas);
}

void Jogo::copia_pecas(Pecas* pecas, Peca** jogador, Peca** computador) {
    for (int i = 0; i < 16; i++) {
        jogador[i] = pecas->getJogadorPeca(i)->nova();
        computador[i] = pecas->getComputadorPeca(i)->nova();
    }
}

void Jogo::copia_pecas(Peca** jogador, Peca** computador, Peca** deJogador, Peca** deComputador) {
    for (int i = 0; i < 16; i++) {
        jogador[i] = deJogador[i]->nova();
        computador[i] = deComputador[i]->nova();
    }
}

void Jogo::deleta_pecas(Peca** pecas) { deleta_pecas(pecas, 16); }

void Jogo::deleta_pecas(Peca** pecas, int n) {
    for (int i = 0; i < n; i++) {
        delete pecas[i];
    }
}

// --- rules -----------------------------------------------------------------

bool Jogo::isPosicaoValida(int x, int y) { return x >= 0 && x <= 7 && y >= 0 && y <= 7; }

bool Jogo::addJogada(JogadaLista* lista, Pecas* pecas, int x, int y, bool isComp) {
    Peca* p = pecas->getPeca(x, y);
    if (p == nullptr) {
        lista->addJogada(x, y, nullptr);
        return false;
    }
    if (p->isDeComp() != isComp) {
        lista->addJogada(x, y, p);
    }
    return true;
}

void Jogo::calculaJogadasPossiveis(JogadaLista* lista, Pecas* pecas, int x, int y, int tipo,
                                   bool isComp, bool isIncluirRoque) {
    PecaJogadaParams params(this, lista, pecas, x, y, isComp, isIncluirRoque);
    switch (tipo) {
        case TORRE: torrePecaJogada->calculaJogadasPossiveis(&params); break;
        case CAVALO: cavaloPecaJogada->calculaJogadasPossiveis(&params); break;
        case BISPO: bispoPecaJogada->calculaJogadasPossiveis(&params); break;
        case RAINHA: rainhaPecaJogada->calculaJogadasPossiveis(&params); break;
        case REI: reiPecaJogada->calculaJogadasPossiveis(&params); break;
        case PEAO: peaoPecaJogada->calculaJogadasPossiveis(&params); break;
        default: break;
    }
}

namespace {

const int DIRECOES_TORRE[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
const int DIRECOES_BISPO[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
const int SALTOS_CAVALO[8][2] = {{-2, -1}, {-2, 1}, {2, -1}, {2, 1}, {-1, -2}, {1, -2}, {-1, 2}, {1, 2}};
const int PASSOS_REI[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};

bool valida(int x, int y) { return x >= 0 && x <= 7 && y >= 0 && y <= 7; }

// For every square, as sets of squares (bit y * 8 + x): each of the eight
// lines out of it (the rook's four, then the bishop's four), the rook's and
// the bishop's lines together, the squares a knight's jump or a king's step
// away, and per side the squares from which a pawn of that side takes on it.
struct Raios {
    std::uint64_t linha[64][8];
    std::uint64_t linhasTorre[64];
    std::uint64_t linhasBispo[64];
    std::uint64_t cavalo[64];
    std::uint64_t rei[64];
    std::uint64_t peao[2][64];

    Raios() {
        for (int c = 0; c < 64; c++) {
            int x = c % 8, y = c / 8;
            linhasTorre[c] = linhasBispo[c] = cavalo[c] = rei[c] = 0;
            for (int d = 0; d < 8; d++) {
                const int* dir = d < 4 ? DIRECOES_TORRE[d] : DIRECOES_BISPO[d - 4];
                linha[c][d] = 0;
                for (int k = 1; valida(x + k * dir[0], y + k * dir[1]); k++) {
                    linha[c][d] |= bit(x + k * dir[0], y + k * dir[1]);
                }
                (d < 4 ? linhasTorre[c] : linhasBispo[c]) |= linha[c][d];
            }
            for (int i = 0; i < 8; i++) {
                if (valida(x + SALTOS_CAVALO[i][0], y + SALTOS_CAVALO[i][1])) {
                    cavalo[c] |= bit(x + SALTOS_CAVALO[i][0], y + SALTOS_CAVALO[i][1]);
                }
                if (valida(x + PASSOS_REI[i][0], y + PASSOS_REI[i][1])) {
                    rei[c] |= bit(x + PASSOS_REI[i][0], y + PASSOS_REI[i][1]);
                }
            }
            // A pawn takes diagonally forward, so it stands one row behind:
            // the computer's pawns advance towards larger rows.
            for (int lado = 0; lado < 2; lado++) {
                peao[lado][c] = 0;
                int py = y - (lado == 1 ? 1 : -1);
                for (int dx = -1; dx <= 1; dx += 2) {
                    if (valida(x + dx, py)) peao[lado][c] |= bit(x + dx, py);
                }
            }
        }
    }

    static std::uint64_t bit(int x, int y) { return std::uint64_t{1} << (y * 8 + x); }
};

const Raios& raios() {
    static const Raios r;
    return r;
}

// The nearest occupied square of a line: the rook's second and fourth and
// the bishop's last two lines run towards higher squares.
int primeiraOcupada(std::uint64_t ocupadasNaLinha, int direcao) {
    bool crescente = direcao == 1 || direcao == 3 || direcao == 6 || direcao == 7;
    return crescente ? __builtin_ctzll(ocupadasNaLinha) : 63 - __builtin_clzll(ocupadasNaLinha);
}

// What the generators would capture or reach, answered without building
// move lists. Each mirrors the generator of its piece with castling left out.

// Does the piece list (x, y) among its targets? Targets are empty squares
// or squares of the other side, as the square rule makes them.
bool alvoLivre(Tabuleiro& t, int x, int y, bool isComp) {
    Peca* c = t.getPeca(x, y);
    return c == nullptr || c->isDeComp() != isComp;
}

bool deslizaAte(Tabuleiro& t, int px, int py, int x, int y, bool isComp, const int direcoes[4][2]) {
    int dx = x - px;
    int dy = y - py;
    for (int d = 0; d < 4; d++) {
        int sx = direcoes[d][0];
        int sy = direcoes[d][1];
        // (x, y) must lie on this ray.
        int passos;
        if (sx == 0) {
            if (dx != 0 || dy == 0 || (dy > 0) != (sy > 0)) continue;
            passos = dy * sy;
        } else if (sy == 0) {
            if (dy != 0 || dx == 0 || (dx > 0) != (sx > 0)) continue;
            passos = dx * sx;
        } else {
            if (dx == 0 || dx * sx != dy * sy || dx * sx <= 0) continue;
            passos = dx * sx;
        }
        for (int k = 1; k < passos; k++) {
            if (t.getPeca(px + k * sx, py + k * sy) != nullptr) return false;
        }
        return alvoLivre(t, x, y, isComp);
    }
    return false;
}

bool saltaAte(Tabuleiro& t, int px, int py, int x, int y, bool isComp, const int (*saltos)[2], int n) {
    for (int i = 0; i < n; i++) {
        if (px + saltos[i][0] == x && py + saltos[i][1] == y) {
            return valida(x, y) && alvoLivre(t, x, y, isComp);
        }
    }
    return false;
}

// Is the square (rx, ry) of the other side's king reached by a piece of
// side isComp? Exactly when, looking out from the king's square, such a
// piece is the first one met along its line, or stands a knight's jump, a
// step or a pawn's diagonal away.
bool isCasaDoReiAtacada(const Tabuleiro& t, int rx, int ry, bool isComp) {
    const Raios& r = raios();
    int c = ry * 8 + rx;
    if ((r.cavalo[c] & t.getCasas(isComp, JogoConstantes::CAVALO)) != 0 ||
        (r.rei[c] & t.getCasas(isComp, JogoConstantes::REI)) != 0 ||
        (r.peao[isComp ? 1 : 0][c] & t.getCasas(isComp, JogoConstantes::PEAO)) != 0) {
        return true;
    }
    std::uint64_t rainhas = t.getCasas(isComp, JogoConstantes::RAINHA);
    std::uint64_t torres = t.getCasas(isComp, JogoConstantes::TORRE) | rainhas;
    std::uint64_t bispos = t.getCasas(isComp, JogoConstantes::BISPO) | rainhas;
    bool linhaTorre = (r.linhasTorre[c] & torres) != 0;
    bool linhaBispo = (r.linhasBispo[c] & bispos) != 0;
    if (!linhaTorre && !linhaBispo) {
        return false;
    }
    std::uint64_t ocupadas = t.getOcupadas();
    for (int d = linhaTorre ? 0 : 4; d < (linhaBispo ? 8 : 4); d++) {
        std::uint64_t naLinha = r.linha[c][d] & ocupadas;
        if (naLinha != 0) {
            std::uint64_t primeira = std::uint64_t{1} << primeiraOcupada(naLinha, d);
            if ((primeira & (d < 4 ? torres : bispos)) != 0) return true;
        }
    }
    return false;
}

}  // namespace

void Jogo::filtraJogadas(JogadaLista* lista, Peca** jogador, Peca** computador, int x, int y,
                         bool isComp) {
    Tabuleiro t(jogador, computador);
    filtraJogadas(lista, t, x, y, isComp);
}

void Jogo::filtraJogadas(JogadaLista* lista, Tabuleiro& t, int x, int y, bool isComp) {
    // Each move is tried on the position itself and taken back.
    lista->mantemSe([&](Jogada* jogada) {
        int marca = t.marca();
        // An en passant capture takes a pawn off a square other than the target.
        if (jogada->getTipo() == JOGADA_EN_PASSANT && jogada->getCaptura() != nullptr) {
            Peca* capturada = t.getPeca(jogada->getCaptura()->getPosX(), jogada->getCaptura()->getPosY());
            if (capturada != nullptr) {
                t.remove(capturada);
            }
        }
        t.move(x, y, jogada->getPosX(), jogada->getPosY());
        bool fica = !isOutroReiEmXeque(t, !isComp);
        t.desfaz(marca);
        return fica;
    });
}

void Jogo::calculaJogadasLegais(JogadaLista* lista, Tabuleiro& t, int x, int y, int tipo, bool isComp,
                                bool isIncluirRoque) {
    calculaJogadasPossiveis(lista, &t, x, y, tipo, isComp, isIncluirRoque);
    filtraJogadas(lista, t, x, y, isComp);
}

bool Jogo::isOutroReiEmXeque(Peca** jogador, Peca** computador, bool isComp) {
    Tabuleiro t(jogador, computador);
    return isOutroReiEmXeque(t, isComp);
}

bool Jogo::isOutroReiEmXeque(Tabuleiro& t, bool isComp) {
    for (std::uint64_t reis = t.getCasas(!isComp, REI); reis != 0; reis &= reis - 1) {
        int c = __builtin_ctzll(reis);
        if (isCasaDoReiAtacada(t, c % 8, c / 8, isComp)) {
            return true;
        }
    }
    return false;
}

bool Jogo::isOutroReiEmXeque(bool isComp) {
    return isOutroReiEmXeque(jogadorPecas, computadorPecas, isComp);
}

int Jogo::isEstaEmXequeMateOuEmpate(Peca** jogador, Peca** computador, bool isComp) {
    Tabuleiro t(jogador, computador);
    return isEstaEmXequeMateOuEmpate(t, isComp);
}

int Jogo::isEstaEmXequeMateOuEmpate(Tabuleiro& t, bool isComp) {
    Peca** lado = isComp ? t.getComputadorPecas() : t.getJogadorPecas();
    JogadaLista lista;
    for (int i = 0; i < 16; i++) {
        Peca* p = lado[i];
        if (p->isRemovida()) {
            continue;
        }
        lista.deletaTodasAsJogadas();
        calculaJogadasLegais(&lista, t, p->getPosX(), p->getPosY(), p->getTipo(), isComp, true);
        if (lista.getTam() > 0) {
            return EM_JOGO;
        }
    }
    if (isOutroReiEmXeque(t, !isComp)) {
        return isComp ? BRANCAS_VENCERAM : PRETAS_VENCERAM;
    }
    // A side that can still castle is not stalemated.
    if (temRoqueLegal(t.getJogadorPecas(), t.getComputadorPecas(), isComp)) {
        return EM_JOGO;
    }
    return isComp == vezComputador ? EMPATE : EM_JOGO;
}

int Jogo::isEstaEmXequeMateOuEmpate(bool isComp) {
    return isEstaEmXequeMateOuEmpate(jogadorPecas, computadorPecas, isComp);
}

bool Jogo::temRoqueLegal(Peca** jogador, Peca** computador, bool isComp) {
    Peca** lado = isComp ? computador : jogador;
    for (int i = 0; i < 16; i++) {
        Peca* rei = lado[i];
        if (rei->isRemovida() || rei->getTipo() != REI) {
            continue;
        }
        JogadaLista lista;
        {
            Tabuleiro vista(jogador, computador);
            calculaJogadasPossiveis(&lista, &vista, rei->getPosX(), rei->getPosY(), REI, isComp,
                                    false);
        }
        filtraJogadas(&lista, jogador, computador, rei->getPosX(), rei->getPosY(), isComp);
        for (int j = 0; j < lista.getTam(); j++) {
            if (lista.getJogada(j)->getTipo() == JOGADA_ROQUE) {
                return true;
            }
        }
    }
    return false;
}

Peca* Jogo::capturaOutraPeca(Peca** atacantes, Peca** jogador, Peca** computador, int x, int y,
                             bool isComp, bool isIncluirRei) {
    Tabuleiro t(jogador, computador);
    return capturaOutraPeca(atacantes, t, x, y, isComp, isIncluirRei);
}

Peca* Jogo::capturaOutraPeca(Peca** atacantes, Tabuleiro& t, int x, int y, bool isComp,
                             bool isIncluirRei) {
    for (int i = 0; i < 16; i++) {
        Peca* p = atacantes[i];
        if (p->isRemovida() || (!isIncluirRei && p->getTipo() == REI) ||
            (p->getPosX() == x && p->getPosY() == y)) {
            continue;
        }
        int px = p->getPosX();
        int py = p->getPosY();
        bool ataca = false;
        switch (p->getTipo()) {
            case PEAO: {
                int ay = py + (isComp ? 1 : -1);
                ataca = ay == y && (px - 1 == x || px + 1 == x) && valida(x, ay);
                break;
            }
            case TORRE:
                ataca = deslizaAte(t, px, py, x, y, isComp, DIRECOES_TORRE);
                break;
            case BISPO:
                ataca = deslizaAte(t, px, py, x, y, isComp, DIRECOES_BISPO);
                break;
            case RAINHA:
                ataca = deslizaAte(t, px, py, x, y, isComp, DIRECOES_TORRE) ||
                        deslizaAte(t, px, py, x, y, isComp, DIRECOES_BISPO);
                break;
            case CAVALO:
                ataca = saltaAte(t, px, py, x, y, isComp, SALTOS_CAVALO, 8);
                break;
            case REI:
                ataca = t.getPeca(px, py) != nullptr && saltaAte(t, px, py, x, y, isComp, PASSOS_REI, 8);
                break;
            default:
                break;
        }
        if (ataca) {
            return p;
        }
    }
    return nullptr;
}

bool Jogo::isCapturaOutraPeca(Peca** atacantes, Peca** jogador, Peca** computador, int x, int y,
                              bool isComp) {
    return capturaOutraPeca(atacantes, jogador, computador, x, y, isComp, true) != nullptr;
}

bool Jogo::isCapturaOutraPeca(Peca** atacantes, Tabuleiro& t, int x, int y, bool isComp) {
    return capturaOutraPeca(atacantes, t, x, y, isComp, true) != nullptr;
}

bool Jogo::move(Peca** jogador, Peca** computador, int x1, int y1, int x2, int y2) {
    Tabuleiro t(jogador, computador);
    return t.move(x1, y1, x2, y2);
}

void Jogo::move2(Peca** jogador, Peca** computador, Peca* peca, Jogada* jogada) {
    Tabuleiro t(jogador, computador);
    t.move2(peca, jogada);
}

void Jogo::move2(Peca* peca, Jogada* jogada) { move2(jogadorPecas, computadorPecas, peca, jogada); }

Jogada* Jogo::getJogada(int x, int y) {
    for (int i = 0; i < jogadasPossiveis->getTam(); i++) {
        Jogada* j = jogadasPossiveis->getJogada(i);
        if (j->getPosX() == x && j->getPosY() == y) {
            return j;
        }
    }
    return nullptr;
}

// --- levels and counters ---------------------------------------------------

int Jogo::getNivel(bool isComp) { return isComp ? compNivel : jogNivel; }

void Jogo::setNivel(bool isComp, int nivel) {
    if (isComp) {
        compNivel = nivel;
    } else {
        jogNivel = nivel;
    }
}

// White goes Humano, Fácil, Normal, Difícil, the stronger levels in rising
// strength, and round again; black the same with Humano last.
void Jogo::incNivel(bool isComp) {
    if (isComp) {
        compNivel = compNivel == HUMANO ? FACIL : compNivel >= NIVEL_MAXIMO ? HUMANO : compNivel + 1;
    } else {
        jogNivel = jogNivel >= NIVEL_MAXIMO ? HUMANO : jogNivel + 1;
    }
}

bool Jogo::isJogadorHumano() { return jogNivel == HUMANO; }

int Jogo::getVitoriasCont(bool isComp) { return isComp ? compVitoriasCont : jogVitoriasCont; }

void Jogo::incVitoriasCont(bool isComp) {
    if (isComp) {
        compVitoriasCont++;
    } else {
        jogVitoriasCont++;
    }
}

PecaMov* Jogo::getUltimoMov(bool isComp) { return isComp ? compUltimoMov : jogUltimoMov; }

void Jogo::setUltimoMov(PecaMov* mov) {
    PecaMov*& slot = mov->isDeComp() ? compUltimoMov : jogUltimoMov;
    if (slot != mov) {
        delete slot;
    }
    slot = mov;
}

void Jogo::incJogadaRepetidaCont(bool isComp) {
    if (isComp) {
        compJogadaRepetidaCont++;
    } else {
        jogJogadaRepetidaCont++;
    }
}

int Jogo::getJogadaRepetidaCont(bool isComp) {
    return isComp ? compJogadaRepetidaCont : jogJogadaRepetidaCont;
}

void Jogo::zeraJogadaRepetidaCont(bool isComp) {
    if (isComp) {
        compJogadaRepetidaCont = 0;
    } else {
        jogJogadaRepetidaCont = 0;
    }
}

std::string Jogo::getNivelString(int nivel) {
    switch (nivel) {
        case HUMANO: return "Humano";
        case FACIL: return "F\xe1" "cil";
        case NORMAL: return "Normal";
        case DIFICIL: return "Dif\xed" "cil";
        case AMADOR: return "Amador";
        case AVANCADO: return "Avan\xe7" "ado";
        case CLUBE: return "Clube";
        case FORTE: return "Forte";
        case PERITO: return "Perito";
        default: return "";
    }
}
