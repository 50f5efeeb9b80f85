#include "algoritmo/Avaliacao.h"

#include <algorithm>
#include <cstdlib>

namespace {

typedef std::uint64_t Casas;
typedef PosicaoBusca P;

Casas bit(int c) { return Casas{1} << c; }

const Casas COLUNA_A = 0x0101010101010101ULL;

// Without a CPU instruction assumed (the browser and Windows builds run on
// any machine), the library's count is a call; this is inline.
int contaBits(Casas c) {
    c = c - ((c >> 1) & 0x5555555555555555ULL);
    c = (c & 0x3333333333333333ULL) + ((c >> 2) & 0x3333333333333333ULL);
    c = (c + (c >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return static_cast<int>((c * 0x0101010101010101ULL) >> 56);
}

// Square tables for white, by square y * 8 + x; black reads them mirrored.
struct Tabelas {
    int meio[7][64];
    int fim[7][64];
    // The files beside each file, and the squares in front of a square on
    // its own file and the two beside it (for passed pawns), per side.
    Casas vizinhas[8];
    Casas frente[2][64];
    Casas frenteLarga[2][64];
    Casas zonaDoRei[2][64];
    int distancia[64][64];

    Tabelas() {
        for (int c = 0; c < 64; c++) {
            int x = c % 8, y = c / 8;
            int fila = 7 - y;  // rows counted from white's side
            int cx = std::min(x, 7 - x), cy = std::min(fila, 7 - fila);
            int centro = cx + cy;  // 0 in a corner, 6 in the middle

            // Pawns: forward, the middle files more, and in the middlegame
            // the king's side pawns are better left at home.
            int pm = fila >= 1 ? (fila - 1) * 4 : 0;
            if ((x == 3 || x == 4) && fila >= 2) pm += fila == 2 ? 8 : 18;
            if ((x == 2 || x == 5) && fila >= 3) pm += 6;
            if (x >= 5 && fila >= 3) pm -= 6 * (fila - 2);
            meio[P::PEAO][c] = pm;
            fim[P::PEAO][c] = fila >= 1 ? (fila - 1) * 8 : 0;

            meio[P::CAVALO][c] = centro * 8 - 28 + (fila == 0 ? -8 : 0);
            fim[P::CAVALO][c] = centro * 6 - 20;
            meio[P::BISPO][c] = centro * 4 - 10 + (fila == 0 ? -8 : 0) + (x == y || x == 7 - y ? 6 : 0);
            fim[P::BISPO][c] = centro * 4 - 12;
            meio[P::TORRE][c] = (fila == 6 ? 20 : 0) + (x == 3 || x == 4 ? 6 : 0) + (x == 0 || x == 7 ? -4 : 0);
            fim[P::TORRE][c] = fila == 6 ? 12 : 0;
            meio[P::RAINHA][c] = centro * 2 - 6 + (fila >= 4 ? -4 : 0);
            fim[P::RAINHA][c] = centro * 5 - 15;

            // The king hides behind its pawns in the middlegame and comes
            // to the middle in the ending.
            int rm;
            if (fila == 0) {
                rm = (x == 1 || x == 2 || x == 6) ? 24 : (x == 0 || x == 7) ? 12 : (x == 4) ? 0 : -8;
            } else if (fila == 1) {
                rm = (x <= 2 || x >= 5) ? -6 : -20;
            } else {
                rm = -25 * fila;
            }
            meio[P::REI][c] = rm;
            fim[P::REI][c] = centro * 10 - 30;
        }
        for (int x = 0; x < 8; x++) {
            vizinhas[x] = (x > 0 ? COLUNA_A << (x - 1) : 0) | (x < 7 ? COLUNA_A << (x + 1) : 0);
        }
        for (int c = 0; c < 64; c++) {
            int x = c % 8, y = c / 8;
            for (int cor = 0; cor < 2; cor++) {
                frente[cor][c] = 0;
                for (int yy = cor == 0 ? y - 1 : y + 1; yy >= 0 && yy < 8; yy += cor == 0 ? -1 : 1) {
                    frente[cor][c] |= bit(yy * 8 + x);
                }
            }
            for (int cor = 0; cor < 2; cor++) {
                Casas f = frente[cor][c];
                frenteLarga[cor][c] = f | (x > 0 ? f >> 1 : 0) | (x < 7 ? f << 1 : 0);
                // The king's squares and the row in front of them.
                Casas z = P::ataquesRei(c) | bit(c);
                Casas adiante = cor == 0 ? z >> 8 : z << 8;
                zonaDoRei[cor][c] = z | adiante;
            }
            for (int d = 0; d < 64; d++) {
                distancia[c][d] = std::max(std::abs(c % 8 - d % 8), std::abs(c / 8 - d / 8));
            }
        }
    }
};

const Tabelas& tabelas() {
    static const Tabelas t;
    return t;
}

const Tabelas& tabelasIniciais = tabelas();

const int PASSADO_MEIO[8] = {0, 4, 8, 14, 26, 44, 70, 0};
const int PASSADO_FIM[8] = {0, 8, 14, 24, 42, 70, 110, 0};
const int FASE[7] = {0, 0, 1, 1, 2, 4, 0};
const int PESO_ATAQUE[7] = {0, 0, 2, 2, 3, 5, 0};

struct Placar {
    int meio = 0;
    int fim = 0;
    void soma(int m, int f) {
        meio += m;
        fim += f;
    }
};

// Everything seen from one side; the caller subtracts the other's.
Placar avaliaLado(const PosicaoBusca& p, int cor, int* unidadesAtaque) {
    const Tabelas& t = tabelasIniciais;
    Placar s;
    int ele = cor ^ 1;
    Casas ocupadas = p.getOcupadas();
    Casas meusPeoes = p.getPecas(cor, P::PEAO);
    Casas peoesDele = p.getPecas(ele, P::PEAO);
    int espelho = cor == P::BRANCAS ? 0 : 56;

    // Squares the other side's pawns attack: no piece counts them as room.
    Casas ataquePeoesDele = 0;
    for (Casas b = peoesDele; b != 0; b &= b - 1) ataquePeoesDele |= P::ataquesPeao(ele, __builtin_ctzll(b));
    Casas area = ~p.getCor(cor) & ~ataquePeoesDele;
    Casas zonaDele = t.zonaDoRei[ele][p.getCasaDoRei(ele)];
    int unidades = 0, atacantes = 0;

    for (int tipo = P::PEAO; tipo <= P::REI; tipo++) {
        for (Casas b = p.getPecas(cor, tipo); b != 0; b &= b - 1) {
            int c = __builtin_ctzll(b);
            int r = c ^ espelho;
            s.soma(Avaliacao::VALOR_MEIO[tipo] + t.meio[tipo][r], Avaliacao::VALOR_FINAL[tipo] + t.fim[tipo][r]);
            Casas ataques = 0;
            switch (tipo) {
                case P::PEAO: {
                    int x = c % 8;
                    int fila = 7 - r / 8;
                    if ((t.frenteLarga[cor][c] & peoesDele) == 0 && (t.frente[cor][c] & meusPeoes) == 0) {
                        int mf = PASSADO_FIM[fila];
                        int adiante = cor == P::BRANCAS ? c - 8 : c + 8;
                        if (fila >= 3) {
                            // In the ending the kings' distances to the
                            // square in front decide a race.
                            mf += (t.distancia[p.getCasaDoRei(ele)][adiante] * 5 -
                                   t.distancia[p.getCasaDoRei(cor)][adiante] * 2) * (fila - 2);
                            if (p.getPeca(adiante) != 0) mf -= PASSADO_FIM[fila] / 3;
                        }
                        s.soma(PASSADO_MEIO[fila], mf);
                    }
                    if ((t.vizinhas[x] & meusPeoes) == 0) s.soma(-10, -14);
                    if ((t.frente[cor][c] & meusPeoes) != 0) s.soma(-10, -18);
                    break;
                }
                case P::CAVALO:
                    ataques = P::ataquesCavalo(c);
                    s.soma((contaBits(ataques & area) - 4) * 4, (contaBits(ataques & area) - 4) * 4);
                    break;
                case P::BISPO:
                    ataques = P::ataquesBispo(c, ocupadas);
                    s.soma((contaBits(ataques & area) - 6) * 5, (contaBits(ataques & area) - 6) * 5);
                    break;
                case P::TORRE: {
                    ataques = P::ataquesTorre(c, ocupadas);
                    s.soma((contaBits(ataques & area) - 6) * 2, (contaBits(ataques & area) - 6) * 4);
                    Casas coluna = COLUNA_A << (c % 8);
                    if ((coluna & meusPeoes) == 0) {
                        if ((coluna & peoesDele) == 0) {
                            s.soma(24, 10);
                        } else {
                            s.soma(11, 5);
                        }
                    }
                    break;
                }
                case P::RAINHA:
                    ataques = P::ataquesBispo(c, ocupadas) | P::ataquesTorre(c, ocupadas);
                    s.soma(contaBits(ataques & area) - 13, (contaBits(ataques & area) - 13) * 2);
                    break;
                default:
                    break;
            }
            if ((ataques & zonaDele) != 0) {
                atacantes++;
                unidades += PESO_ATAQUE[tipo] * contaBits(ataques & zonaDele);
            }
        }
    }
    if (contaBits(p.getPecas(cor, P::BISPO)) >= 2) s.soma(30, 50);

    // The king's shelter: pawns on its file and the two beside it, one or
    // two rows in front, while it stays near its own back rows.
    int rei = p.getCasaDoRei(cor);
    int filaRei = 7 - (rei ^ espelho) / 8;
    if (filaRei <= 1) {
        int x = rei % 8;
        int abrigo = 0;
        for (int f = std::max(0, x - 1); f <= std::min(7, x + 1); f++) {
            Casas peoesNaColuna = meusPeoes & (COLUNA_A << f) & t.frente[cor][rei - x + f];
            if (peoesNaColuna == 0) {
                abrigo -= 18;
                if ((peoesDele & (COLUNA_A << f)) == 0) abrigo -= 10;
            } else {
                int maisPerto = cor == P::BRANCAS ? 63 - __builtin_clzll(peoesNaColuna) : __builtin_ctzll(peoesNaColuna);
                int passos = std::abs(maisPerto / 8 - rei / 8);
                if (passos > 2) abrigo -= 10;
            }
        }
        s.soma(abrigo, 0);
    }
    *unidadesAtaque = atacantes >= 2 || p.getPecas(cor, P::RAINHA) != 0 ? unidades : 0;
    if (atacantes < 2) *unidadesAtaque /= 2;
    return s;
}

int fase(const PosicaoBusca& p) {
    int f = 0;
    for (int cor = 0; cor < 2; cor++) {
        for (int tipo = P::CAVALO; tipo <= P::RAINHA; tipo++) f += FASE[tipo] * contaBits(p.getPecas(cor, tipo));
    }
    return std::min(f, 24);
}

int materialSimples(const PosicaoBusca& p, int cor) {
    int m = 0;
    for (int tipo = P::CAVALO; tipo <= P::RAINHA; tipo++) m += P::VALOR_TROCA[tipo] * contaBits(p.getPecas(cor, tipo));
    return m;
}

}  // namespace

const int Avaliacao::VALOR_MEIO[7] = {0, 90, 320, 330, 480, 950, 0};
const int Avaliacao::VALOR_FINAL[7] = {0, 120, 300, 320, 520, 1000, 0};

int Avaliacao::avalia(const PosicaoBusca& p) {
    const Tabelas& t = tabelasIniciais;
    int ataqueBrancas = 0, ataquePretas = 0;
    Placar b = avaliaLado(p, P::BRANCAS, &ataqueBrancas);
    Placar n = avaliaLado(p, P::PRETAS, &ataquePretas);
    int meio = b.meio - n.meio;
    int fim = b.fim - n.fim;
    // Attacks on a king grow faster than their count.
    meio += std::min(500, ataqueBrancas * ataqueBrancas / 2) - std::min(500, ataquePretas * ataquePretas / 2);

    int f = fase(p);
    int valor = (meio * f + fim * (24 - f)) / 24;

    // Endings: without pawns a small edge does not win; a lone king is
    // driven to the edge and the other king comes near it.
    int forte = valor >= 0 ? P::BRANCAS : P::PRETAS;
    int fraco = forte ^ 1;
    int mForte = materialSimples(p, forte), mFraco = materialSimples(p, fraco);
    if (p.getPecas(forte, P::PEAO) == 0 && mForte - mFraco < 400) {
        valor /= 4;
    } else if (p.getPecas(fraco, P::PEAO) == 0 && mFraco <= 330 && mForte >= 500) {
        int reiFraco = p.getCasaDoRei(fraco), reiForte = p.getCasaDoRei(forte);
        int x = reiFraco % 8, y = reiFraco / 8;
        int borda = std::max(3 - std::min(x, 7 - x), 3 - std::min(y, 7 - y));
        int empurra = 20 * borda + 8 * (7 - t.distancia[reiFraco][reiForte]);
        valor += forte == P::BRANCAS ? empurra : -empurra;
    }
    if (p.isMaterialInsuficiente()) valor = 0;

    valor += p.getVez() == P::BRANCAS ? 0 : -2 * valor;
    return valor + 10;
}
