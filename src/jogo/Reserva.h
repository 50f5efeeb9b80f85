#ifndef JOGO_RESERVA_H
#define JOGO_RESERVA_H

#include <cstddef>
#include <new>

// Recycles the memory of small objects that the rules and the search create
// and delete by the million (pieces, moves, tree nodes). Each thread keeps
// its own list of free blocks of one size; a block freed on another thread
// simply joins that thread's list. Other sizes (subclasses) go to the heap.
// Under AddressSanitizer every block goes to the heap, so that misuse of a
// freed object is still reported.
template <std::size_t Tamanho>
class Reserva {
public:
    static void* pega(std::size_t n) {
#ifndef XADREZ_SEM_RESERVA
        if (n == Tamanho) {
            Lista& l = lista();
            if (l.topo != nullptr) {
                Bloco* b = l.topo;
                l.topo = b->proximo;
                return b;
            }
        }
#endif
        return ::operator new(n < sizeof(Bloco) ? sizeof(Bloco) : n);
    }

    static void solta(void* p, std::size_t n) {
        if (p == nullptr) return;
#ifndef XADREZ_SEM_RESERVA
        if (n == Tamanho) {
            Lista& l = lista();
            Bloco* b = static_cast<Bloco*>(p);
            b->proximo = l.topo;
            l.topo = b;
            return;
        }
#endif
        (void)n;
        ::operator delete(p);
    }

private:
    struct Bloco {
        Bloco* proximo;
    };
    static_assert(Tamanho >= sizeof(Bloco), "a block must hold the free list link");

    struct Lista {
        Bloco* topo = nullptr;
        ~Lista() {
            while (topo != nullptr) {
                Bloco* b = topo;
                topo = b->proximo;
                ::operator delete(b);
            }
        }
    };

    static Lista& lista() {
        thread_local Lista l;
        return l;
    }
};

#endif
