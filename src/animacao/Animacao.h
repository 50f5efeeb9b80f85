#ifndef ANIMACAO_ANIMACAO_H
#define ANIMACAO_ANIMACAO_H

class Jogada;
class Jogo;
class Movimento;
class Peca;
class PecaAnim;

// Turns a move into its slides and advances them a fixed step per call.
// Runs on the game thread, under the lock the tick already holds.
class Animacao {
public:
    explicit Animacao(Jogo* jogo);
    ~Animacao();

    Animacao(const Animacao&) = delete;
    Animacao& operator=(const Animacao&) = delete;

    // A new description of peca making jogada; the caller owns it.
    Movimento* criaMovimentos(Jogada* jogada, Peca* peca);
    // One step of passo pixels on one slide; true once the move has finished.
    bool move(Movimento* movimento, int passo);

private:
    Jogo* jogo;
    PecaAnim* pecaAnim;
};

#endif
