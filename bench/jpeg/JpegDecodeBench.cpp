// Decoding a 4000 x 3000 photo: our decoder (file read into memory, decoded
// into a fresh 36 MB buffer of BGR rows, as the JPEG image class loads a
// file) against the djpeg program of the same libjpeg-turbo, started per
// iteration, writing to /dev/null: once as PPM, which streams rows and never
// holds the image, and once as BMP, which holds the whole image as we do.
// All are timed by the wall clock; ours should be within 10 % of djpeg.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "classlib/graphics/JpegCodec.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

// Smooth light and colour falloff with fine texture and sensor-like noise,
// so the entropy coder has the work a real photo gives it.
classlib::JpegImageData MakePhoto() {
  classlib::JpegImageData photo;
  photo.width = kWidth;
  photo.height = kHeight;
  photo.stride = kWidth * 3;
  photo.pixels.resize(photo.stride * kHeight);
  std::uint32_t noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double u = x / double(kWidth), v = y / double(kHeight);
      const double light = 0.5 + 0.3 * std::sin(6.0 * u + 2.0 * v) * std::cos(4.0 * v - u);
      const double texture = 12.0 * std::sin(x * 0.21) * std::sin(y * 0.17);
      std::uint8_t* p = &photo.pixels[y * photo.stride + x * 3];
      for (int c = 0; c < 3; ++c) {
        noise = noise * 1664525u + 1013904223u;
        const double grain = int(noise >> 28) - 8;
        const double tint = 40.0 * std::sin(3.0 * u + c * 1.7 + v);
        const double value = 255.0 * light + tint + texture + grain;
        p[c] = static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
      }
    }
  }
  return photo;
}

// The photo, encoded at quality 90, in a temporary file for the process.
class PhotoFile {
 public:
  PhotoFile()
      : path_(std::filesystem::temp_directory_path() /
              ("tessarilo-jpeg-bench-" + std::to_string(getpid()) + ".jpg")) {
    const std::vector<std::uint8_t> jpeg = classlib::EncodeJpeg(MakePhoto().View(), 90);
    std::ofstream(path_, std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
    size_ = jpeg.size();
  }
  ~PhotoFile() { std::filesystem::remove(path_); }

  const std::filesystem::path& Path() const { return path_; }
  std::size_t Size() const { return size_; }

 private:
  std::filesystem::path path_;
  std::size_t size_ = 0;
};

const PhotoFile& Photo() {
  static const PhotoFile photo;
  return photo;
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path) {
  std::vector<std::uint8_t> bytes(std::filesystem::file_size(path));
  std::ifstream(path, std::ios::binary)
      .read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  return bytes;
}

void BM_DecodeJpegOurs(benchmark::State& state) {
  const PhotoFile& photo = Photo();
  for (auto _ : state) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(photo.Path());
    classlib::JpegImageData image = classlib::DecodeJpeg(bytes);
    benchmark::DoNotOptimize(image.pixels.data());
  }
  state.counters["file_bytes"] = double(photo.Size());
}

// What a fresh buffer of the decoded image's size costs by itself: the part
// of our time that djpeg's streamed output does not pay.
void BM_FreshOutputBuffer(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::uint8_t> pixels(std::size_t{kWidth} * 3 * kHeight);
    benchmark::DoNotOptimize(pixels.data());
  }
}

void BM_DecodeJpegDjpeg(benchmark::State& state, const char* outputFormat) {
  const PhotoFile& photo = Photo();
  const std::string path = photo.Path().string();
  std::vector<std::string> args = {"djpeg", outputFormat, "-outfile", "/dev/null", path};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawnp(&child, "djpeg", nullptr, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("djpeg could not be started");
      break;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("djpeg failed");
      break;
    }
  }
}

BENCHMARK(BM_DecodeJpegOurs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreshOutputBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_DecodeJpegDjpeg, ppm_streamed, "-pnm")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_DecodeJpegDjpeg, bmp_whole_image, "-bmp")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
