#include "PosicaoFEN.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

#include "jogo/Jogada.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"

namespace {

struct PecaFEN {
    bool deComp;
    int tipo;
    int x;
    int y;
};

int tipoDaLetra(char c) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'r': return JogoConstantes::TORRE;
        case 'n': return JogoConstantes::CAVALO;
        case 'b': return JogoConstantes::BISPO;
        case 'q': return JogoConstantes::RAINHA;
        case 'k': return JogoConstantes::REI;
        case 'p': return JogoConstantes::PEAO;
        default: return 0;
    }
}

// The slots a piece of this type takes first, in order.
std::vector<int> slotsDoTipo(int tipo, int coluna) {
    switch (tipo) {
        case JogoConstantes::TORRE: return {0, 7};
        case JogoConstantes::CAVALO: return {1, 6};
        case JogoConstantes::BISPO: return {2, 5};
        case JogoConstantes::RAINHA: return {3};
        case JogoConstantes::REI: return {4};
        default: {
            std::vector<int> s = {8 + coluna};
            for (int i = 8; i < 16; i++) s.push_back(i);
            return s;
        }
    }
}

// A whole number of any length, kept at the 75-move limit: a clock there
// draws the game at once, whatever its size, and a larger one would
// overflow as the game counts on from it.
bool leContador(const std::string& texto, int* valor) {
    int n = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return false;
        n = std::min(n * 10 + (c - '0'), JogoConstantes::LANCES_SEM_CAPTURA_EMPATE);
    }
    *valor = n;
    return true;
}

bool falha(std::string* erro, const std::string& msg) {
    if (erro != nullptr) *erro = msg;
    return false;
}

}  // namespace

std::string PosicaoFEN::casa(int x, int y) {
    std::string s;
    s += static_cast<char>('a' + x);
    s += static_cast<char>('8' - y);
    return s;
}

std::string PosicaoFEN::notacao(Peca* peca, Jogada* jogada) {
    std::string s = casa(peca->getPosX(), peca->getPosY()) + casa(jogada->getPosX(), jogada->getPosY());
    if (peca->getTipo() == JogoConstantes::PEAO && (jogada->getPosY() == 0 || jogada->getPosY() == 7)) {
        s += 'q';
    }
    return s;
}

