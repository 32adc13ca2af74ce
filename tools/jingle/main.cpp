// Synthesizes the program's win sound: a short rising jingle as a 16-bit mono WAV file.
//   make_jingle yippee.wav

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A note with a soft attack and an exponential decay, with one overtone.
void addNote(std::vector<double>& samples, double start, double length, double frequency) {
  const auto first = static_cast<std::size_t>(start * kSampleRate);
  const auto count = static_cast<std::size_t>(length * kSampleRate);
  if (samples.size() < first + count) samples.resize(first + count, 0.0);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double envelope = std::min(1.0, t / 0.01) * std::exp(-4.0 * t / length);
    const double phase = 2.0 * std::numbers::pi * frequency * t;
    samples[first + i] += envelope * (0.7 * std::sin(phase) + 0.2 * std::sin(2.0 * phase));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: make_jingle datei.wav\n");
    return 2;
  }
  std::vector<double> samples;
  // C5 E5 G5, then a held C6.
  addNote(samples, 0.00, 0.16, 523.25);
  addNote(samples, 0.12, 0.16, 659.25);
  addNote(samples, 0.24, 0.16, 783.99);
  addNote(samples, 0.36, 0.50, 1046.50);

  std::string pcm;
  for (const double s : samples) {
    const double clipped = std::max(-1.0, std::min(1.0, 0.6 * s));
    putLittleEndian(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(clipped * 32767)), 2);
  }
  std::string wav = "RIFF";
  putLittleEndian(wav, static_cast<std::uint32_t>(36 + pcm.size()), 4);
  wav += "WAVEfmt ";
  putLittleEndian(wav, 16, 4);  // fmt chunk size
  putLittleEndian(wav, 1, 2);   // PCM
  putLittleEndian(wav, 1, 2);   // mono
  putLittleEndian(wav, kSampleRate, 4);
  putLittleEndian(wav, kSampleRate * 2, 4);  // bytes per second
  putLittleEndian(wav, 2, 2);                // block align
  putLittleEndian(wav, 16, 2);               // bits per sample
  wav += "data";
  putLittleEndian(wav, static_cast<std::uint32_t>(pcm.size()), 4);
  wav += pcm;

  std::FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr || std::fwrite(wav.data(), 1, wav.size(), file) != wav.size() ||
      std::fclose(file) != 0) {
    std::fprintf(stderr, "%s kann nicht geschrieben werden\n", argv[1]);
    return 1;
  }
  return 0;
}
