#ifndef GUI_AREATRANSFERENCIA_H
#define GUI_AREATRANSFERENCIA_H

#include <string>

// The system's clipboard, for text in UTF-8: SDL's on the desktop and on
// Windows; in a page the browser's, which asks the player's leave where it
// must. Called on the main thread, without the game's lock: reading may
// wait on another program (or, in a page, on the player's answer).
class AreaTransferencia {
public:
    // In a page, listens for the paste the browser makes on Ctrl+V, so that
    // the key needs no leave of the player. Nothing elsewhere.
    static void prepara();
    // True once the text is on the clipboard.
    static bool copia(const std::string& texto);
    // The clipboard's text (empty when it holds none); false when it could
    // not be read at all (in a page: the browser refused).
    static bool le(std::string* texto);
};

#endif
