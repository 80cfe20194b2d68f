// The launch argument and the headless command line: whatever the suite or a user
// passes must be taken apart without a crash.
#include "cli/CommandLine.h"
#include "tickets/LaunchArgument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)brovik::tickets::batchTextFromLaunchArgument(text);
    (void)brovik::cli::parseCommandLine(text.split(u'\n'));
    return 0;
}
