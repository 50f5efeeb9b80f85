#ifndef JOGO_PECAMOV_H
#define JOGO_PECAMOV_H

// A move that has been made: where the piece left and where it arrived.
class PecaMov {
public:
    PecaMov(int x1, int y1, int x2, int y2, bool deComp)
        : x1(x1), y1(y1), x2(x2), y2(y2), deComp(deComp) {}

    int getX1() const { return x1; }
    int getY1() const { return y1; }
    int getX2() const { return x2; }
    int getY2() const { return y2; }
    bool isDeComp() const { return deComp; }

private:
    int x1;
    int y1;
    int x2;
    int y2;
    bool deComp;
};

#endif
