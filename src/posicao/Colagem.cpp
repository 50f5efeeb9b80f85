#include "Colagem.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "Notacao.h"
#include "PosicaoFEN.h"
#include "jogo/Jogo.h"

namespace {

const char* const NAO_EH_FEN_NEM_PGN = "N\xe3o \xe9 FEN nem PGN.";
const char* const FEN_INVALIDA = "FEN inv\xe1lida.";
const char* const POSICAO_IMPOSSIVEL = "Posi\xe7\xe3o imposs\xedvel.";
const char* const PGN_INVALIDO = "PGN inv\xe1lido.";

bool isEspaco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The loader's refusal as the banner says it: a position no game reaches,
// or a text that is no FEN.
std::string mensagemDoFEN(const std::string& erro) {
    static const char* const impossiveis[] = {"impossible", "exactly one king", "more than 16",
                                              "pawn on the first or last rank", "no pawn has just passed",
                                              "must be empty"};
    for (const char* s : impossiveis) {
        if (erro.find(s) != std::string::npos) return POSICAO_IMPOSSIVEL;
    }
    return FEN_INVALIDA;
}

// A token as the banner can show it: short, printable ASCII.
std::string mostra(const std::string& token) {
    std::string s;
    for (std::size_t i = 0; i < token.size() && i < 10; i++) {
        char c = token[i];
        s += c > ' ' && c < 0x7f ? c : '?';
    }
    return s;
}

std::string semEspacosEmVolta(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && isEspaco(s[a])) a++;
    while (b > a && isEspaco(s[b - 1])) b--;
    return s.substr(a, b - a);
}

// The movetext of the first game, read move by move on a scratch game.
class LeitorPGN {
public:
    LeitorPGN(const std::string& texto, std::size_t inicio, std::size_t fim)
        : t(texto), i(inicio), fim(fim), jogo(nullptr) {}

    bool le(std::string* fen, std::vector<LanceJogado>* lances, std::string* mensagem);

private:
    bool leEtiqueta();
    bool preparaPosicao(std::string* mensagem);
    bool leLance(const std::string& token, std::vector<LanceJogado>* lances, std::string* mensagem);
    void pulaAte(char c) {
        while (i < fim && t[i] != c) i++;
    }

    const std::string& t;
    std::size_t i;
    std::size_t fim;
    Jogo jogo;
    bool temEtiqueta = false;
    bool temFEN = false;
    std::string fenDaEtiqueta;
    bool posicaoPronta = false;
    bool acabou = false;  // the game on the scratch board has ended
    long numero = 1;
};

bool LeitorPGN::leEtiqueta() {
    // [Name "value"], with \" and \\ escaped inside the value.
    i++;
    while (i < fim && (t[i] == ' ' || t[i] == '\t')) i++;
    std::size_t inicioDoNome = i;
    while (i < fim && (std::isalnum(static_cast<unsigned char>(t[i])) || t[i] == '_')) i++;
    std::string nome = t.substr(inicioDoNome, i - inicioDoNome);
    while (i < fim && (t[i] == ' ' || t[i] == '\t')) i++;
    if (nome.empty() || i >= fim || t[i] != '"') return false;
    i++;
    std::string valor;
    bool guarda = nome == "FEN" && !temFEN;
    for (;; i++) {
        if (i >= fim || t[i] == '\n' || t[i] == '\r') return false;
        if (t[i] == '"') break;
        if (t[i] == '\\' && i + 1 < fim) i++;
        if (guarda) valor += t[i];
    }
    i++;
    while (i < fim && (t[i] == ' ' || t[i] == '\t')) i++;
    if (i >= fim || t[i] != ']') return false;
    i++;
    temEtiqueta = true;
    if (guarda) {
        temFEN = true;
        fenDaEtiqueta = semEspacosEmVolta(valor);
    }
    return true;
}

bool LeitorPGN::preparaPosicao(std::string* mensagem) {
    if (posicaoPronta) return true;
    posicaoPronta = true;
    jogo.reinicia();
    if (temFEN) {
        std::string erro;
        if (fenDaEtiqueta.empty() || !PosicaoFEN::carrega(&jogo, fenDaEtiqueta, &erro)) {
            *mensagem = fenDaEtiqueta.empty() ? FEN_INVALIDA : mensagemDoFEN(erro);
            return false;
        }
        numero = PosicaoFEN::numeroDoLance(fenDaEtiqueta);
    }
    acabou = jogo.verificaFimDePartida(nullptr) != Jogo::EM_JOGO;
    return true;
}

bool LeitorPGN::leLance(const std::string& token, std::vector<LanceJogado>* lances, std::string* mensagem) {
    if (lances->size() >= Colagem::LANCES_MAXIMOS) {
        *mensagem = "Partida longa demais.";
        return false;
    }
    if (!preparaPosicao(mensagem)) return false;
    std::string onde = mostra(token) + " (lance " + std::to_string(numero) + ").";
    LanceJogado lance{};
    Notacao::Leitura r = Notacao::le(jogo, token, &lance);
    if (r == Notacao::MALFORMADO) {
        // Nothing of a PGN before it: the text is something else.
        *mensagem = !temEtiqueta && lances->empty() ? NAO_EH_FEN_NEM_PGN : "Lance inv\xe1lido: " + onde;
        return false;
    }
    if (acabou) {
        *mensagem = "Lance ap\xf3s o fim: " + onde;
        return false;
    }
    if (r != Notacao::LIDO) {
        *mensagem = (r == Notacao::AMBIGUO ? "Lance amb\xedguo: " : "Lance ilegal: ") + onde;
        return false;
    }
    bool pretas = jogo.isVezComputador();
    Notacao::joga(jogo, lance, Notacao::INGLES, nullptr);
    lances->push_back(lance);
    if (pretas) numero++;
    acabou = jogo.verificaFimDePartida(nullptr) != Jogo::EM_JOGO;
    return true;
}

