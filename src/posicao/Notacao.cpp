#include "Notacao.h"

#include <cstring>

#include "PosicaoFEN.h"
#include "jogo/Jogada.h"
#include "jogo/JogadaLista.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"
#include "jogo/Tabuleiro.h"

namespace {

bool isCasa(int x, int y) { return x >= 0 && x <= 7 && y >= 0 && y <= 7; }

Peca* pecaDoLado(Jogo& jogo, bool isComp, int x, int y) {
    return isComp ? jogo.getComputadorPeca(x, y) : jogo.getJogadorPeca(x, y);
}

bool isPromocao(const Peca* peca, int paraY) {
    return peca->getTipo() == JogoConstantes::PEAO && (paraY == 0 || paraY == 7);
}

// The legal moves of peca, castling included when includeRoque; the
// trials run on t and leave it as it was.
void listaLegais(Jogo& jogo, Tabuleiro& t, Peca* peca, bool isComp, bool incluiRoque, JogadaLista* lista) {
    lista->deletaTodasAsJogadas();
    // The game's flag is the other way round: true leaves castling out.
    jogo.calculaJogadasLegais(lista, t, peca->getPosX(), peca->getPosY(), peca->getTipo(), isComp, !incluiRoque);
}

// The move of lista that lance names, or null; the promotion must fit the move.
Jogada* achaJogada(const JogadaLista& lista, const Peca* peca, const LanceJogado& lance) {
    if (isPromocao(peca, lance.paraY) ? (lance.promocao < 0 || lance.promocao > JogoConstantes::RAINHA)
                                      : lance.promocao != 0) {
        return nullptr;
    }
    for (int i = 0; i < lista.getTam(); i++) {
        Jogada* j = lista.getJogada(i);
        if (j->getPosX() == lance.paraX && j->getPosY() == lance.paraY) return j;
    }
    return nullptr;
}

// A move as a SAN token describes it; -1 for what it leaves open.
struct Forma {
    int tipo = JogoConstantes::PEAO;
    int roque = 0;  // 6 or 2: the king's target column
    int deX = -1;
    int deY = -1;
    int paraX = -1;
    int paraY = -1;
    int promocao = 0;
    bool captura = false;
};

int tipoDaLetraInglesa(char c) {
    switch (c) {
        case 'K': return JogoConstantes::REI;
        case 'Q': return JogoConstantes::RAINHA;
        case 'R': return JogoConstantes::TORRE;
        case 'B': return JogoConstantes::BISPO;
        case 'N': return JogoConstantes::CAVALO;
        case 'P': return JogoConstantes::PEAO;
        default: return 0;
    }
}

int tipoDaPromocao(char c) {
    switch (c) {
        case 'Q': case 'q': return JogoConstantes::RAINHA;
        case 'R': case 'r': return JogoConstantes::TORRE;
        case 'B': case 'b': return JogoConstantes::BISPO;
        case 'N': case 'n': return JogoConstantes::CAVALO;
        default: return 0;
    }
}

bool analisa(std::string s, Forma* f) {
    // Longer than any move, over-disambiguated and annotated as it may be.
    if (s.size() > 16) return false;
    while (!s.empty() && std::strchr("+#!?", s.back()) != nullptr) s.pop_back();
    if (s.empty()) return false;

    std::string roque;
    for (char c : s) roque += (c == '0' || c == 'o') ? 'O' : c;
    if (roque == "O-O" || roque == "O-O-O") {
        f->tipo = JogoConstantes::REI;
        f->roque = roque.size() == 3 ? 6 : 2;
        return true;
    }

    std::size_t i = 0;
    if (tipoDaLetraInglesa(s[0]) != 0) {
        f->tipo = tipoDaLetraInglesa(s[0]);
        i = 1;
    }
    std::size_t fim = s.size();
    if (fim >= 2 && tipoDaPromocao(s[fim - 1]) != 0 && s[fim - 2] >= '1' && s[fim - 2] <= '8') {
        f->promocao = tipoDaPromocao(s[fim - 1]);
        fim--;
    } else if (fim >= 3 && s[fim - 2] == '=' && tipoDaPromocao(s[fim - 1]) != 0) {
        f->promocao = tipoDaPromocao(s[fim - 1]);
        fim -= 2;
    }
    if (fim >= 1 && s[fim - 1] == '=') fim--;
    if (f->promocao != 0 && f->tipo != JogoConstantes::PEAO) return false;
    if (fim < i + 2) return false;
    char coluna = s[fim - 2];
    char fileira = s[fim - 1];
    if (coluna < 'a' || coluna > 'h' || fileira < '1' || fileira > '8') return false;
    f->paraX = coluna - 'a';
    f->paraY = '8' - fileira;

    // Between the piece and the target: the square it leaves, in part or
    // whole, and the capture mark, which may be left out.
    std::string meio;
    for (std::size_t k = i; k < fim - 2; k++) {
        char c = s[k];
        if (c == 'x' || c == ':') {
            f->captura = true;
        } else if (c != '-') {
            meio += c;
        }
    }
    std::size_t k = 0;
    if (k < meio.size() && meio[k] >= 'a' && meio[k] <= 'h') f->deX = meio[k++] - 'a';
    if (k < meio.size() && meio[k] >= '1' && meio[k] <= '8') f->deY = '8' - meio[k++];
    return k == meio.size();
}

// A piece's square wherever it is written, e.g. "e4".
std::string casa(int x, int y) { return PosicaoFEN::casa(x, y); }

// The SAN of a legal move of peca before the check mark; t is the
// position, left as it was.
std::string corpo(Jogo& jogo, Tabuleiro& t, Peca* peca, Jogada* jogada, const LanceJogado& lance,
                  Notacao::Alfabeto alfabeto) {
    bool isComp = peca->isDeComp();
    int tipo = peca->getTipo();
    bool captura = jogada->getCaptura() != nullptr;
    std::string destino = casa(lance.paraX, lance.paraY);
    if (jogada->getTipo() == JogoConstantes::JOGADA_ROQUE) {
        return lance.paraX > lance.deX ? "O-O" : "O-O-O";
    }
    if (tipo == JogoConstantes::PEAO) {
        std::string texto;
        if (captura) texto = std::string(1, static_cast<char>('a' + lance.deX)) + "x";
        texto += destino;
        if (isPromocao(peca, lance.paraY)) {
            texto += "=" + Notacao::letra(lance.promocao != 0 ? lance.promocao : JogoConstantes::RAINHA, alfabeto);
        }
        return texto;
    }
    // Another piece of the type that can legally reach the square asks for
    // the file, then the rank, then both.
    bool outra = false, mesmaColuna = false, mesmaFileira = false;
    Peca** lado = isComp ? jogo.getComputadorPecas() : jogo.getJogadorPecas();
    JogadaLista delas;
    for (int i = 0; i < 16; i++) {
        Peca* q = lado[i];
        if (q == peca || q->isRemovida() || q->getTipo() != tipo) continue;
        listaLegais(jogo, t, q, isComp, false, &delas);
        for (int j = 0; j < delas.getTam(); j++) {
            if (delas.getJogada(j)->getPosX() == lance.paraX && delas.getJogada(j)->getPosY() == lance.paraY) {
                outra = true;
                mesmaColuna |= q->getPosX() == lance.deX;
                mesmaFileira |= q->getPosY() == lance.deY;
                break;
            }
        }
    }
    std::string texto = Notacao::letra(tipo, alfabeto);
    if (outra) {
        std::string de = casa(lance.deX, lance.deY);
        if (!mesmaColuna) {
            texto += de[0];
        } else if (!mesmaFileira) {
            texto += de[1];
        } else {
            texto += de;
        }
    }
    if (captura) texto += "x";
    return texto + destino;
}

}  // namespace