static bool carregaPosicao(Jogo* jogo, const std::string& fen, std::string* erro, bool soDeJogo) {
    jogo->reinicia();

    std::istringstream in(fen);
    std::string tabuleiro, vez, roque = "-", enPassant = "-", relogio, numeroDoLance;
    if (!(in >> tabuleiro >> vez)) {
        return falha(erro, "not a FEN position: expected at least the board and the side to move");
    }
    in >> roque >> enPassant >> relogio >> numeroDoLance;
    std::string sobra;
    if (in >> sobra) {
        return falha(erro, "bad FEN: '" + sobra + "' after the sixth field (the fullmove number)");
    }

    std::vector<PecaFEN> pecas;
    int x = 0, y = 0;
    for (char c : tabuleiro) {
        if (c == '/') {
            if (x != 8) return falha(erro, "bad FEN board: a rank does not have 8 squares");
            x = 0;
            y++;
            if (y > 7) return falha(erro, "bad FEN board: more than 8 ranks");
        } else if (c >= '1' && c <= '8') {
            x += c - '0';
            if (x > 8) return falha(erro, "bad FEN board: a rank has more than 8 squares");
        } else {
            int tipo = tipoDaLetra(c);
            if (tipo == 0) return falha(erro, std::string("bad FEN board: unknown piece '") + c + "'");
            if (x > 7) return falha(erro, "bad FEN board: a rank has more than 8 squares");
            bool deComp = std::islower(static_cast<unsigned char>(c)) != 0;
            if (tipo == JogoConstantes::PEAO && (y == 0 || y == 7)) {
                return falha(erro, "bad FEN board: a pawn on the first or last rank");
            }
            pecas.push_back({deComp, tipo, x, y});
            x++;
        }
    }
    if (y != 7 || x != 8) return falha(erro, "bad FEN board: expected 8 ranks of 8 squares");
    if (vez != "w" && vez != "b") return falha(erro, "bad FEN side to move: expected w or b");

    for (int lado = 0; lado < 2; lado++) {
        int reis = 0, total = 0;
        for (const auto& p : pecas) {
            if (p.deComp == (lado == 1)) {
                total++;
                reis += p.tipo == JogoConstantes::REI;
            }
        }
        const char* nome = lado == 1 ? "black" : "white";
        if (reis != 1) return falha(erro, std::string("bad FEN board: ") + nome + " needs exactly one king");
        if (total > 16) return falha(erro, std::string("bad FEN board: ") + nome + " has more than 16 pieces");
    }

    if (roque != "-") {
        for (char c : roque) {
            if (std::string("KQkq").find(c) == std::string::npos) {
                return falha(erro, "bad FEN castling field: expected - or letters of KQkq");
            }
        }
    }

    // The clocks are optional, as the fields after the board are (empty
    // reads as 0); one that is there must be a whole number.
    int meioLances = 0;
    if (!leContador(relogio, &meioLances)) {
        return falha(erro, "bad FEN halfmove clock: expected a whole number of plies");
    }
    int numero = 0;
    if (!leContador(numeroDoLance, &numero)) {
        return falha(erro, "bad FEN fullmove number: expected a whole number");
    }

    // Fill the slots in board order so that a FEN always gives the same sets.
    for (int lado = 0; lado < 2; lado++) {
        bool isComp = lado == 1;
        bool ocupado[16] = {};
        Peca* slots[16];
        for (int i = 0; i < 16; i++) {
            slots[i] = isComp ? jogo->getComputadorPeca(i) : jogo->getJogadorPeca(i);
        }
        int fundo = isComp ? 0 : 7;
        int filaPeoes = isComp ? 1 : 6;
        auto permite = [&](char letra) {
            return roque.find(isComp ? static_cast<char>(std::tolower(letra)) : letra) != std::string::npos;
        };
        for (const auto& p : pecas) {
            if (p.deComp != isComp) continue;
            int slot = -1;
            for (int s : slotsDoTipo(p.tipo, p.x)) {
                if (!ocupado[s]) {
                    slot = s;
                    break;
                }
            }
            for (int s = 8; slot < 0 && s < 16; s++) {
                if (!ocupado[s]) slot = s;
            }
            for (int s = 0; slot < 0 && s < 16; s++) {
                if (!ocupado[s]) slot = s;
            }
            ocupado[slot] = true;
            Peca* peca = slots[slot];
            peca->setTipo(p.tipo);
            peca->setPosX(p.x);
            peca->setPosY(p.y);
            peca->setRemovida(false);
            bool parada = false;
            if (p.tipo == JogoConstantes::PEAO) {
                parada = p.y == filaPeoes;
            } else if (p.tipo == JogoConstantes::REI) {
                parada = p.x == 4 && p.y == fundo && (permite('K') || permite('Q'));
            } else if (p.tipo == JogoConstantes::TORRE && p.y == fundo) {
                parada = (p.x == 7 && permite('K')) || (p.x == 0 && permite('Q'));
            }
            peca->setMoveuContador(parada ? 0 : 1);
        }
        // Empty slots hold a removed piece of their own type on its start square.
        for (int s = 0; s < 16; s++) {
            if (!ocupado[s]) {
                slots[s]->setRemovida(true);
                slots[s]->setMoveuContador(1);
            }
        }
        // A rook right without its king does not make castling possible.
        Peca* rei = nullptr;
        for (int s = 0; s < 16; s++) {
            if (ocupado[s] && slots[s]->getTipo() == JogoConstantes::REI) rei = slots[s];
        }
        if (rei != nullptr && rei->getMoveuContador() != 0) {
            for (int s = 0; s < 16; s++) {
                if (ocupado[s] && slots[s]->getTipo() == JogoConstantes::TORRE) slots[s]->setMoveuContador(1);
            }
        }
    }

    bool vezComp = vez == "b";
    jogo->setVezComputador(vezComp);

    if (enPassant != "-") {
        if (enPassant.size() != 2 || enPassant[0] < 'a' || enPassant[0] > 'h' ||
            (enPassant[1] != '3' && enPassant[1] != '6')) {
            return falha(erro, "bad FEN en passant square");
        }
        int ex = enPassant[0] - 'a';
        int ey = '8' - enPassant[1];
        // The side that did not move last made the double step.
        bool moveuComp = !vezComp;
        int d = moveuComp ? 1 : -1;
        int chegada = ey + d;
        Peca* peao = moveuComp ? jogo->getComputadorPeca(ex, chegada) : jogo->getJogadorPeca(ex, chegada);
        if ((moveuComp && ey != 2) || (!moveuComp && ey != 5) || peao == nullptr ||
            peao->getTipo() != JogoConstantes::PEAO) {
            return falha(erro, "bad FEN en passant square: no pawn has just passed it");
        }
        // The pawn came from two squares behind, over the en passant square.
        if (soDeJogo && (jogo->getPeca(ex, ey) != nullptr || jogo->getPeca(ex, ey - d) != nullptr)) {
            return falha(erro, "bad FEN en passant square: " + enPassant + " and " + PosicaoFEN::casa(ex, ey - d) +
                                   " must be empty after a double step");
        }
        peao->setMoveuContador(1);
        jogo->setUltimoMov(new PecaMov(ex, ey - d, ex, chegada, moveuComp));
    }

    // The side to move could take the king: no game reaches that.
    if (soDeJogo && jogo->isOutroReiEmXeque(jogo->getJogadorPecas(), jogo->getComputadorPecas(), vezComp)) {
        return falha(erro, vezComp ? "impossible FEN position: white is in check with black to move"
                                   : "impossible FEN position: black is in check with white to move");
    }
    jogo->setLancesSemCaptura(meioLances);
    return true;
}

