#ifndef JOGO_LANCEJOGADO_H
#define JOGO_LANCEJOGADO_H

// A move of the game's record: the square its piece left and the one it
// reached (x the column from the left, y the row from the top, black's back
// row 0), and the type a pawn became on the far row (0 for any other move).
struct LanceJogado {
    int deX;
    int deY;
    int paraX;
    int paraY;
    int promocao;

    bool operator==(const LanceJogado& o) const {
        return deX == o.deX && deY == o.deY && paraX == o.paraX && paraY == o.paraY &&
               promocao == o.promocao;
    }
};

#endif
