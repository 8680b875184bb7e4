// Writing a 24-bit RGB image as a PNG file, with no compression library:
// the image data goes into stored (uncompressed) deflate blocks.
#pragma once

#include <stddef.h>

// Writes rows of width * 3 bytes (red, green, blue), top row first.
// Returns false when the file could not be written.
bool WritePngFile(const char* path, const unsigned char* rgb, int width, int height);
