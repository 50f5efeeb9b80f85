#include <SDL.h>

#include "app/Sistema.h"

// Built before anything else runs; constructors do no SDL work.
Sistema* sistema = new Sistema();

int execJogo(void* arg) {
    sistema->execJogo(arg);
    return 0;
}

int SDL_main(int, char**) {
    static char nome[] = "Thread 0";
    SDL_Thread* jogo = SDL_CreateThread(execJogo, "jogo", nome);
    sistema->execGUI();
    if (jogo != nullptr) {
        SDL_WaitThread(jogo, nullptr);
    }
    return sistema->getGUI()->isFalhou() ? 1 : 0;
}

int main(int argc, char** argv) { return SDL_main(argc, argv); }
