#ifndef ALGORITMO_POSICAOBUSCA_H
#define ALGORITMO_POSICAOBUSCA_H

#include <cstdint>
#include <vector>

#include "jogo/Posicao.h"

// The stronger levels' own position: one byte per square plus a set of
// squares (bit y * 8 + x, row 0 at the top, black's back row) per side and
// piece, so that a move is made and taken back in a few steps and attacks
// are answered with a handful of bit operations. Squares are numbered as
// the game numbers them; white is the player's side (0), black the
// computer's (1). It obeys the game's rules: castling while the king and
// that rook have never moved, en passant only as the answer to the double
// step, promotion to any piece.
class PosicaoBusca {
public:
    // Piece types, without the side.
    static constexpr int PEAO = 1;
    static constexpr int CAVALO = 2;
    static constexpr int BISPO = 3;
    static constexpr int TORRE = 4;
    static constexpr int RAINHA = 5;
    static constexpr int REI = 6;
    static constexpr int BRANCAS = 0;
    static constexpr int PRETAS = 1;

    // A move in 16 bits: origin (6), target (6), kind (4). Kinds with bit 2
    // capture; with bit 3 promote, the low two bits giving the piece
    // (knight, bishop, rook, queen).
    typedef std::uint16_t Lance;
    static constexpr int QUIETO = 0;
    static constexpr int AVANCO_DUPLO = 1;
    static constexpr int ROQUE_REI = 2;
    static constexpr int ROQUE_DAMA = 3;
    static constexpr int CAPTURA = 4;
    static constexpr int EN_PASSANT = 5;
    static constexpr int PROMOCAO = 8;
    static constexpr int PROMOCAO_CAPTURA = 12;
    static constexpr Lance NENHUM = 0;

    static Lance criaLance(int de, int para, int especie) {
        return static_cast<Lance>(de | (para << 6) | (especie << 12));
    }
    static int origem(Lance l) { return l & 63; }
    static int destino(Lance l) { return (l >> 6) & 63; }
    static int especie(Lance l) { return l >> 12; }
    static bool isCaptura(Lance l) { return (especie(l) & 4) != 0; }
    static bool isPromocao(Lance l) { return (especie(l) & 8) != 0; }
    // The piece a promotion makes, 0 for other moves.
    static int promoveA(Lance l) { return isPromocao(l) ? CAVALO + (especie(l) & 3) : 0; }

    // Room for the moves of one position (the most known is 218).
    static constexpr int MAXIMO_LANCES = 256;
    // Plies a search may go down from the root, and positions of the game
    // before it that repetition looks at.
    static constexpr int MAXIMO_PLIES = 128;
    static constexpr int MAXIMO_HISTORICO = 512;

    PosicaoBusca();

    // The position the game shows: posicao as Jogo::getPosicao() reads it,
    // the plies since the last capture or pawn move, and the positions since
    // then (Jogo's record, the current one last, may be empty).
    void carrega(const Posicao& posicao, int lancesSemCaptura, const std::vector<Posicao>& historico);
    // The game's start position.
    void carregaInicial();

    int getVez() const { return vez; }
    int getPeca(int casa) const { return casas[casa]; }
    static int tipoDe(int peca) { return peca & 7; }
    static int corDe(int peca) { return peca >> 3; }
    std::uint64_t getPecas(int cor, int tipo) const { return pecas[cor][tipo]; }
    std::uint64_t getCor(int cor) const { return cores[cor]; }
    std::uint64_t getOcupadas() const { return cores[0] | cores[1]; }
    int getCasaDoRei(int cor) const { return __builtin_ctzll(pecas[cor][REI]); }
    int getRoques() const { return roques; }
    int getEnPassant() const { return enPassant; }
    int getLancesSemCaptura() const { return lancesSemCaptura; }
    std::uint64_t getChave() const { return chave; }
    // Plies made since the position was loaded.
    int getAltura() const { return altura; }

    // Pseudo-legal moves (the mover's king may be left attacked; faz()
    // then reports it). capturas: only captures and promotions to a queen.
    int geraLances(Lance* lista, bool soCapturas) const;
    // Only the legal ones (for the root, perft and tests).
    int geraLegais(Lance* lista);

    // Makes the move; false when it left the mover's king attacked, in
    // which case it must still be taken back with desfaz().
    bool faz(Lance l);
    void desfaz(Lance l);
    // Passes the turn (null move) and takes the pass back.
    void fazNulo();
    void desfazNulo();

    bool isEmXeque() const { return isAtacada(getCasaDoRei(vez), vez ^ 1, getOcupadas()); }
    bool isAtacada(int casa, int porCor, std::uint64_t ocupadas) const;
    // Every piece of either side that attacks casa through ocupadas.
    std::uint64_t atacantes(int casa, std::uint64_t ocupadas) const;
    // Material exchange on the target square of a capture, in centipawns
    // by the simple values, from the mover's side.
    int troca(Lance l) const;

    // The position arose before, since the last irreversible move, in the
    // game or along the line searched.
    bool isRepeticao() const;
    // Neither side can mate, as the game rules it.
    bool isMaterialInsuficiente() const;
    bool temPecasAlemDePeoes(int cor) const {
        return (cores[cor] & ~pecas[cor][PEAO] & ~pecas[cor][REI]) != 0;
    }

    // Attack sets.
    static std::uint64_t ataquesCavalo(int casa);
    static std::uint64_t ataquesRei(int casa);
    static std::uint64_t ataquesPeao(int cor, int casa);
    static std::uint64_t ataquesBispo(int casa, std::uint64_t ocupadas);
    static std::uint64_t ataquesTorre(int casa, std::uint64_t ocupadas);

    // The key of a position of the game's record, as getChave() would give.
    static std::uint64_t chaveDe(const Posicao& posicao);

    // Leaf count of the legal tree; promocoesComoUma counts a pawn reaching
    // the far row as one move, as the game lists it.
    long long perft(int profundidade, bool promocoesComoUma);

    static const int VALOR_TROCA[7];

private:
    struct Estado {
        std::uint64_t chave;
        int capturada;
        int roques;
        int enPassant;
        int lancesSemCaptura;
    };

    void limpa();
    void poe(int casa, int peca);
    void tira(int casa);
    void calculaChave();
    // After a double step to casa: the en passant square, if a capture
    // there would be legal for the side now to move.
    void marcaEnPassant(int casaDoPeao, int atravessada);
    Estado& guardaEstado();

    int casas[64];
    std::uint64_t pecas[2][8];
    std::uint64_t cores[2];
    int vez;
    int roques;
    int enPassant;
    int lancesSemCaptura;
    std::uint64_t chave;
    int altura;

    // Keys of the positions before the current one, oldest first.
    std::uint64_t chaves[MAXIMO_HISTORICO + MAXIMO_PLIES + 8];
    int numChaves;
    Estado pilha[MAXIMO_PLIES + 8];
};

#endif
