#ifndef ALGORITMO_ALGORITMOGERENCIADOR_H
#define ALGORITMO_ALGORITMOGERENCIADOR_H

class Algoritmo;
class Jogada;
class Jogo;

// How the rest of the system reaches the computer player.
class AlgoritmoGerenciador {
public:
    explicit AlgoritmoGerenciador(Jogo* jogo);
    virtual ~AlgoritmoGerenciador();

    bool calculaMelhorJogada(int* x, int* y, Jogada** jogada, bool isComp);

    Algoritmo* getAlgoritmo() { return algoritmo; }

    AlgoritmoGerenciador(const AlgoritmoGerenciador&) = delete;
    AlgoritmoGerenciador& operator=(const AlgoritmoGerenciador&) = delete;

private:
    Jogo* jogo;
    Algoritmo* algoritmo;
};

#endif
