#ifndef ANIMACAO_MOVIMENTOSIMPLES_H
#define ANIMACAO_MOVIMENTOSIMPLES_H

class Peca;

// One straight slide of a piece from one square to another.
class MovimentoSimples {
public:
    // peca may be a copy of the live piece; it is only used for its square.
    MovimentoSimples(Peca* peca, int posX1, int posY1, int posX2, int posY2);

    Peca* getPeca() const { return peca; }
    int getPosX1() const { return posX1; }
    int getPosY1() const { return posY1; }
    int getPosX2() const { return posX2; }
    int getPosY2() const { return posY2; }
    int getRaio() const { return raio; }
    void setRaio(int r) { raio = r; }
    bool isMoveu() const { return moveu; }
    void setMoveu(bool m) { moveu = m; }

private:
    Peca* peca;
    int posX1;
    int posY1;
    int posX2;
    int posY2;
    int raio;
    bool moveu;
};

#endif
