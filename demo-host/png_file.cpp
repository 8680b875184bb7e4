#include "png_file.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

// A growing byte buffer.
struct Bytes {
  unsigned char* data;
  size_t size;
  size_t capacity;
};

// Appends count bytes, growing the buffer as needed.
static void Append(Bytes* out, const void* bytes, size_t count) {
  if (out->size + count > out->capacity) {
    out->capacity = (out->size + count) * 2;
    out->data = (unsigned char*)realloc(out->data, out->capacity);
  }
  memcpy(out->data + out->size, bytes, count);
  out->size += count;
}

// Appends a 32-bit value, most significant byte first, as PNG stores it.
static void AppendBigEndian(Bytes* out, unsigned long value) {
  unsigned char b[4] = {(unsigned char)(value >> 24), (unsigned char)(value >> 16),
                        (unsigned char)(value >> 8), (unsigned char)value};
  Append(out, b, 4);
}

// CRC-32 as PNG chunks use it (polynomial 0xedb88320).
static unsigned long Crc32(const unsigned char* bytes, size_t count) {
  unsigned long crc = 0xffffffffUL;
  for (size_t i = 0; i < count; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320UL & (0UL - (crc & 1)));
  }
  return crc ^ 0xffffffffUL;
}

// Appends one chunk: length, type, data, CRC over type and data.
static void AppendChunk(Bytes* out, const char* type, const unsigned char* data, size_t count) {
  AppendBigEndian(out, (unsigned long)count);
  size_t start = out->size;
  Append(out, type, 4);
  if (count) Append(out, data, count);
  AppendBigEndian(out, Crc32(out->data + start, count + 4));
}

// A zlib stream of stored deflate blocks holding bytes as they are.
static Bytes StoredZlib(const unsigned char* bytes, size_t count) {
  Bytes z = {NULL, 0, 0};
  const unsigned char header[2] = {0x78, 0x01};
  Append(&z, header, 2);
  unsigned long a = 1, b = 0;  // Adler-32
  size_t done = 0;
  do {
    size_t block = count - done < 65535 ? count - done : 65535;
    unsigned char head[5] = {(unsigned char)(done + block == count), (unsigned char)block,
                             (unsigned char)(block >> 8), (unsigned char)~block,
                             (unsigned char)(~block >> 8)};
    Append(&z, head, 5);
    Append(&z, bytes + done, block);
    for (size_t i = done; i < done + block; ++i) {
      a = (a + bytes[i]) % 65521;
      b = (b + a) % 65521;
    }
    done += block;
  } while (done < count);
  AppendBigEndian(&z, (b << 16) | a);
  return z;
}

bool WritePngFile(const char* path, const unsigned char* rgb, int width, int height) {
  // Each row starts with filter type 0 (none).
  size_t stride = (size_t)width * 3;
  Bytes raw = {NULL, 0, 0};
  for (int y = 0; y < height; ++y) {
    const unsigned char none = 0;
    Append(&raw, &none, 1);
    Append(&raw, rgb + y * stride, stride);
  }
  Bytes z = StoredZlib(raw.data, raw.size);

  Bytes png = {NULL, 0, 0};
  const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  Append(&png, signature, 8);
  unsigned char ihdr[13] = {0};
  for (int i = 0; i < 4; ++i) {
    ihdr[i] = (unsigned char)(width >> (24 - 8 * i));
    ihdr[4 + i] = (unsigned char)(height >> (24 - 8 * i));
  }
  ihdr[8] = 8;  // bits per sample
  ihdr[9] = 2;  // colour type: RGB
  AppendChunk(&png, "IHDR", ihdr, sizeof ihdr);
  AppendChunk(&png, "IDAT", z.data, z.size);
  AppendChunk(&png, "IEND", NULL, 0);

  FILE* file = fopen(path, "wb");
  bool written = file != NULL && fwrite(png.data, 1, png.size, file) == png.size;
  if (file != NULL) written = fclose(file) == 0 && written;
  free(raw.data);
  free(z.data);
  free(png.data);
  return written;
}
