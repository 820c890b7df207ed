#include "KJJ.h"

#include "client/ClientVersion.h"
#include "client/ShortcutTable.h"
#include "controls/DrawnPicture.h"
#include "controls/Twips.h"
#include "state/ProgramState.h"

#include <QLabel>

KJJ::KJJ(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("KJJ"));
    setWindowTitle(QStringLiteral("Shortcut Keys"));
    setFixedSize(designSize());
    m_picture = new DrawnPicture(
        [this](qreal devicePixelRatio) {
            const ClientVersion& client = m_state.clientVersion();
            return ShortcutTable::render(designSize(), client.version(), !client.answered(), devicePixelRatio);
        },
        this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(rect());
    // The table of the client installed, drawn again when its version becomes known.
    ClientVersion& client = m_state.clientVersion();
    connect(&client, &ClientVersion::changed, this, &KJJ::draw);
    client.ask();
    draw();
}

// The table's size; on a small screen the window is smaller and the table scrolls within it.
QSize KJJ::designSize()
{
    return {Twips::toPixels(14310), Twips::toPixels(6660)};
}

void KJJ::draw()
{
    const ClientVersion& client = m_state.clientVersion();
    const bool stillAsking = !client.answered();
    m_picture->redraw();
    m_picture->setAccessibleDescription(ShortcutTable::versionLine(client.version(), stillAsking));
}
