#include "tpluginbridge.h"

#include <atomic>

namespace PosLib {

namespace {
std::atomic<TPluginBridge *> currentBridge {nullptr};
}

TPluginBridge::~TPluginBridge() = default;

TPluginBridge *pluginBridge()
{
    return currentBridge.load();
}

void setPluginBridge(TPluginBridge *bridge)
{
    currentBridge.store(bridge);
}

} // namespace PosLib
