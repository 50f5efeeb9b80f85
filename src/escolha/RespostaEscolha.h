#ifndef ESCOLHA_RESPOSTAESCOLHA_H
#define ESCOLHA_RESPOSTAESCOLHA_H

#include <initializer_list>
#include <string>

#include "jogo/Jogo.h"

// The answer to a PedidoEscolha: the move chosen (squares as the game
// numbers them, the piece a pawn becomes, 0 for none) and the computer
// player's memory after the choice, which the original levels change as
// they choose. Sent as text.
class RespostaEscolha {
public:
    std::string codifica() const;
    // False, leaving *resposta undefined, on a text codifica did not write.
    static bool decodifica(const std::string& texto, RespostaEscolha* resposta);

    // The text of both: whole numbers, each followed by a space, read back
    // from *c on (leading whitespace skipped) as long as they fit an int;
    // isFim: nothing but whitespace is left.
    static void escreveNumeros(std::string& s, std::initializer_list<long> numeros);
    static void escreveMemoria(std::string& s, const Jogo::MemoriaComputador& m);
    static bool leNumero(const char** c, long* n);
    static bool leMemoria(const char** c, Jogo::MemoriaComputador* m);
    static bool isFim(const char* c);

    long id = 0;
    bool achou = false;
    int deX = 0, deY = 0, paraX = 0, paraY = 0;
    int promocao = 0;
    Jogo::MemoriaComputador memoria{};
};

#endif
