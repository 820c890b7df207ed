#include "KJJ.h"

#include "AppWindows.h"
#include "ShortcutTable.h"
#include "bridge/ClientVersion.h"
#include "controls/Twips.h"

#include <QLabel>

KJJ::KJJ(AppWindows& windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("KJJ"));
    setWindowTitle(QStringLiteral("Shortcut Keys"));
    setFixedSize(Twips::toPixels(14310), Twips::toPixels(6660));
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(rect());
    // The table of the client installed, drawn again when its version becomes known.
    ClientVersion& client = m_windows.clientVersion();
    connect(&client, &ClientVersion::changed, this, &KJJ::draw);
    client.ask();
    draw();
}

void KJJ::draw()
{
    const ClientVersion& client = m_windows.clientVersion();
    const bool stillAsking = !client.answered();
    m_picture->setPixmap(ShortcutTable::render(size(), client.version(), stillAsking));
    m_picture->setAccessibleDescription(ShortcutTable::versionLine(client.version(), stillAsking));
}
