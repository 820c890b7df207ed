#pragma once

#include <QWidget>

class ProgramState;

// The donation window: the maker's two payment codes and a note that nothing is held back.
class DonatION : public QWidget
{
    Q_OBJECT

public:
    explicit DonatION(ProgramState& state);
};
