#pragma once

#include <QWidget>

class ProgramState;
class N_Shape;
class QLabel;
class QTableWidget;

// "发送到手机": each file on its way to each phone, with how much of it the phone holds, how fast it
// goes and how it ended, in the user's words; "取消" stops all that still runs. It shows the sending
// the program keeps and owns none of it: closed, the files go on.
class sendfiles : public QWidget
{
    Q_OBJECT

public:
    explicit sendfiles(ProgramState& state);

    QTableWidget* sendRows = nullptr;
    QLabel* sendSummary = nullptr;
    N_Shape* sendCancel = nullptr;

private:
    void showAllRows();
    void showRow(int row);
    void showSummary();

    ProgramState& m_state;
};
