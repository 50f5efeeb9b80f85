#ifndef JOGO_PECAS_H
#define JOGO_PECAS_H

class Peca;

// Read access to a position: the live game or a detached copy.
class Pecas {
public:
    virtual ~Pecas() {}
    virtual Peca* getJogadorPeca(int i) = 0;
    virtual Peca* getComputadorPeca(int i) = 0;
    virtual Peca* getJogadorPeca(int x, int y) = 0;
    virtual Peca* getComputadorPeca(int x, int y) = 0;
    virtual Peca* getPeca(int x, int y) = 0;
    virtual Peca** getJogadorPecas() = 0;
    virtual Peca** getComputadorPecas() = 0;
    virtual void deleta_pecas() = 0;
};

#endif
