#pragma once

class TSkinEngine;

namespace calvora {
class TAppInfoXML;
class TMasks;
} // namespace calvora

// The process-wide objects every window reads: the settings store, the regional masks and
// the skin engine. Made by the program entry before any window and released after the last.
struct AppContext {
    calvora::TAppInfoXML* settings = nullptr;
    const calvora::TMasks* masks = nullptr;
    TSkinEngine* skins = nullptr;
};

// The objects in use (null members before start-up and in tests that set none).
AppContext& App();

// The settings store in use; a window made before the store exists is a programming error
// (std::logic_error).
calvora::TAppInfoXML& AppSettings();
