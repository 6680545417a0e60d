#pragma once
// "Save LCD": the LCD as a one-bit BMP file, black where the LCD is exactly black, white elsewhere,
// rows read as drawn (never turned).
#include <cstdint>
#include <string>
#include <vector>

class HostUi;

constexpr std::size_t LCD_BMP_SIZE = 4990;

// The file's bytes for the LCD canvas as it stands.
std::vector<std::uint8_t> LcdBmpBytes();
// Writes the file and reports the outcome in a message box.
void WriteLcdBmp(HostUi& ui, const std::string& name);
// Writes "orvel-NNNN.bmp" (the first number whose file does not exist yet) in the folder.
void SaveLcd(HostUi& ui, const std::string& folder);
// The name SaveLcd would use.
std::string SaveLcdName(const std::string& folder);
// "orvel-NNNN.<extension>" in the folder (the current one when empty) with the first number whose file
// does not exist yet.
std::string NumberedCaptureName(const std::string& folder, const char* extension);
