#include "KJJ.h"

#include "ShortcutTable.h"
#include "controls/Twips.h"

#include <QLabel>

KJJ::KJJ(AppWindows&)
{
    setObjectName(QStringLiteral("KJJ"));
    setWindowTitle(QStringLiteral("Shortcut Keys"));
    setFixedSize(Twips::toPixels(14310), Twips::toPixels(6660));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(rect());
    picture->setPixmap(ShortcutTable::render(size()));
}