std::string Notacao::letra(int tipo, Alfabeto alfabeto) {
    static const char* const ingles[] = {"", "R", "N", "B", "Q", "K", ""};
    static const char* const portugues[] = {"", "T", "C", "B", "D", "R", ""};
    if (tipo < 0 || tipo > JogoConstantes::PEAO) return "";
    return alfabeto == PORTUGUES ? portugues[tipo] : ingles[tipo];
}

bool Notacao::joga(Jogo& jogo, const LanceJogado& lance, Alfabeto alfabeto, std::string* san) {
    if (!isCasa(lance.deX, lance.deY) || !isCasa(lance.paraX, lance.paraY)) return false;
    bool isComp = jogo.isVezComputador();
    Peca* peca = pecaDoLado(jogo, isComp, lance.deX, lance.deY);
    if (peca == nullptr) return false;
    bool promove = isPromocao(peca, lance.paraY);

    JogadaLista lista;
    Jogada* jogada = nullptr;
    std::string texto;
    {
        Tabuleiro t(jogo.getJogadorPecas(), jogo.getComputadorPecas());
        listaLegais(jogo, t, peca, isComp, true, &lista);
        jogada = achaJogada(lista, peca, lance);
        if (jogada == nullptr) return false;
        if (san != nullptr) texto = corpo(jogo, t, peca, jogada, lance, alfabeto);
    }

    jogo.executaJogada(peca, jogada, promove && lance.promocao != 0 ? lance.promocao : 0);
    if (san != nullptr) {
        if (jogo.isOutroReiEmXeque(isComp)) {
            int mate = isComp ? JogoConstantes::PRETAS_VENCERAM : JogoConstantes::BRANCAS_VENCERAM;
            texto += jogo.isEstaEmXequeMateOuEmpate(!isComp) == mate ? "#" : "+";
        }
        *san = texto;
    }
    return true;
}

