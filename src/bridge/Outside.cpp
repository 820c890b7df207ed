#include "Outside.h"

#include "SystemOutside.h"

namespace {
Outside* installed = nullptr;
}

Outside& Outside::current()
{
    static SystemOutside system;
    return installed ? *installed : system;
}

void Outside::install(Outside* replacement)
{
    installed = replacement;
}
