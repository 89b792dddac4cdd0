#include "tests/unit/test_support.h"

#include <cstdlib>
#include <filesystem>

std::string testFontPath() {
    for (const char* candidate : {"DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
        if (std::filesystem::exists(candidate)) return candidate;
    return "DejaVuSans.ttf";
}

const sf::Font& testFont() {
    static sf::Font font;
    static bool loaded = font.loadFromFile(testFontPath());
    (void)loaded;
    return font;
}

std::string sourceDir() {
    const char* dir = std::getenv("TAVILON_SOURCE_DIR");
    return dir ? dir : ".";
}

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sanitizer/lsan_interface.h>

namespace {

// The OpenGL driver is loaded and unloaded on demand as windows and textures
// come and go. Pinned here, its code stays mapped until the leak check, so
// the driver's own allocations are named and can be suppressed.
[[maybe_unused]] const bool driverPinned = [] {
    for (const char* library : {"libGLX_mesa.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                                "libLLVM-15.so.1", "libglapi.so.0"})
        dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    return true;
}();

// Runs the leak check when the tests are done, while the graphics driver that
// the process loaded on demand is still mapped: its own one-time allocations
// can then be named (and suppressed) instead of showing as unknown frames.
class LeakCheckAtEnd : public ::testing::Environment {
  public:
    void TearDown() override { __lsan_do_leak_check(); }
};

[[maybe_unused]] ::testing::Environment* const leakCheck =
    ::testing::AddGlobalTestEnvironment(new LeakCheckAtEnd);

} // namespace
#endif
