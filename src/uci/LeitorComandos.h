#ifndef UCI_LEITORCOMANDOS_H
#define UCI_LEITORCOMANDOS_H

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

// Turns the bytes of standard input into UCI commands. Any byte is
// accepted: control bytes (NUL included) separate tokens like blanks, and
// other bytes stay inside tokens untouched.
class LeitorComandos {
public:
    struct Comando {
        // The first known command word of the line; empty when none.
        std::string nome;
        // The tokens after it.
        std::vector<std::string> args;
    };

    // Lines longer than this are read to their end and dropped.
    static constexpr std::size_t LINHA_MAXIMA = 4 * 1024 * 1024;

    // Reads up to the next newline (a carriage return before it is part of
    // the blanks). False at the end of input with nothing read. *longa
    // tells that the line was cut off at LINHA_MAXIMA and must be dropped.
    static bool leLinha(std::istream& entrada, std::string* linha, bool* longa);

    static std::vector<std::string> separa(const std::string& linha);

    // Unknown words before the command are skipped, as the protocol asks
    // ("joho debug on" is "debug on").
    static Comando interpreta(const std::string& linha);

    // A token as it may be quoted on an info line: printable ASCII only,
    // and not too long.
    static std::string mostra(const std::string& texto);
};

#endif
