#pragma once

// Locations known at build time, for fixtures that read the source tree or run the program.
namespace brovik::test {
inline constexpr const char* kSourceDir = BROVIK_SOURCE_DIR;
inline constexpr const char* kBinaryDir = BROVIK_BINARY_DIR;
inline constexpr const char* kExecutable = BROVIK_EXECUTABLE;
}  // namespace brovik::test
