// The benchmarks' positions: one FEN a line of bench/posicoes.txt (shared
// with escolhas.sh), lines starting with '#' left out.
#ifndef BENCH_LEPOSICOES_H
#define BENCH_LEPOSICOES_H

#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::string> lePosicoes() {
    std::vector<std::string> posicoes;
    std::ifstream arquivo(POSICOES_ARQUIVO);
    std::string linha;
    while (std::getline(arquivo, linha)) {
        if (!linha.empty() && linha[0] != '#') posicoes.push_back(linha);
    }
    return posicoes;
}

#endif
