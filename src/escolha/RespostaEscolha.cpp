#include "escolha/RespostaEscolha.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {
const char* const CABECALHO = "xadrez-resposta 1\n";
}  // namespace

void RespostaEscolha::escreveNumeros(std::string& s, std::initializer_list<long> numeros) {
    for (long n : numeros) {
        s += std::to_string(n);
        s += ' ';
    }
}

void RespostaEscolha::escreveMemoria(std::string& s, const Jogo::MemoriaComputador& m) {
    escreveNumeros(s, {m.repetidaCont[0], m.repetidaCont[1]});
    for (const auto& lado : m.jogadaCont) {
        for (int n : lado) escreveNumeros(s, {n});
    }
}

// Whitespace, then a whole number that fits an int.
bool RespostaEscolha::leNumero(const char** c, long* n) {
    char* fim = nullptr;
    errno = 0;
    *n = std::strtol(*c, &fim, 10);
    if (fim == *c || errno != 0 || *n < INT_MIN || *n > INT_MAX) return false;
    *c = fim;
    return true;
}

bool RespostaEscolha::leMemoria(const char** c, Jogo::MemoriaComputador* m) {
    long n = 0;
    for (int& v : m->repetidaCont) {
        if (!leNumero(c, &n)) return false;
        v = static_cast<int>(n);
    }
    for (auto& lado : m->jogadaCont) {
        for (int& v : lado) {
            if (!leNumero(c, &n)) return false;
            v = static_cast<int>(n);
        }
    }
    return true;
}

bool RespostaEscolha::isFim(const char* c) {
    while (*c == ' ' || *c == '\n') c++;
    return *c == '\0';
}

std::string RespostaEscolha::codifica() const {
    std::string s = CABECALHO;
    escreveNumeros(s, {id, achou, deX, deY, paraX, paraY, promocao});
    escreveMemoria(s, memoria);
    return s;
}

bool RespostaEscolha::decodifica(const std::string& texto, RespostaEscolha* r) {
    std::string cabecalho = CABECALHO;
    if (texto.compare(0, cabecalho.size(), cabecalho) != 0) return false;
    const char* c = texto.c_str() + cabecalho.size();
    long v[7];
    for (long& n : v) {
        if (!leNumero(&c, &n)) return false;
    }
    for (int i = 2; i < 6; i++) {
        if (v[i] < 0 || v[i] > 7) return false;
    }
    r->id = v[0];
    r->achou = v[1] != 0;
    r->deX = static_cast<int>(v[2]);
    r->deY = static_cast<int>(v[3]);
    r->paraX = static_cast<int>(v[4]);
    r->paraY = static_cast<int>(v[5]);
    r->promocao = static_cast<int>(v[6]);
    return leMemoria(&c, &r->memoria) && isFim(c);
}