bool PosicaoFEN::carrega(Jogo* jogo, const std::string& fen, std::string* erro, bool soDeJogo) {
    if (carregaPosicao(jogo, fen, erro, soDeJogo)) {
        jogo->setFENInicial(fen);
        return true;
    }
    jogo->reinicia();
    return false;
}

namespace {

// The whitespace-separated fields of a FEN.
std::vector<std::string> camposDoFEN(const std::string& fen) {
    std::istringstream in(fen);
    std::vector<std::string> campos;
    std::string campo;
    while (campos.size() < 6 && in >> campo) campos.push_back(campo);
    return campos;
}

}  // namespace

long PosicaoFEN::numeroDoLance(const std::string& fen) {
    std::vector<std::string> campos = camposDoFEN(fen);
    if (campos.size() < 6) return 1;
    long n = 0;
    for (char c : campos[5]) {
        if (c < '0' || c > '9') return 1;
        n = std::min(n * 10 + (c - '0'), NUMERO_MAXIMO);
    }
    return n > 0 ? n : 1;
}

bool PosicaoFEN::isPretasJogam(const std::string& fen) {
    std::vector<std::string> campos = camposDoFEN(fen);
    return campos.size() >= 2 && campos[1] == "b";
}

std::string PosicaoFEN::escreve(Jogo* jogo) {
    static const char letras[] = " rnbqkp";
    std::string fen;
    for (int y = 0; y < 8; y++) {
        int vazias = 0;
        for (int x = 0; x < 8; x++) {
            Peca* p = jogo->getPeca(x, y);
            if (p == nullptr || p->getTipo() < JogoConstantes::TORRE || p->getTipo() > JogoConstantes::PEAO) {
                vazias++;
                continue;
            }
            if (vazias > 0) fen += static_cast<char>('0' + vazias);
            vazias = 0;
            char c = letras[p->getTipo()];
            fen += p->isDeComp() ? c : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        if (vazias > 0) fen += static_cast<char>('0' + vazias);
        if (y < 7) fen += '/';
    }
    bool vezComp = jogo->isVezComputador();
    fen += vezComp ? " b " : " w ";

    // Bits of the repetition's key: white's king's side, queen's side, then black's.
    int roques = jogo->getPosicao().roques;
    std::string roque;
    if (roques & 1) roque += 'K';
    if (roques & 2) roque += 'Q';
    if (roques & 4) roque += 'k';
    if (roques & 8) roque += 'q';
    fen += roque.empty() ? "-" : roque;

    // The side that just moved made a double step with a pawn: the square it passed.
    std::string enPassant = "-";
    PecaMov* ultimo = jogo->getUltimoMov(!vezComp);
    if (ultimo != nullptr && ultimo->getX1() == ultimo->getX2() &&
        ultimo->getY1() == (vezComp ? 6 : 1) && ultimo->getY2() == (vezComp ? 4 : 3)) {
        Peca* p = vezComp ? jogo->getJogadorPeca(ultimo->getX2(), ultimo->getY2())
                          : jogo->getComputadorPeca(ultimo->getX2(), ultimo->getY2());
        if (p != nullptr && p->getTipo() == JogoConstantes::PEAO) {
            enPassant = casa(ultimo->getX2(), (ultimo->getY1() + ultimo->getY2()) / 2);
        }
    }
    fen += " " + enPassant + " " + std::to_string(jogo->getLancesSemCaptura());

    // Black's moves since the start, each of which begins a new fullmove.
    const std::string& inicial = jogo->getFENInicial();
    long lances = static_cast<long>(jogo->getRegistro().size());
    long dasPretas = isPretasJogam(inicial) ? (lances + 1) / 2 : lances / 2;
    fen += " " + std::to_string(std::min(numeroDoLance(inicial) + dasPretas, NUMERO_MAXIMO));
    return fen;
}
