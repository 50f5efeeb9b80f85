#ifndef GUI_TELA_H
#define GUI_TELA_H

class JogoDriver;

// Board squares to window pixels; recomputed from the driver at every call,
// so the board follows the panel height without being told.
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

private:
    JogoDriver* jogoDriver;
};

#endif
