#ifndef ALGORITMO_TABELATRANSPOSICAO_H
#define ALGORITMO_TABELATRANSPOSICAO_H

#include <cstddef>
#include <cstdint>
#include <vector>

// What the search learnt about positions it met, kept in a table of fixed
// size: per position its best move, a value with the kind of bound it is,
// the depth it was searched to and the static evaluation. Two entries per
// slot: one kept for depth, one always replaced.
class TabelaTransposicao {
public:
    static constexpr int EXATO = 3;
    static constexpr int INFERIOR = 1;  // the value is at least this
    static constexpr int SUPERIOR = 2;  // the value is at most this

    struct Entrada {
        std::uint32_t verificacao;
        std::uint16_t lance;
        std::int16_t valor;
        std::int16_t avaliacao;
        std::uint8_t profundidade;
        std::uint8_t limiteIdade;  // bound in the low two bits, age above
    };

    // megabytes: the table's size, at least 1.
    explicit TabelaTransposicao(std::size_t megabytes);

    void limpa();
    // A new search: older entries give way first.
    void envelhece() { idade = static_cast<std::uint8_t>((idade + 1) & 63); }

    // The entry of this key, or null.
    const Entrada* procura(std::uint64_t chave) const;
    void guarda(std::uint64_t chave, std::uint16_t lance, int valor, int avaliacao, int profundidade, int limite);

    std::size_t getBytes() const { return slots.size() * sizeof(Slot); }

private:
    struct Slot {
        Entrada e[2];
    };
    std::vector<Slot> slots;
    std::uint64_t mascara;
    std::uint8_t idade;
};

#endif
