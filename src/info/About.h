#pragma once

#include <QString>
#include <QWidget>

class ProgramState;

// The about window: version, links, the maker's pages on the phones, donation and support group.
class About : public QWidget
{
    Q_OBJECT

public:
    explicit About(ProgramState& state);

    // Not used by this window: the launcher's help button composes its lines here. The field is the
    // program's, so the launcher reaches it without this window.
    QString& Text1;

signals:
    // The user asks for the donation window.
    void donationWanted();

private:
    void openOnPhones(const QString& page);
    void joinSupportGroup();

    ProgramState& m_state;
};