std::string Notacao::escreve(Jogo& jogo, const LanceJogado& lance, Alfabeto alfabeto) {
    // A scratch game with what the rules read of the position: the pieces,
    // the last moves (en passant) and the side to move.
    Jogo copia(nullptr);
    copia.copiaPosicao(jogo);
    std::string san;
    return joga(copia, lance, alfabeto, &san) ? san : std::string();
}

Notacao::Leitura Notacao::le(Jogo& jogo, const std::string& san, LanceJogado* lance) {
    Forma f;
    if (!analisa(san, &f)) return MALFORMADO;
    bool isComp = jogo.isVezComputador();
    Peca** lado = isComp ? jogo.getComputadorPecas() : jogo.getJogadorPecas();
    Tabuleiro t(jogo.getJogadorPecas(), jogo.getComputadorPecas());
    JogadaLista lista;
    int achados = 0;
    LanceJogado achado{};
    for (int i = 0; i < 16; i++) {
        Peca* p = lado[i];
        if (p->isRemovida() || p->getTipo() != f.tipo) continue;
        if ((f.deX >= 0 && p->getPosX() != f.deX) || (f.deY >= 0 && p->getPosY() != f.deY)) continue;
        listaLegais(jogo, t, p, isComp, f.tipo == JogoConstantes::REI, &lista);
        for (int j = 0; j < lista.getTam(); j++) {
            Jogada* jogada = lista.getJogada(j);
            if (f.roque != 0) {
                if (jogada->getTipo() != JogoConstantes::JOGADA_ROQUE || jogada->getPosX() != f.roque) continue;
            } else if (jogada->getPosX() != f.paraX || jogada->getPosY() != f.paraY) {
                continue;
            }
            // A pawn named without its file pushes; "xd5" captures.
            if (f.tipo == JogoConstantes::PEAO && f.deX < 0 &&
                (f.captura ? jogada->getPosX() == p->getPosX() : jogada->getPosX() != p->getPosX())) {
                continue;
            }
            bool promove = isPromocao(p, jogada->getPosY());
            if (!promove && f.promocao != 0) continue;
            achado = {p->getPosX(), p->getPosY(), jogada->getPosX(), jogada->getPosY(),
                      promove ? (f.promocao != 0 ? f.promocao : JogoConstantes::RAINHA) : 0};
            achados++;
        }
    }
    if (achados == 0) return ILEGAL;
    if (achados > 1) return AMBIGUO;
    *lance = achado;
    return LIDO;
}

Notacao::Leitura Notacao::leCoordenadas(Jogo& jogo, const std::string& texto, LanceJogado* lance) {
    if (texto.size() != 4 && texto.size() != 5) return MALFORMADO;
    for (int k = 0; k < 4; k += 2) {
        if (texto[k] < 'a' || texto[k] > 'h' || texto[k + 1] < '1' || texto[k + 1] > '8') return MALFORMADO;
    }
    int promocao = texto.size() == 5 ? tipoDaPromocao(texto[4]) : 0;
    if (texto.size() == 5 && promocao == 0) return MALFORMADO;
    LanceJogado l{texto[0] - 'a', '8' - texto[1], texto[2] - 'a', '8' - texto[3], promocao};

    bool isComp = jogo.isVezComputador();
    Peca* peca = pecaDoLado(jogo, isComp, l.deX, l.deY);
    if (peca == nullptr) return ILEGAL;
    if (promocao == 0 && isPromocao(peca, l.paraY)) l.promocao = JogoConstantes::RAINHA;
    Tabuleiro t(jogo.getJogadorPecas(), jogo.getComputadorPecas());
    JogadaLista lista;
    listaLegais(jogo, t, peca, isComp, true, &lista);
    if (achaJogada(lista, peca, l) == nullptr) return ILEGAL;
    *lance = l;
    return LIDO;
}

std::vector<std::string> Notacao::lista(const std::string& fenInicial, const std::vector<LanceJogado>& registro,
                                        Alfabeto alfabeto) {
    std::vector<std::string> lances;
    Jogo jogo(nullptr);
    jogo.reinicia();
    if (!fenInicial.empty() && !PosicaoFEN::carrega(&jogo, fenInicial, nullptr)) return lances;
    std::string san;
    for (const LanceJogado& l : registro) {
        if (!joga(jogo, l, alfabeto, &san)) break;
        lances.push_back(san);
    }
    return lances;
}
