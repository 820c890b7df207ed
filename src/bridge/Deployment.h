#pragma once

#include <QString>

// The values a deployment sets at build time (CMake cache variables, listed in the README): the
// maker's own pages, the support group, the phones' app-store app and the payment addresses. An
// empty value is not configured, and the windows say so rather than show an invented one.
namespace Deployment {

struct Values
{
    QString helpPage; // the usage guide, opened on the phones
    QString makerHomePage;
    QString makerWorksPage;
    QString supportGroupNumber;
    QString supportGroupJoinPage;
    QString appStorePackage; // empty: pages open in the phone's default browser
    QString payWeChat;
    QString payAlipay;
};

const Values& values();

// Tests put other values in place; nullptr restores the built ones.
void setForTests(const Values* replacement);

// The project's own documentation on this computer (its README), empty when it is not found.
QString projectDocumentation();

} // namespace Deployment
