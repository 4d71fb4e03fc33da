// Decoding an item picture of the marketplace's thumbnail size, 220 × 220,
// as JPEG and as PNG, through DecodePicture; each beside the bare library
// decoding the same bytes into the same 32-bit layout, so that the ratio is
// what the checks and the conversion of this program's decoder cost.
//
// The pictures are encoded here, with the same libraries, from a made-up
// photograph: smooth shading, a hard-edged object and some grain, which is
// what a product shot on a plain background is to a codec.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// After <cstdio>: jpeglib.h uses FILE without including its header.
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "bench/ratio_reporter.h"
#include "image/decode_picture.h"

namespace taoci::bench {
namespace {

constexpr int kSide = 220;

// Red, green, blue bytes, kSide × kSide.
std::vector<unsigned char> MadeUpPhotograph() {
  std::vector<unsigned char> rgb(static_cast<std::size_t>(kSide) * kSide * 3);
  std::uint32_t grain = 12345;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      grain = grain * 1103515245u + 12345u;
      const int noise = static_cast<int>((grain >> 16) % 9) - 4;
      const int dx = x - 110;
      const int dy = y - 120;
      const bool object = dx * dx + dy * dy < 70 * 70;
      int r = object ? 180 - y / 3 : 235 - x / 20;
      int g = object ? 60 + x / 4 : 235 - y / 20;
      int b = object ? 40 + (x + y) / 8 : 240;
      r += noise;
      g += noise;
      b += noise;
      unsigned char* p = &rgb[(static_cast<std::size_t>(y) * kSide + x) * 3];
      p[0] = static_cast<unsigned char>(r < 0 ? 0 : r > 255 ? 255 : r);
      p[1] = static_cast<unsigned char>(g < 0 ? 0 : g > 255 ? 255 : g);
      p[2] = static_cast<unsigned char>(b < 0 ? 0 : b > 255 ? 255 : b);
    }
  }
  return rgb;
}

// Baseline, quality 90, colour at half resolution: a typical web thumbnail.
std::string EncodeJpeg(const std::vector<unsigned char>& rgb) {
  jpeg_compress_struct encoder{};
  jpeg_error_mgr errors{};
  encoder.err = jpeg_std_error(&errors);
  jpeg_CreateCompress(&encoder, JPEG_LIB_VERSION, sizeof(encoder));
  unsigned char* out = nullptr;
  unsigned long out_size = 0;
  jpeg_mem_dest(&encoder, &out, &out_size);
  encoder.image_width = kSide;
  encoder.image_height = kSide;
  encoder.input_components = 3;
  encoder.in_color_space = JCS_RGB;
  jpeg_set_defaults(&encoder);
  jpeg_set_quality(&encoder, 90, TRUE);
  jpeg_start_compress(&encoder, TRUE);
  while (encoder.next_scanline < encoder.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(&rgb[encoder.next_scanline * kSide * 3]);
    jpeg_write_scanlines(&encoder, &row, 1);
  }
  jpeg_finish_compress(&encoder);
  std::string bytes(reinterpret_cast<const char*>(out), out_size);
  jpeg_destroy_compress(&encoder);
  std::free(out);
  return bytes;
}

// RGB with alpha, libpng's default compression.
std::string EncodePng(const std::vector<unsigned char>& rgb) {
  std::vector<unsigned char> rgba;
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    rgba.insert(rgba.end(), {rgb[i], rgb[i + 1], rgb[i + 2], 255});
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = kSide;
  image.height = kSide;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba.data(), 0, nullptr)) {
    std::fprintf(stderr, "cannot encode the PNG: %s\n", image.message);
    std::exit(1);
  }
  bytes.resize(size);
  return bytes;
}

const std::string& JpegBytes() {
  static const std::string bytes = EncodeJpeg(MadeUpPhotograph());
  return bytes;
}

const std::string& PngBytes() {
  static const std::string bytes = EncodePng(MadeUpPhotograph());
  return bytes;
}

void DecodeOrFail(benchmark::State& state, const std::string& bytes) {
  const ByteBlock block{std::string_view(bytes)};
  for (auto _ : state) {
    std::optional<Picture> picture = DecodePicture(block);
    if (!picture || picture->width != kSide) {
      state.SkipWithError("no picture");
      return;
    }
    benchmark::DoNotOptimize(picture->pixels.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes.size()));
}

void DecodeJpeg220(benchmark::State& state) { DecodeOrFail(state, JpegBytes()); }
void DecodePng220(benchmark::State& state) { DecodeOrFail(state, PngBytes()); }

// libjpeg alone, straight into B, G, R, A bytes: its fastest way to the
// same layout. The bytes are valid, so its default handler, which ends the
// program, never runs.
void BareLibjpeg220(benchmark::State& state) {
  const std::string& bytes = JpegBytes();
  std::vector<unsigned char> pixels(static_cast<std::size_t>(kSide) * kSide * 4);
  for (auto _ : state) {
    jpeg_decompress_struct decoder{};
    jpeg_error_mgr errors{};
    decoder.err = jpeg_std_error(&errors);
    jpeg_CreateDecompress(&decoder, JPEG_LIB_VERSION, sizeof(decoder));
    jpeg_mem_src(&decoder, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&decoder, TRUE);
    decoder.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&decoder);
    while (decoder.output_scanline < decoder.output_height) {
      JSAMPROW row = &pixels[decoder.output_scanline * kSide * 4];
      jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    benchmark::DoNotOptimize(pixels.data());
  }
}

// libpng's simplified reader alone, into B, G, R, A bytes.
void BareLibpng220(benchmark::State& state) {
  const std::string& bytes = PngBytes();
  std::vector<unsigned char> pixels(static_cast<std::size_t>(kSide) * kSide * 4);
  for (auto _ : state) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_memory(&image, bytes.data(), bytes.size());
    image.format = PNG_FORMAT_BGRA;
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
      state.SkipWithError(image.message);
      return;
    }
    benchmark::DoNotOptimize(pixels.data());
  }
}

BENCHMARK(DecodeJpeg220);
BENCHMARK(BareLibjpeg220);
BENCHMARK(DecodePng220);
BENCHMARK(BareLibpng220);

}  // namespace
}  // namespace taoci::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::printf("JPEG of %zu bytes, PNG of %zu bytes, both %d x %d\n",
              taoci::bench::JpegBytes().size(), taoci::bench::PngBytes().size(),
              taoci::bench::kSide, taoci::bench::kSide);
  taoci::bench::RatioReporter reporter({
      {"DecodeJpeg220", "BareLibjpeg220"},
      {"DecodePng220", "BareLibpng220"},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
