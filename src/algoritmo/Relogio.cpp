#include "algoritmo/Relogio.h"

#include <atomic>
#include <cstdlib>

namespace {

std::time_t relogioDoSistema() { return std::time(nullptr); }

// The game thread reads while a test or the tool may have set it up from
// another thread, hence atomics.
std::atomic<Relogio::Fonte> fonteAtual{relogioDoSistema};
std::atomic<bool> fixado{false};
std::atomic<long long> segundosFixos{0};

}  // namespace

std::time_t Relogio::agora() {
    if (fixado) {
        return static_cast<std::time_t>(segundosFixos.load());
    }
    return fonteAtual.load()();
}

void Relogio::semeia() { std::srand(static_cast<unsigned>(agora())); }

void Relogio::fixa(std::time_t segundos) {
    segundosFixos = static_cast<long long>(segundos);
    fixado = true;
}

void Relogio::setFonte(Fonte fonte) {
    fonteAtual = fonte != nullptr ? fonte : relogioDoSistema;
    fixado = false;
}

void Relogio::solta() { setFonte(nullptr); }
