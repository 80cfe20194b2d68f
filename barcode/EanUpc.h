#pragma once

#include "barcode/CheckSum.h"

#include <string>
#include <string_view>

namespace brovik::barcode {

// The digit sets of EAN/UPC, each digit four elements of widths 1..4 over seven modules.
enum class DigitSet { L, G, R };
void appendEanDigit(std::string& pattern, char digit, DigitSet set);

// Too long a text raises EBarcodeError ("Invalid Text len (EAN8)" / "(EAN13)").
std::string encodeEan8(std::string_view digits, CheckSetting check);
std::string encodeEan13(std::string_view digits, CheckSetting check);

// These pad the text in place; the caller writes it back.
std::string encodeUpcA(std::string& digits, CheckSetting check);
std::string encodeUpcE(std::string& digits, int numberSystem, CheckSetting check);

// The UPC-E check digit: that of the UPC-A number the six digits stand for.
int upcECheckDigit(std::string_view six, int numberSystem);

}  // namespace brovik::barcode
