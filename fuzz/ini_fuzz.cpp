// Alias.ini as any bytes at all: read without a crash, keys found or absent.
#include "remessa/IniFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto ini = brovik::data::IniFile::parse(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    (void)ini.value(QStringLiteral("PATH"), QStringLiteral("MV"));
    (void)ini.find(QStringLiteral("path"), QStringLiteral("user"));
    return 0;
}
