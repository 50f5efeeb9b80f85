#ifndef APP_PASTARECURSOS_H
#define APP_PASTARECURSOS_H

#include <string>
#include <vector>

// Where the game's pictures, sounds and font are. The game opens them by
// paths relative to its working directory, so a launcher started in the
// home folder would find none; this picks the folder to change into out of
// the working directory, the executable's own folder (a build folder) and
// the data folder installed beside it. Folders are UTF-8, as SDL gives
// them: Windows would read a narrow path in its ANSI code page.
class PastaRecursos {
public:
    // pastaExecutavel: the folder holding the running executable; empty
    // when it cannot be told, and then only the working directory counts.
    // dadosRelativo: the installed data folder relative to that folder.
    PastaRecursos(const std::string& pastaExecutavel, const std::string& dadosRelativo);

    // The folders looked at, in order, without repeats; the first is the
    // working directory.
    const std::vector<std::string>& getCandidatas() const { return candidatas; }

    // The folder that holds the most of the game's usable files, the first
    // of them on a tie; empty when none holds any.
    std::string localiza() const;

    // How many of the game's own files (pictures, tunes, effects, the
    // font) the folder holds that can be read and are not empty. Counting
    // them, not folders, keeps a home folder with unrelated img/ and audio/
    // out and lets a stray arial.ttf or a folder of empty copies lose to a
    // complete copy, while a copy missing a file still wins; what is
    // missing there is reported, with the folder, when it is loaded.
    static int contaArquivos(const std::string& pasta);

    // Every file the game loads, relative to its folder.
    static std::vector<std::string> getArquivos();

    // The running executable's folder, empty if the system cannot tell.
    static std::string pastaDoExecutavel();

private:
    void acrescenta(const std::string& pasta);

    std::vector<std::string> candidatas;
};

#endif
