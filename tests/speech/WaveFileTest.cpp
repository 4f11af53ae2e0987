#include <gtest/gtest.h>

#include "speech/WaveFile.h"

namespace voz::speech {
namespace {

TEST(WaveFile, CanonicalHeader) {
  const std::string wave = MakePcmWave({22050, 16, 1}, std::string(4, '\x01'));
  const std::string header(
      "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data\x04\0\0\0", 44);
  EXPECT_EQ(wave.substr(0, 44), header);
  EXPECT_EQ(wave.size(), 48u);
  const auto info = ReadPcmWave(wave);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->format, (PcmFormat{22050, 16, 1}));
  EXPECT_EQ(info->dataBytes, 4u);
}

TEST(WaveFile, OddDataIsPaddedAndOtherChunksAreSkipped) {
  std::string wave = MakePcmWave({8000, 8, 1}, "abc");
  EXPECT_EQ(wave.size(), 44u + 4u);
  EXPECT_EQ(ReadPcmWave(wave)->dataBytes, 3u);
  // A LIST chunk between fmt and data.
  wave.insert(36, std::string("LIST\x03\0\0\0xyz\0", 12));
  const auto info = ReadPcmWave(wave);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->dataBytes, 3u);
}

TEST(WaveFile, RejectsBrokenFiles) {
  const std::string good = MakePcmWave({16000, 16, 1}, std::string(8, '\0'));
  std::string notRiff = good;
  notRiff[0] = 'X';
  std::string notPcm = good;
  notPcm[20] = 3;  // IEEE float
  std::string badAlign = good;
  badAlign[32] = 4;
  std::string dataTooLong = good;
  dataTooLong[40] = 9;
  const std::string cases[] = {"", good.substr(0, 11), notRiff, notPcm, badAlign, dataTooLong, good.substr(0, 40),
                               std::string("RIFF\x04\0\0\0WAVEdata\0\0\0\0", 20)};
  for (const auto& bytes : cases) EXPECT_FALSE(ReadPcmWave(bytes)) << bytes.size();
}

TEST(WaveFile, ToneLastsSixtyMillisecondsPerCharacter) {
  const auto empty = ReadPcmWave(MakeToneWaveForText(""));
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->dataBytes, 0u);
  EXPECT_EQ(empty->format, kToneFormat);

  const std::string wave = MakeToneWaveForText("你好 a");  // four characters, one blank
  const auto info = ReadPcmWave(wave);
  ASSERT_TRUE(info);
  const std::uint32_t perCharacter = 16000 * 60 / 1000 * 2;
  EXPECT_EQ(info->dataBytes, 4 * perCharacter);
  const std::string data = wave.substr(44);
  EXPECT_NE(data.substr(0, perCharacter), std::string(perCharacter, '\0'));
  EXPECT_EQ(data.substr(2 * perCharacter, perCharacter), std::string(perCharacter, '\0'));
  // Quiet: no sample above 1000.
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    const auto sample = static_cast<std::int16_t>(static_cast<unsigned char>(data[i]) |
                                                  (static_cast<unsigned char>(data[i + 1]) << 8));
    ASSERT_LE(std::abs(sample), 1000);
  }
}

}  // namespace
}  // namespace voz::speech
