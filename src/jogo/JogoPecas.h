#ifndef JOGO_JOGOPECAS_H
#define JOGO_JOGOPECAS_H

#include "jogo/Pecas.h"

class Jogo;

// A detached copy of a position, built for one question and deleted after it.
class JogoPecas : public Pecas {
public:
    explicit JogoPecas(Jogo* jogo);
    ~JogoPecas() override;

    void setPecas(Peca** jogador, Peca** computador);

    Peca* getJogadorPeca(int i) override;
    Peca* getComputadorPeca(int i) override;
    Peca* getJogadorPeca(int x, int y) override;
    Peca* getComputadorPeca(int x, int y) override;
    Peca* getPeca(int x, int y) override;
    Peca** getJogadorPecas() override;
    Peca** getComputadorPecas() override;
    void deleta_pecas() override;

private:
    Peca* jogadorPecas[16];
    Peca* computadorPecas[16];
    Jogo* jogo;
};

#endif
