// The launch argument and the headless command line: whatever the suite or a user
// passes must be taken apart without a crash.
#include "app/HeadlessOptions.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)brovik::app::batchTextFromLaunchArgument(text);
    (void)brovik::app::parseCommandLine(text.split(u'\n'));
    return 0;
}
