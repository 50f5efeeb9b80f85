#ifndef GUI_TELA_H
#define GUI_TELA_H

#include <atomic>

class JogoDriver;

// Board squares to window pixels; recomputed from the driver at every call,
// so the board follows the panel height without being told. Turned, the
// board is seen from black's side (h8 at the bottom left); the squares
// themselves keep their numbers.
class Tela {
public:
    explicit Tela(JogoDriver* jogoDriver);

    int getCelulaDIM();
    int getTabuleiroDIM();
    int getTabuleiroX();
    int getTabuleiroY();
    int getCelulaX(int i);
    int getCelulaY(int j);
    int getX(int i);
    int getY(int j);
    // The square under window point (x, y); false off the board.
    bool getCasaEm(int x, int y, int* i, int* j);

    bool isGirado() const { return girado; }
    void setGirado(bool g) { girado = g; }

private:
    JogoDriver* jogoDriver;
    std::atomic<bool> girado;
};

#endif
