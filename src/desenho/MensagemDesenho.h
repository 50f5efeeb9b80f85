#ifndef DESENHO_MENSAGEMDESENHO_H
#define DESENHO_MENSAGEMDESENHO_H

#include <mutex>
#include <string>

struct SDL_Renderer;
class GUI;
class Jogo;

// The banner over the board. The text is set from both threads, so it is
// kept behind its own lock and the frame draws a copy.
class MensagemDesenho {
public:
    MensagemDesenho();

    void setMensagem(std::string texto);
    void removeMensagem();
    std::string getMensagem() const;
    void desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer);

    int getMargem() const { return margem; }

private:
    int margem;
    std::string mensagem;
    mutable std::mutex trava;
};

#endif
