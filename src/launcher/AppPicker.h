#pragma once

#include "client/PhoneApps.h"

#include <QWidget>

class ProgramState;
class N_Shape;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
struct ToolAnswer;

// "选择应用": the apps of one phone, as its tools list them, to pick the one a mirror starts. The
// list is asked afresh each time, with a mark while it comes; it can be narrowed by typing, and a
// choice is handed to whoever asked. A list that does not come within the tools' time limit, or an
// answer that is not a list, is told in a message and never shown.
class AppPicker : public QWidget
{
    Q_OBJECT

public:
    explicit AppPicker(ProgramState& state);

    // Asks the phone's list, dropping any list still coming for an earlier request.
    void listFor(const QString& serial);

signals:
    void picked(const QString& package);

protected:
    // Closed, the window wants no list any more: one still coming is dropped, and nothing is told of it.
    void hideEvent(QHideEvent* event) override;

private:
    void take(const ToolAnswer& answer, bool byClient);
    void refuse(const QString& message);
    void filter();
    void choose();

    ProgramState& m_state;
    QString m_serial;
    QObject* m_request = nullptr; // the list asked for; deleting it drops its answer
    QLineEdit* m_filter = nullptr;
    QListWidget* m_list = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    N_Shape* m_choose = nullptr;
};
