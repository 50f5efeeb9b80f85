#ifndef JOGO_JOGADALISTA_H
#define JOGO_JOGADALISTA_H

class Jogada;
class Peca;

// Fixed-capacity list of moves in the order they were appended; owns them.
class JogadaLista {
public:
    static constexpr int CAPACIDADE = 200;

    JogadaLista();
    ~JogadaLista();

    void addJogada(int x, int y, Peca* captura);
    void addJogada(Jogada* jogada);
    int getTam() const { return tam; }
    Jogada* getJogada(int i) const { return jogadas[i]; }
    void deletaTodasAsJogadas();
    void copiaPara(JogadaLista* destino);

    JogadaLista(const JogadaLista&) = delete;
    JogadaLista& operator=(const JogadaLista&) = delete;

private:
    Jogada* jogadas[CAPACIDADE];
    int tam;
};

#endif
