#include "timetext/speech/signal_sound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void PutTag(std::vector<unsigned char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

// A PCM WAV image: `extra` is a chunk placed between "fmt " and "data".
std::vector<unsigned char> Wav(std::uint32_t byteRate, std::uint32_t dataSize, bool extra = false) {
    std::vector<unsigned char> w;
    PutTag(w, "RIFF");
    Put32(w, 0);
    PutTag(w, "WAVE");
    PutTag(w, "fmt ");
    Put32(w, 16);
    Put32(w, 0x00010001);  // PCM, mono
    Put32(w, byteRate / 2);
    Put32(w, byteRate);
    Put32(w, 0x00100002);  // block align 2, 16 bits
    if (extra) {
        PutTag(w, "LIST");
        Put32(w, 3);
        w.insert(w.end(), {'a', 'b', 'c', 0});  // odd size, padded
    }
    PutTag(w, "data");
    Put32(w, dataSize);
    w.resize(w.size() + dataSize);
    return w;
}

TEST(WavDuration, DataSizeOverByteRate) {
    auto w = Wav(44100, 44100 * 3 / 2);
    EXPECT_EQ(signals::WavDurationMs(w.data(), w.size()), 1500);
    w = Wav(44100, 22050, true);
    EXPECT_EQ(signals::WavDurationMs(w.data(), w.size()), 500);
}

TEST(WavDuration, BrokenImages) {
    auto w = Wav(44100, 4410);
    EXPECT_EQ(signals::WavDurationMs(w.data(), 10), std::nullopt);
    w[8] = 'X';
    EXPECT_EQ(signals::WavDurationMs(w.data(), w.size()), std::nullopt);
    w = Wav(0, 100);
    EXPECT_EQ(signals::WavDurationMs(w.data(), w.size()), std::nullopt);
    // A data chunk longer than the file counts to the end.
    w = Wav(1000, 500);
    w.resize(w.size() - 250);
    EXPECT_EQ(signals::WavDurationMs(w.data(), w.size()), 250);
    EXPECT_EQ(signals::WavDurationMs(nullptr, 0), std::nullopt);
}

TEST(BuiltInSound, EmptyOrStandardName) {
    EXPECT_TRUE(signals::IsBuiltInSound(L""));
    EXPECT_TRUE(signals::IsBuiltInSound(L"Стандартный"));
    EXPECT_FALSE(signals::IsBuiltInSound(L"стандартный"));  // Cyrillic case counts
    EXPECT_FALSE(signals::IsBuiltInSound(L"ding.wav"));
}

}  // namespace
