#ifndef ALGORITMO_RELOGIO_H
#define ALGORITMO_RELOGIO_H

#include <ctime>

// The one source of the seconds that seed the computer player's random
// draws. Tests and the position tool fix it, so that a choice can be
// reproduced exactly; by default it is the system clock.
class Relogio {
public:
    typedef std::time_t (*Fonte)();

    // Current time in seconds, from the source in force.
    static std::time_t agora();
    // srand with agora().
    static void semeia();

    // Every reading answers segundos until solta() is called.
    static void fixa(std::time_t segundos);
    // Readings come from fonte (nullptr: the system clock).
    static void setFonte(Fonte fonte);
    // Back to the system clock.
    static void solta();
};

#endif
