#ifndef JOGO_RESERVA_H
#define JOGO_RESERVA_H

#include <pthread.h>

#include <cstddef>
#include <new>

// Recycles the memory of small objects that the rules and the search create
// and delete by the million (pieces, moves, tree nodes). Each thread keeps
// its own list of free blocks of one size; a block freed on another thread
// simply joins that thread's list. Other sizes (subclasses) go to the heap.
// A thread's free blocks go back to the heap when it ends. Under
// AddressSanitizer every block goes to the heap, so that misuse of a freed
// object is still reported.
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
    };

    // The list lives on the heap and is freed by a thread-exit hook that is
    // handed the list itself: a thread_local with a destructor is not safe
    // where thread storage is emulated (mingw), which frees that storage
    // before such destructors run, so one would walk freed memory and never
    // end. The thread_local here is a plain pointer with nothing to destroy.
    static Lista& lista() {
        thread_local Lista* l = nullptr;
        if (l == nullptr) l = novaLista();
        return *l;
    }

    static Lista* novaLista() {
        static const pthread_key_t chave = criaChave();
        Lista* l = new Lista;
        pthread_setspecific(chave, l);
        return l;
    }

    static pthread_key_t criaChave() {
        pthread_key_t chave;
        if (pthread_key_create(&chave, &devolve) != 0) throw std::bad_alloc();
        return chave;
    }

    // Not run for the main thread: its blocks go with the process.
    static void devolve(void* p) {
        Lista* l = static_cast<Lista*>(p);
        while (l->topo != nullptr) {
            Bloco* b = l->topo;
            l->topo = b->proximo;
            ::operator delete(b);
        }
        delete l;
    }
};

#endif
