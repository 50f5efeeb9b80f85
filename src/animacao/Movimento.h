#ifndef ANIMACAO_MOVIMENTO_H
#define ANIMACAO_MOVIMENTO_H

class Jogada;
class MovimentoSimples;

// A move to animate as one or two straight slides. The slides belong to it;
// the move and the pieces do not.
class Movimento {
public:
    explicit Movimento(Jogada* jogada);
    ~Movimento();

    Movimento(const Movimento&) = delete;
    Movimento& operator=(const Movimento&) = delete;

    Jogada* getJogada() const { return jogada; }
    MovimentoSimples* getMovimento1() const { return movimento1; }
    MovimentoSimples* getMovimento2() const { return movimento2; }
    // Setting a slide frees the one it replaces.
    void setMovimento1(MovimentoSimples* m);
    void setMovimento2(MovimentoSimples* m);

    // A two-slide move is finished only when its second slide is.
    bool isMoveu() const;

private:
    Jogada* jogada;
    MovimentoSimples* movimento1;
    MovimentoSimples* movimento2;
};

#endif