bool LeitorPGN::le(std::string* fen, std::vector<LanceJogado>* lances, std::string* mensagem) {
    int profundidade = 0;  // of the variation being skipped
    bool inicioDeLinha = true;
    bool lanceComecou = false;  // the movetext has begun: a tag now starts the next game
    while (i < fim) {
        char c = t[i];
        if (c == '\n') {
            inicioDeLinha = true;
            i++;
            continue;
        }
        bool linha = inicioDeLinha;
        inicioDeLinha = false;
        if (isEspaco(c)) {
            i++;
        } else if (c == '%' && linha) {
            pulaAte('\n');
        } else if (c == '{') {
            pulaAte('}');
            i++;
        } else if (c == ';') {
            pulaAte('\n');
        } else if (c == '(') {
            profundidade++;
            lanceComecou = true;
            i++;
        } else if (c == ')') {
            if (profundidade > 0) profundidade--;
            i++;
        } else if (profundidade > 0) {
            i++;
        } else if (c == '[') {
            if (lanceComecou) break;
            if (!leEtiqueta()) {
                *mensagem = PGN_INVALIDO;
                return false;
            }
        } else if (c == '$') {
            for (i++; i < fim && t[i] >= '0' && t[i] <= '9';) i++;
            lanceComecou = true;
        } else if (c == '.') {
            i++;
        } else if (c == '*') {
            break;
        } else {
            std::size_t j = i;
            while (j < fim && !isEspaco(t[j]) && std::strchr("{}()[];$.*", t[j]) == nullptr) j++;
            if (j == i) j++;  // a stray "}" or "]" is a token of its own
            std::string token = t.substr(i, j - i);
            i = j;
            lanceComecou = true;
            if (token.find_first_not_of("0123456789") == std::string::npos) continue;  // a move number
            if (token == "1-0" || token == "0-1" || token == "1/2-1/2") break;
            if (!leLance(token, lances, mensagem)) return false;
        }
    }
    if (!temEtiqueta && lances->empty()) {
        *mensagem = NAO_EH_FEN_NEM_PGN;
        return false;
    }
    if (!preparaPosicao(mensagem)) return false;
    *fen = temFEN ? fenDaEtiqueta : std::string();
    return true;
}

}  // namespace

Colagem::Colagem() : pgn(false) {}

bool Colagem::le(const std::string& texto, std::string* mensagem) {
    fenInicial.clear();
    lances.clear();
    pgn = false;
    std::string msg;
    bool aceito = false;
    std::string fen;
    std::vector<LanceJogado> lidos;

    std::size_t a = 0, b = texto.size();
    if (texto.compare(0, 3, "\xef\xbb\xbf") == 0) a = 3;  // a byte order mark
    while (a < b && isEspaco(texto[a])) a++;
    while (b > a && isEspaco(texto[b - 1])) b--;
    std::size_t fimDoPrimeiro = a;
    while (fimDoPrimeiro < b && !isEspaco(texto[fimDoPrimeiro])) fimDoPrimeiro++;
    std::string primeiro = texto.substr(a, std::min<std::size_t>(fimDoPrimeiro - a, 100));

    if (texto.size() > BYTES_MAXIMOS) {
        msg = "Texto longo demais.";
    } else if (a == b) {
        msg = NAO_EH_FEN_NEM_PGN;
    } else if (texto[a] != '[' && primeiro.find('/') != std::string::npos && primeiro != "1/2-1/2") {
        fen = texto.substr(a, b - a);
        Jogo jogo(nullptr);
        std::string erro;
        if (fen.find_first_of("\r\n") != std::string::npos) {
            msg = FEN_INVALIDA;
        } else if (!PosicaoFEN::carrega(&jogo, fen, &erro)) {
            msg = mensagemDoFEN(erro);
        } else {
            aceito = true;
        }
    } else {
        LeitorPGN leitor(texto, a, b);
        aceito = leitor.le(&fen, &lidos, &msg);
        pgn = aceito;
    }
    if (!aceito) {
        if (mensagem != nullptr) *mensagem = msg;
        return false;
    }
    fenInicial = fen;
    lances = lidos;
    return true;
}

bool Colagem::aplica(Jogo* jogo) const {
    if (fenInicial.empty()) {
        jogo->reinicia();
    } else if (!PosicaoFEN::carrega(jogo, fenInicial, nullptr)) {
        return false;
    }
    for (const LanceJogado& l : lances) {
        if (!Notacao::joga(*jogo, l, Notacao::INGLES, nullptr)) return false;
    }
    return true;
}
