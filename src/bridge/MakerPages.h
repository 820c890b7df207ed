#pragma once

#include <QString>

class DeviceModel;

// The maker's pages (usage guide, home page, works) open on every selected phone: in the
// configured app-store app, or in the phone's default browser when none is configured. A page
// whose address is not configured opens the project's own documentation on this computer
// instead, or, without it, the user is told that the page is not configured.
namespace MakerPages {

void open(DeviceModel& devices, const QString& page, QString& scratchField);

// A plain notice that a value of the deployment is not configured.
void tellNotConfigured(const QString& what);

} // namespace MakerPages
