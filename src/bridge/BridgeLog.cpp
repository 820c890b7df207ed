#include "BridgeLog.h"

Q_LOGGING_CATEGORY(lcBridge, "pannix.bridge")
