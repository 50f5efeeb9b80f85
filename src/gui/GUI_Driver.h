#ifndef GUI_GUI_DRIVER_H
#define GUI_GUI_DRIVER_H

class GUI_Driver {
public:
    virtual ~GUI_Driver() {}
    virtual bool isPausa() = 0;
};

#endif
