#include "algoritmo/PosicaoBusca.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

typedef std::uint64_t Casas;

constexpr Casas bit(int c) { return Casas{1} << c; }

// Directions as (dx, dy); the first four are the rook's. A direction runs
// towards higher squares when dy > 0, or dy == 0 and dx > 0.
constexpr int DIRECOES[8][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr bool CRESCENTE[8] = {false, true, false, true, false, false, true, true};

constexpr std::uint64_t misturaSemente(std::uint64_t& s) {
    // splitmix64: a fixed, well spread sequence for the Zobrist keys.
    std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr int SALTOS[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};

// Built at compile time: the evaluation's own tables are made from these
// while the program starts, in an order no linker promises.
struct Tabelas {
    Casas raio[8][64] = {};
    Casas cavalo[64] = {};
    Casas rei[64] = {};
    Casas peao[2][64] = {};
    std::uint64_t chavePeca[16][64] = {};
    std::uint64_t chaveVez = 0;
    std::uint64_t chaveRoque[16] = {};
    std::uint64_t chaveEnPassant[8] = {};
    // Castling rights that survive a move from or to each square.
    int mantemRoque[64] = {};

    constexpr Tabelas() {
        auto dentro = [](int x, int y) { return x >= 0 && x < 8 && y >= 0 && y < 8; };
        for (int c = 0; c < 64; c++) {
            int x = c % 8, y = c / 8;
            for (int d = 0; d < 8; d++) {
                raio[d][c] = 0;
                for (int k = 1; dentro(x + k * DIRECOES[d][0], y + k * DIRECOES[d][1]); k++) {
                    raio[d][c] |= bit((y + k * DIRECOES[d][1]) * 8 + x + k * DIRECOES[d][0]);
                }
            }
            cavalo[c] = rei[c] = 0;
            for (int i = 0; i < 8; i++) {
                if (dentro(x + SALTOS[i][0], y + SALTOS[i][1])) cavalo[c] |= bit((y + SALTOS[i][1]) * 8 + x + SALTOS[i][0]);
                if (dentro(x + DIRECOES[i][0], y + DIRECOES[i][1])) rei[c] |= bit((y + DIRECOES[i][1]) * 8 + x + DIRECOES[i][0]);
            }
            // White's pawns go up the board (towards row 0).
            for (int cor = 0; cor < 2; cor++) {
                peao[cor][c] = 0;
                int py = y + (cor == 0 ? -1 : 1);
                for (int dx = -1; dx <= 1; dx += 2) {
                    if (dentro(x + dx, py)) peao[cor][c] |= bit(py * 8 + x + dx);
                }
            }
            mantemRoque[c] = 15;
        }
        // Bits as Posicao keeps them: white's king side, queen side, black's.
        mantemRoque[60] = 15 & ~3;
        mantemRoque[63] = 15 & ~1;
        mantemRoque[56] = 15 & ~2;
        mantemRoque[4] = 15 & ~12;
        mantemRoque[7] = 15 & ~4;
        mantemRoque[0] = 15 & ~8;

        std::uint64_t s = 0x5eed0f0c0ffee123ULL;
        for (auto& p : chavePeca) {
            for (auto& k : p) k = misturaSemente(s);
        }
        chaveVez = misturaSemente(s);
        for (auto& k : chaveRoque) k = misturaSemente(s);
        for (auto& k : chaveEnPassant) k = misturaSemente(s);
    }
};

constexpr Tabelas TABELAS{};

Casas ataquesRaio(int c, int d, Casas ocupadas) {
    const Tabelas& t = TABELAS;
    Casas r = t.raio[d][c];
    Casas bloqueio = r & ocupadas;
    if (bloqueio != 0) {
        int b = CRESCENTE[d] ? __builtin_ctzll(bloqueio) : 63 - __builtin_clzll(bloqueio);
        r ^= t.raio[d][b];
    }
    return r;
}

// The game's piece codes (1 rook ... 6 pawn) in this position's order.
const int DO_JOGO[7] = {0, PosicaoBusca::TORRE, PosicaoBusca::CAVALO, PosicaoBusca::BISPO,
                        PosicaoBusca::RAINHA, PosicaoBusca::REI, PosicaoBusca::PEAO};

}  // namespace

const int PosicaoBusca::VALOR_TROCA[7] = {0, 100, 320, 330, 500, 950, 20000};

PosicaoBusca::PosicaoBusca() { carregaInicial(); }

std::uint64_t PosicaoBusca::ataquesCavalo(int casa) { return TABELAS.cavalo[casa]; }
std::uint64_t PosicaoBusca::ataquesRei(int casa) { return TABELAS.rei[casa]; }
std::uint64_t PosicaoBusca::ataquesPeao(int cor, int casa) { return TABELAS.peao[cor][casa]; }

std::uint64_t PosicaoBusca::ataquesBispo(int casa, std::uint64_t ocupadas) {
    return ataquesRaio(casa, 4, ocupadas) | ataquesRaio(casa, 5, ocupadas) | ataquesRaio(casa, 6, ocupadas) |
           ataquesRaio(casa, 7, ocupadas);
}

std::uint64_t PosicaoBusca::ataquesTorre(int casa, std::uint64_t ocupadas) {
    return ataquesRaio(casa, 0, ocupadas) | ataquesRaio(casa, 1, ocupadas) | ataquesRaio(casa, 2, ocupadas) |
           ataquesRaio(casa, 3, ocupadas);
}

void PosicaoBusca::limpa() {
    std::memset(casas, 0, sizeof casas);
    std::memset(pecas, 0, sizeof pecas);
    std::memset(cores, 0, sizeof cores);
    vez = BRANCAS;
    roques = 0;
    enPassant = -1;
    lancesSemCaptura = 0;
    chave = 0;
    altura = 0;
    numChaves = 0;
}

void PosicaoBusca::poe(int casa, int peca) {
    casas[casa] = peca;
    pecas[corDe(peca)][tipoDe(peca)] |= bit(casa);
    cores[corDe(peca)] |= bit(casa);
    chave ^= TABELAS.chavePeca[peca][casa];
}

void PosicaoBusca::tira(int casa) {
    int peca = casas[casa];
    casas[casa] = 0;
    pecas[corDe(peca)][tipoDe(peca)] &= ~bit(casa);
    cores[corDe(peca)] &= ~bit(casa);
    chave ^= TABELAS.chavePeca[peca][casa];
}

void PosicaoBusca::calculaChave() {
    const Tabelas& t = TABELAS;
    chave = 0;
    for (int c = 0; c < 64; c++) {
        if (casas[c] != 0) chave ^= t.chavePeca[casas[c]][c];
    }
    if (vez == PRETAS) chave ^= t.chaveVez;
    chave ^= t.chaveRoque[roques];
    if (enPassant >= 0) chave ^= t.chaveEnPassant[enPassant % 8];
}

std::uint64_t PosicaoBusca::chaveDe(const Posicao& p) {
    const Tabelas& t = TABELAS;
    std::uint64_t k = 0;
    for (int c = 0; c < 64; c++) {
        int v = p.casas[c];
        if (v != 0) k ^= t.chavePeca[DO_JOGO[v & 7] | ((v & 8) != 0 ? 8 : 0)][c];
    }
    if (p.vezComputador) k ^= t.chaveVez;
    k ^= t.chaveRoque[p.roques & 15];
    if (p.enPassant >= 0) k ^= t.chaveEnPassant[p.enPassant];
    return k;
}

void PosicaoBusca::carrega(const Posicao& posicao, int semCaptura, const std::vector<Posicao>& historico) {
    limpa();
    for (int c = 0; c < 64; c++) {
        int v = posicao.casas[c];
        if (v != 0) poe(c, DO_JOGO[v & 7] | ((v & 8) != 0 ? 8 : 0));
    }
    vez = posicao.vezComputador ? PRETAS : BRANCAS;
    roques = posicao.roques & 15;
    // The pawn that may be taken stands on the mover's fifth row; the
    // capture lands behind it.
    enPassant = posicao.enPassant < 0 ? -1 : (vez == BRANCAS ? 2 : 5) * 8 + posicao.enPassant;
    lancesSemCaptura = semCaptura;
    calculaChave();
    // The record holds the current position last; the ones before it count.
    std::size_t n = historico.size();
    std::size_t antes = n > 0 ? n - 1 : 0;
    std::size_t de = antes > MAXIMO_HISTORICO ? antes - MAXIMO_HISTORICO : 0;
    for (std::size_t i = de; i < antes; i++) chaves[numChaves++] = chaveDe(historico[i]);
}

void PosicaoBusca::carregaInicial() {
    limpa();
    static const int fileira[8] = {TORRE, CAVALO, BISPO, RAINHA, REI, BISPO, CAVALO, TORRE};
    for (int x = 0; x < 8; x++) {
        poe(x, fileira[x] | 8);
        poe(8 + x, PEAO | 8);
        poe(48 + x, PEAO);
        poe(56 + x, fileira[x]);
    }
    roques = 15;
    calculaChave();
}

bool PosicaoBusca::isAtacada(int casa, int porCor, std::uint64_t ocupadas) const {
    const Tabelas& t = TABELAS;
    if ((t.cavalo[casa] & pecas[porCor][CAVALO]) != 0) return true;
    if ((t.peao[porCor ^ 1][casa] & pecas[porCor][PEAO]) != 0) return true;
    if ((t.rei[casa] & pecas[porCor][REI]) != 0) return true;
    Casas diagonais = pecas[porCor][BISPO] | pecas[porCor][RAINHA];
    if (diagonais != 0 && (ataquesBispo(casa, ocupadas) & diagonais) != 0) return true;
    Casas retas = pecas[porCor][TORRE] | pecas[porCor][RAINHA];
    return retas != 0 && (ataquesTorre(casa, ocupadas) & retas) != 0;
}

std::uint64_t PosicaoBusca::atacantes(int casa, std::uint64_t ocupadas) const {
    const Tabelas& t = TABELAS;
    Casas diagonais = pecas[0][BISPO] | pecas[0][RAINHA] | pecas[1][BISPO] | pecas[1][RAINHA];
    Casas retas = pecas[0][TORRE] | pecas[0][RAINHA] | pecas[1][TORRE] | pecas[1][RAINHA];
    return (t.cavalo[casa] & (pecas[0][CAVALO] | pecas[1][CAVALO])) |
           (t.rei[casa] & (pecas[0][REI] | pecas[1][REI])) | (t.peao[1][casa] & pecas[0][PEAO]) |
           (t.peao[0][casa] & pecas[1][PEAO]) | (ataquesBispo(casa, ocupadas) & diagonais) |
           (ataquesTorre(casa, ocupadas) & retas);
}

int PosicaoBusca::geraLances(Lance* lista, bool soCapturas) const {
    const Tabelas& t = TABELAS;
    int n = 0;
    int eu = vez, ele = vez ^ 1;
    Casas proprias = cores[eu], outras = cores[ele], ocupadas = proprias | outras;
    Casas alvos = soCapturas ? outras : ~proprias;

    // Pawns.
    int frente = eu == BRANCAS ? -8 : 8;
    int fundoOposto = eu == BRANCAS ? 0 : 7;
    int filaInicial = eu == BRANCAS ? 6 : 1;
    for (Casas p = pecas[eu][PEAO]; p != 0; p &= p - 1) {
        int de = __builtin_ctzll(p);
        int para = de + frente;
        bool promove = para / 8 == fundoOposto;
        if (casas[para] == 0) {
            if (promove) {
                lista[n++] = criaLance(de, para, PROMOCAO + 3);
                if (!soCapturas) {
                    for (int k = 0; k < 3; k++) lista[n++] = criaLance(de, para, PROMOCAO + k);
                }
            } else if (!soCapturas) {
                lista[n++] = criaLance(de, para, QUIETO);
                if (de / 8 == filaInicial && casas[para + frente] == 0) {
                    lista[n++] = criaLance(de, para + frente, AVANCO_DUPLO);
                }
            }
        }
        for (Casas a = t.peao[eu][de] & outras; a != 0; a &= a - 1) {
            int alvo = __builtin_ctzll(a);
            if (promove) {
                lista[n++] = criaLance(de, alvo, PROMOCAO_CAPTURA + 3);
                if (!soCapturas) {
                    for (int k = 0; k < 3; k++) lista[n++] = criaLance(de, alvo, PROMOCAO_CAPTURA + k);
                }
            } else {
                lista[n++] = criaLance(de, alvo, CAPTURA);
            }
        }
        if (enPassant >= 0 && (t.peao[eu][de] & bit(enPassant)) != 0) {
            lista[n++] = criaLance(de, enPassant, EN_PASSANT);
        }
    }

    auto adiciona = [&](int de, Casas destinos) {
        for (; destinos != 0; destinos &= destinos - 1) {
            int para = __builtin_ctzll(destinos);
            lista[n++] = criaLance(de, para, casas[para] != 0 ? CAPTURA : QUIETO);
        }
    };
    for (Casas p = pecas[eu][CAVALO]; p != 0; p &= p - 1) {
        int de = __builtin_ctzll(p);
        adiciona(de, t.cavalo[de] & alvos);
    }
    for (Casas p = pecas[eu][BISPO]; p != 0; p &= p - 1) {
        int de = __builtin_ctzll(p);
        adiciona(de, ataquesBispo(de, ocupadas) & alvos);
    }
    for (Casas p = pecas[eu][TORRE]; p != 0; p &= p - 1) {
        int de = __builtin_ctzll(p);
        adiciona(de, ataquesTorre(de, ocupadas) & alvos);
    }
    for (Casas p = pecas[eu][RAINHA]; p != 0; p &= p - 1) {
        int de = __builtin_ctzll(p);
        adiciona(de, (ataquesBispo(de, ocupadas) | ataquesTorre(de, ocupadas)) & alvos);
    }
    int rei = getCasaDoRei(eu);
    adiciona(rei, t.rei[rei] & alvos);

    // Castling: the king crosses no attacked square and is not in check.
    if (!soCapturas && (roques & (eu == BRANCAS ? 3 : 12)) != 0) {
        int base = eu == BRANCAS ? 56 : 0;
        int bitRei = eu == BRANCAS ? 1 : 4;
        int bitDama = eu == BRANCAS ? 2 : 8;
        if (rei == base + 4 && !isAtacada(rei, ele, ocupadas)) {
            if ((roques & bitRei) != 0 && casas[base + 5] == 0 && casas[base + 6] == 0 &&
                !isAtacada(base + 5, ele, ocupadas) && !isAtacada(base + 6, ele, ocupadas)) {
                lista[n++] = criaLance(rei, base + 6, ROQUE_REI);
            }
            if ((roques & bitDama) != 0 && casas[base + 3] == 0 && casas[base + 2] == 0 &&
                casas[base + 1] == 0 && !isAtacada(base + 3, ele, ocupadas) &&
                !isAtacada(base + 2, ele, ocupadas)) {
                lista[n++] = criaLance(rei, base + 2, ROQUE_DAMA);
            }
        }
    }
    return n;
}

int PosicaoBusca::geraLegais(Lance* lista) {
    Lance todos[MAXIMO_LANCES];
    int n = geraLances(todos, false);
    int legais = 0;
    for (int i = 0; i < n; i++) {
        if (faz(todos[i])) lista[legais++] = todos[i];
        desfaz(todos[i]);
    }
    return legais;
}

void PosicaoBusca::marcaEnPassant(int casaDoPeao, int atravessada) {
    // vez is already the side that may take.
    const Tabelas& t = TABELAS;
    Casas quem = t.peao[vez ^ 1][atravessada] & pecas[vez][PEAO];
    int rei = getCasaDoRei(vez);
    for (; quem != 0; quem &= quem - 1) {
        int de = __builtin_ctzll(quem);
        Casas ocupadas = (getOcupadas() ^ bit(de) ^ bit(casaDoPeao)) | bit(atravessada);
        int ele = vez ^ 1;
        // The taken pawn no longer attacks; everything else is looked at
        // through the new occupation.
        bool atacado = (t.cavalo[rei] & pecas[ele][CAVALO]) != 0 ||
                       (t.peao[vez][rei] & pecas[ele][PEAO] & ~bit(casaDoPeao)) != 0 ||
                       (t.rei[rei] & pecas[ele][REI]) != 0 ||
                       (ataquesBispo(rei, ocupadas) & (pecas[ele][BISPO] | pecas[ele][RAINHA])) != 0 ||
                       (ataquesTorre(rei, ocupadas) & (pecas[ele][TORRE] | pecas[ele][RAINHA])) != 0;
        if (!atacado) {
            enPassant = atravessada;
            chave ^= t.chaveEnPassant[atravessada % 8];
            return;
        }
    }
}

// What a move or a null move changes, kept to be put back.
inline PosicaoBusca::Estado& PosicaoBusca::guardaEstado() {
    Estado& e = pilha[altura++];
    e.chave = chave;
    e.roques = roques;
    e.enPassant = enPassant;
    e.lancesSemCaptura = lancesSemCaptura;
    e.capturada = 0;
    chaves[numChaves++] = chave;
    return e;
}

bool PosicaoBusca::faz(Lance l) {
    const Tabelas& t = TABELAS;
    Estado& e = guardaEstado();

    int de = origem(l), para = destino(l), esp = especie(l);
    int peca = casas[de];
    int eu = vez;

    if (enPassant >= 0) {
        chave ^= t.chaveEnPassant[enPassant % 8];
        enPassant = -1;
    }
    lancesSemCaptura++;
    if (esp == EN_PASSANT) {
        int tomada = para + (eu == BRANCAS ? 8 : -8);
        e.capturada = casas[tomada];
        tira(tomada);
        lancesSemCaptura = 0;
    } else if (casas[para] != 0) {
        e.capturada = casas[para];
        tira(para);
        lancesSemCaptura = 0;
    }
    tira(de);
    poe(para, isPromocao(l) ? (promoveA(l) | (eu << 3)) : peca);
    if (tipoDe(peca) == PEAO) lancesSemCaptura = 0;
    if (esp == ROQUE_REI) {
        tira(para + 1);
        poe(para - 1, TORRE | (eu << 3));
    } else if (esp == ROQUE_DAMA) {
        tira(para - 2);
        poe(para + 1, TORRE | (eu << 3));
    }
    int novos = roques & t.mantemRoque[de] & t.mantemRoque[para];
    if (novos != roques) {
        chave ^= t.chaveRoque[roques] ^ t.chaveRoque[novos];
        roques = novos;
    }
    vez ^= 1;
    chave ^= t.chaveVez;
    if (esp == AVANCO_DUPLO) marcaEnPassant(para, (de + para) / 2);
    return !isAtacada(getCasaDoRei(eu), vez, getOcupadas());
}

void PosicaoBusca::desfaz(Lance l) {
    altura--;
    numChaves--;
    const Estado& e = pilha[altura];
    vez ^= 1;
    int eu = vez;
    int de = origem(l), para = destino(l), esp = especie(l);
    if (esp == ROQUE_REI) {
        tira(para - 1);
        poe(para + 1, TORRE | (eu << 3));
    } else if (esp == ROQUE_DAMA) {
        tira(para + 1);
        poe(para - 2, TORRE | (eu << 3));
    }
    int peca = isPromocao(l) ? (PEAO | (eu << 3)) : casas[para];
    tira(para);
    poe(de, peca);
    if (e.capturada != 0) {
        poe(esp == EN_PASSANT ? para + (eu == BRANCAS ? 8 : -8) : para, e.capturada);
    }
    roques = e.roques;
    enPassant = e.enPassant;
    lancesSemCaptura = e.lancesSemCaptura;
    chave = e.chave;
}

void PosicaoBusca::fazNulo() {
    const Tabelas& t = TABELAS;
    guardaEstado();
    if (enPassant >= 0) {
        chave ^= t.chaveEnPassant[enPassant % 8];
        enPassant = -1;
    }
    lancesSemCaptura++;
    vez ^= 1;
    chave ^= t.chaveVez;
}

void PosicaoBusca::desfazNulo() {
    altura--;
    numChaves--;
    const Estado& e = pilha[altura];
    vez ^= 1;
    enPassant = e.enPassant;
    lancesSemCaptura = e.lancesSemCaptura;
    chave = e.chave;
}

int PosicaoBusca::troca(Lance l) const {
    int de = origem(l), para = destino(l);
    int ganhos[40];
    int profundidade = 0;
    Casas ocupadas = getOcupadas();
    int alvo = especie(l) == EN_PASSANT ? PEAO : tipoDe(casas[para]);
    ganhos[0] = VALOR_TROCA[alvo];
    int atacante = tipoDe(casas[de]);
    ocupadas ^= bit(de);
    if (especie(l) == EN_PASSANT) ocupadas ^= bit(para + (vez == BRANCAS ? 8 : -8));
    Casas ataque = atacantes(para, ocupadas) & ocupadas;
    int lado = vez ^ 1;
    Casas diagonais = pecas[0][BISPO] | pecas[0][RAINHA] | pecas[1][BISPO] | pecas[1][RAINHA];
    Casas retas = pecas[0][TORRE] | pecas[0][RAINHA] | pecas[1][TORRE] | pecas[1][RAINHA];
    while (true) {
        Casas meus = ataque & cores[lado];
        if (meus == 0) break;
        int tipo = PEAO;
        Casas quem = 0;
        for (; tipo <= REI; tipo++) {
            quem = meus & pecas[lado][tipo];
            if (quem != 0) break;
        }
        profundidade++;
        ganhos[profundidade] = VALOR_TROCA[atacante] - ganhos[profundidade - 1];
        if (std::max(-ganhos[profundidade - 1], ganhos[profundidade]) < 0) break;
        if (tipo == REI && (ataque & cores[lado ^ 1]) != 0) {
            // The king cannot take into an attack.
            profundidade--;
            break;
        }
        atacante = tipo;
        ocupadas ^= quem & (~quem + 1);
        // Pieces behind the one that took now see the square.
        ataque |= (ataquesBispo(para, ocupadas) & diagonais) | (ataquesTorre(para, ocupadas) & retas);
        ataque &= ocupadas;
        lado ^= 1;
        if (profundidade >= 38) break;
    }
    while (profundidade > 0) {
        ganhos[profundidade - 1] = -std::max(-ganhos[profundidade - 1], ganhos[profundidade]);
        profundidade--;
    }
    return ganhos[0];
}

bool PosicaoBusca::isRepeticao() const {
    // Only positions with the same side to move, since the last
    // irreversible move, can be the same.
    int limite = std::min(lancesSemCaptura, numChaves);
    for (int k = 2; k <= limite; k += 2) {
        if (chaves[numChaves - k] == chave) return true;
    }
    return false;
}

bool PosicaoBusca::isMaterialInsuficiente() const {
    for (int cor = 0; cor < 2; cor++) {
        if ((pecas[cor][PEAO] | pecas[cor][TORRE] | pecas[cor][RAINHA]) != 0) return false;
    }
    Casas cavalos = pecas[0][CAVALO] | pecas[1][CAVALO];
    Casas bispos = pecas[0][BISPO] | pecas[1][BISPO];
    Casas menores = cavalos | bispos;
    if ((menores & (menores - 1)) == 0) return true;
    if (cavalos != 0) return false;
    // Bishops all on squares of one colour: (x + y) even or odd.
    const Casas claras = 0x55aa55aa55aa55aaULL;
    return (bispos & claras) == 0 || (bispos & ~claras) == 0;
}

long long PosicaoBusca::perft(int profundidade, bool promocoesComoUma) {
    if (profundidade == 0) return 1;
    Lance lista[MAXIMO_LANCES];
    int n = geraLances(lista, false);
    long long total = 0;
    for (int i = 0; i < n; i++) {
        Lance l = lista[i];
        if (promocoesComoUma && isPromocao(l) && promoveA(l) != RAINHA) continue;
        if (faz(l)) total += profundidade == 1 ? 1 : perft(profundidade - 1, promocoesComoUma);
        desfaz(l);
    }
    return total;
}
