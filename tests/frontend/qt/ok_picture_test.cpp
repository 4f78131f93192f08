// The OK picture of the Time Up window: its file and the resource the program shows.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace reminder {
namespace {

std::uint32_t little(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8U | bytes.at(at + i);
  return value;
}

TEST(OkPicture, IsAnUncompressed24BitBitmapOf64By47) {
  std::ifstream file(REMINDER_SOURCE_DIR "/resources/pictures/ok.bmp", std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};

  ASSERT_EQ(bytes.size(), 9078U);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(little(bytes, 2, 4), 9078U);  // file size
  EXPECT_EQ(little(bytes, 10, 4), 54U);   // pixels right after the two headers
  EXPECT_EQ(little(bytes, 14, 4), 40U);   // the plain information header
  EXPECT_EQ(little(bytes, 18, 4), 64U);   // width
  EXPECT_EQ(little(bytes, 22, 4), 47U);   // height, bottom-up
  EXPECT_EQ(little(bytes, 28, 2), 24U);   // bits per pixel
  EXPECT_EQ(little(bytes, 30, 4), 0U);    // no compression
}

TEST(OkPicture, IsShippedAsBlackLettersOnWhite) {
  const QImage picture(QStringLiteral(":/pictures/ok.bmp"));
  ASSERT_EQ(picture.size(), QSize(64, 47));
  int black = 0;
  int white = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      black += static_cast<int>(pixel == qRgb(0, 0, 0));
      white += static_cast<int>(pixel == qRgb(255, 255, 255));
    }
  }
  EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(picture.pixel(63, 46), qRgb(255, 255, 255));
  EXPECT_GT(black, 200);  // letters, not specks
  EXPECT_GT(white, black);
}

}  // namespace
}  // namespace reminder
