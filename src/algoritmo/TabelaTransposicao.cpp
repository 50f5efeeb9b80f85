#include "algoritmo/TabelaTransposicao.h"

#include <cstring>

TabelaTransposicao::TabelaTransposicao(std::size_t megabytes) : mascara(0), idade(0) {
    if (megabytes < 1) megabytes = 1;
    // The largest power of two of slots that fits.
    std::size_t n = 1;
    while (n * 2 * sizeof(Slot) <= megabytes * 1024 * 1024) n *= 2;
    slots.resize(n);
    mascara = n - 1;
    limpa();
}

void TabelaTransposicao::limpa() {
    std::memset(static_cast<void*>(slots.data()), 0, slots.size() * sizeof(Slot));
    idade = 0;
}

const TabelaTransposicao::Entrada* TabelaTransposicao::procura(std::uint64_t chave) const {
    const Slot& s = slots[chave & mascara];
    std::uint32_t v = static_cast<std::uint32_t>(chave >> 32);
    for (const Entrada& e : s.e) {
        if (e.verificacao == v && (e.limiteIdade & 3) != 0) return &e;
    }
    return nullptr;
}

void TabelaTransposicao::guarda(std::uint64_t chave, std::uint16_t lance, int valor, int avaliacao, int profundidade,
                                int limite) {
    Slot& s = slots[chave & mascara];
    std::uint32_t v = static_cast<std::uint32_t>(chave >> 32);
    if (profundidade < 0) profundidade = 0;
    // The deep entry is kept while it is deeper and of this search;
    // otherwise the other one takes the news.
    Entrada* alvo = &s.e[1];
    Entrada& funda = s.e[0];
    if (funda.verificacao == v || (funda.limiteIdade & 3) == 0 || (funda.limiteIdade >> 2) != idade ||
        profundidade >= funda.profundidade) {
        alvo = &funda;
    }
    // A move already known is not forgotten by a result without one.
    if (lance == 0 && alvo->verificacao == v) lance = alvo->lance;
    alvo->verificacao = v;
    alvo->lance = lance;
    alvo->valor = static_cast<std::int16_t>(valor);
    alvo->avaliacao = static_cast<std::int16_t>(avaliacao);
    alvo->profundidade = static_cast<std::uint8_t>(profundidade);
    alvo->limiteIdade = static_cast<std::uint8_t>(limite | (idade << 2));
}
