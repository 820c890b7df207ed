#pragma once

#include <QString>
#include <QWidget>

class AppWindows;

// The about window: version, links, the maker's pages on the phones, donation and support group.
class About : public QWidget
{
    Q_OBJECT

public:
    explicit About(AppWindows& windows);

    // Not used by this window: the launcher's help button composes its lines here.
    QString Text1;

private:
    void openOnPhones(const QString& page);
    void joinSupportGroup();

    AppWindows& m_windows;
};
