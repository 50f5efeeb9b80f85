#ifndef JOGO_PECAJOGADAPARAMS_H
#define JOGO_PECAJOGADAPARAMS_H

class Jogo;
class JogadaLista;
class Pecas;

// The arguments of one move generator call.
class PecaJogadaParams {
public:
    PecaJogadaParams(Jogo* jogo, JogadaLista* jogadas, Pecas* pecas, int posX, int posY,
                     bool isComp, bool isIncluirRoque)
        : jogo(jogo),
          jogadas(jogadas),
          posX(posX),
          posY(posY),
          isComp(isComp),
          isIncluirRoque(isIncluirRoque),
          pecas(pecas) {}

    Jogo* getJogo() const { return jogo; }
    JogadaLista* getJogadas() const { return jogadas; }
    int getPosX() const { return posX; }
    int getPosY() const { return posY; }
    bool getIsComp() const { return isComp; }
    // True leaves castling out.
    bool getIsIncluirRoque() const { return isIncluirRoque; }
    Pecas* getPecas() const { return pecas; }

private:
    Jogo* jogo;
    JogadaLista* jogadas;
    int posX;
    int posY;
    bool isComp;
    bool isIncluirRoque;
    Pecas* pecas;
};

#endif
