#include "uci/LeitorComandos.h"

#include <streambuf>

namespace {

const char* const COMANDOS[] = {"uci",        "debug", "isready", "setoption", "register", "ucinewgame",
                                "position",   "go",    "stop",    "ponderhit", "quit"};

bool isSeparador(unsigned char c) { return c <= ' ' || c == 0x7f; }

bool isComando(const std::string& palavra) {
    for (const char* c : COMANDOS) {
        if (palavra == c) return true;
    }
    return false;
}

}  // namespace

bool LeitorComandos::leLinha(std::istream& entrada, std::string* linha, bool* longa) {
    linha->clear();
    *longa = false;
    std::streambuf* buf = entrada.rdbuf();
    if (buf == nullptr) return false;
    bool leuAlgo = false;
    for (;;) {
        int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            entrada.setstate(std::ios::eofbit);
            return leuAlgo;
        }
        leuAlgo = true;
        if (c == '\n') return true;
        if (linha->size() < LINHA_MAXIMA) {
            linha->push_back(static_cast<char>(c));
        } else {
            *longa = true;
        }
    }
}

std::vector<std::string> LeitorComandos::separa(const std::string& linha) {
    std::vector<std::string> tokens;
    std::string atual;
    for (char c : linha) {
        if (isSeparador(static_cast<unsigned char>(c))) {
            if (!atual.empty()) {
                tokens.push_back(atual);
                atual.clear();
            }
        } else {
            atual.push_back(c);
        }
    }
    if (!atual.empty()) tokens.push_back(atual);
    return tokens;
}

LeitorComandos::Comando LeitorComandos::interpreta(const std::string& linha) {
    Comando comando;
    std::vector<std::string> tokens = separa(linha);
    for (std::size_t i = 0; i < tokens.size(); i++) {
        if (isComando(tokens[i])) {
            comando.nome = tokens[i];
            comando.args.assign(tokens.begin() + static_cast<long>(i) + 1, tokens.end());
            break;
        }
    }
    return comando;
}

std::string LeitorComandos::mostra(const std::string& texto) {
    const std::size_t maximo = 40;
    std::string s;
    for (std::size_t i = 0; i < texto.size() && i < maximo; i++) {
        unsigned char c = static_cast<unsigned char>(texto[i]);
        s.push_back(c > ' ' && c < 0x7f ? static_cast<char>(c) : '?');
    }
    if (texto.size() > maximo) s += "...";
    return s;
}
