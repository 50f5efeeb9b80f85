// The golden record: every choice of the computer player, made once with
// fixed seeds and kept in escolhas.txt, must come out the same.
#include "ApoioAlgoritmo.h"

#include <fstream>
#include <sstream>

namespace {

struct Registro {
    std::string fen;
    int nivel;
    long semente;
    std::string lance;
};

std::string apara(const std::string& s) {
    size_t a = s.find_first_not_of(' ');
    size_t b = s.find_last_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::vector<Registro> le() {
    std::vector<Registro> r;
    std::ifstream in(ESCOLHAS_ARQUIVO);
    EXPECT_TRUE(in.good()) << "cannot read " << ESCOLHAS_ARQUIVO;
    std::string linha;
    while (std::getline(in, linha)) {
        if (linha.empty() || linha[0] == '#') continue;
        std::vector<std::string> campos;
        std::istringstream partes(linha);
        std::string campo;
        while (std::getline(partes, campo, '|')) campos.push_back(apara(campo));
        EXPECT_EQ(4u, campos.size()) << linha;
        if (campos.size() != 4) continue;
        r.push_back({campos[0], std::stoi(campos[1]), std::stol(campos[2]), campos[3]});
    }
    return r;
}

void confere(int nivel) {
    int conferidos = 0;
    for (const Registro& reg : le()) {
        if (reg.nivel != nivel) continue;
        Escolha e = escolhe(reg.fen, reg.nivel, reg.semente);
        EXPECT_EQ(reg.lance, e.lance) << "position " << reg.fen << ", level " << reg.nivel << ", seed "
                                      << reg.semente << ": recorded " << reg.lance << ", chosen "
                                      << e.lance;
        conferidos++;
    }
    EXPECT_GE(conferidos, 40);
}

TEST(Registro, Facil) { confere(2); }
TEST(Registro, Normal) { confere(3); }
TEST(Registro, Dificil) { confere(4); }

}  // namespace
