#ifndef GUI_JOGODRIVER_H
#define GUI_JOGODRIVER_H

// Window metrics as the chess model sees them.
class JogoDriver {
public:
    virtual ~JogoDriver() {}
    virtual int getTelaLargura() = 0;
    virtual int getTelaAltura() = 0;
    virtual double getFatorCelulaDIM() = 0;
    virtual int getInfoPainelAltura() = 0;
};

#endif
