#include "skin/store/skin_container.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/base/exception.h"
#include "platform/gfx/canvas.h"
#include "skin/store/compressed_stored_skin.h"
#include "skin/store/zlib_streams.h"

namespace kx {
namespace {

TBitmap Filled(int w, int h, TColor color) {
  TBitmap b(w, h);
  b.Canvas().Brush().Color = color;
  b.Canvas().FillRect({0, 0, w, h});
  return b;
}

SkinContainer Sample(std::int32_t kind) {
  SkinContainer c;
  c.Kind = kind;
  c.Picture = Filled(5, 3, clRed);
  c.InActivePicture = Filled(4, 2, clBlue);
  c.Mask = Filled(5, 3, clBlack);
  c.RollUpPicture = Filled(2, 2, clLime);
  c.RollUpMask = Filled(2, 2, clWhite);
  c.ActivePictures = {Filled(7, 1, clYellow), Filled(1, 7, clAqua)};
  c.Lines = {"[VERSION]", "skinname=Test", "", "[PICTURES]"};
  return c;
}

TEST(SkinContainer, EachKindCarriesItsOwnPictures) {
  for (std::int32_t kind = 0; kind <= 3; ++kind) {
    std::optional<SkinContainer> back = ReadSkinContainer(WriteSkinContainer(Sample(kind)));
    ASSERT_TRUE(back) << kind;
    EXPECT_EQ(back->Kind, kind);
    EXPECT_EQ(back->Picture.Width(), 5);
    EXPECT_EQ(back->Mask.Height(), 3);
    EXPECT_EQ(back->InActivePicture.Empty(), kind < 2) << kind;
    EXPECT_EQ(back->RollUpPicture.Empty(), kind == 0 || kind == 3) << kind;
    EXPECT_EQ(back->RollUpMask.Empty(), kind == 0 || kind == 3) << kind;
    ASSERT_EQ(back->ActivePictures.size(), 2u);
    EXPECT_EQ(back->ActivePictures[1].Height(), 7);
    EXPECT_EQ(back->ActivePictures[0].ColorAt(3, 0), clYellow);
    EXPECT_EQ(back->Lines, Sample(kind).Lines);
  }
}

TEST(SkinContainer, AnAbsentPictureIsOneFlagByte) {
  SkinContainer c = Sample(3);
  c.InActivePicture = TBitmap();
  c.ActivePictures.clear();
  std::vector<std::uint8_t> bytes = WriteSkinContainer(c);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 5),
            (std::vector<std::uint8_t>{3, 0, 0, 0, 0}));
  std::size_t mainSize = bytes[7] | (bytes[8] << 8) | (bytes[9] << 16);  // the BMP's size field
  EXPECT_EQ(bytes[5 + mainSize], 1);  // the inactive picture's flag
  std::optional<SkinContainer> back = ReadSkinContainer(bytes);
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->InActivePicture.Empty());
  EXPECT_TRUE(back->ActivePictures.empty());  // a count of 0 is followed by the text
  EXPECT_EQ(back->Lines.front(), "[VERSION]");
}

TEST(SkinContainer, KindsBeyondThreeAndBrokenContainers) {
  std::vector<std::uint8_t> bytes = WriteSkinContainer(Sample(2));
  bytes[0] = 4;
  EXPECT_FALSE(ReadSkinContainer(bytes));
  bytes[0] = 0xFF;
  bytes[1] = bytes[2] = bytes[3] = 0xFF;  // -1
  EXPECT_FALSE(ReadSkinContainer(bytes));
  std::vector<std::uint8_t> good = WriteSkinContainer(Sample(2));
  EXPECT_THROW(ReadSkinContainer(std::span(good).first(3)), EReadError);
  EXPECT_THROW(ReadSkinContainer(std::span(good).first(40)), Exception);  // a cut BMP
  good[5] = 0;  // the main picture's flag says present, the bytes are no BMP
  good[6] = 'X';
  EXPECT_THROW(ReadSkinContainer(good), Exception);
}

TEST(SkinContainer, LinesEndAtCrLfLoneCrOrLfAndTheLastNeedsNoEnd) {
  std::string text = "a\r\nb\rc\nd";
  auto lines =
      SplitSkinLines(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d"}));
  text = "x\r\n\r\n";
  lines =
      SplitSkinLines(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  EXPECT_EQ(lines, (std::vector<std::string>{"x", ""}));
}

TEST(CompressedStoredSkin, ImportsACompressedSkinFileUnlessItsKindIsTooHigh) {
  std::vector<std::uint8_t> container = WriteSkinContainer(Sample(3));
  std::vector<std::uint8_t> zlib = DeflateAll(container, TCompressionLevel::clMax);
  std::string path = ::testing::TempDir() + "/test.skn";
  auto write = [&](const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  };
  TksCompressedStoredSkin stored(nullptr);
  EXPECT_TRUE(stored.Empty());
  write(CompressedSkinFile(3, zlib));
  ASSERT_TRUE(stored.ImportCompressedSkinFile(path));
  EXPECT_EQ(stored.CompressedFileName(), "test.skn");
  EXPECT_EQ(stored.CompressedStream().Bytes(), zlib);
  EXPECT_EQ(InflateAll(stored.CompressedStream()), container);

  write(CompressedSkinFile(4, zlib));
  EXPECT_FALSE(stored.ImportCompressedSkinFile(path));
  EXPECT_TRUE(stored.Empty());
  std::vector<std::uint8_t> shortFile = CompressedSkinFile(3, zlib);
  shortFile.resize(shortFile.size() - 1);
  write(shortFile);
  EXPECT_THROW(stored.ImportCompressedSkinFile(path), EReadError);
  std::remove(path.c_str());
}

TEST(CompressedStoredSkin, ImportsADefinitionFileWithThePicturesBesideIt) {
  std::string dir = ::testing::TempDir() + "/skin_authoring";
  std::filesystem::create_directories(dir);
  Filled(6, 4, clRed).SaveToFile(dir + "/main.bmp");
  Filled(6, 4, clBlack).SaveToFile(dir + "/mask.bmp");
  Filled(3, 3, clBlue).SaveToFile(dir + "/a.bmp");
  const std::string text =
      "[VERSION]\nskinname=A\n[PICTURES]\npicture=main.bmp\ninactivepicture=\nmask=mask.bmp\n"
      "activepicturescount=2\n0=a.bmp\n1=a.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]";
  std::ofstream(dir + "/skin.ini", std::ios::binary) << text;
  TksCompressedStoredSkin stored(nullptr);
  ASSERT_TRUE(stored.ImportSkinDefinitionFile(dir + "/skin.ini"));
  EXPECT_EQ(stored.FileName(), "skin.ini");
  EXPECT_EQ(stored.CompressedStream().Bytes().at(1), 0xDA);  // level 9
  stored.CompressedStream().SetPosition(0);
  std::optional<SkinContainer> c = ReadSkinContainer(InflateAll(stored.CompressedStream()));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->Kind, 2);
  EXPECT_EQ(c->Picture.ColorAt(0, 0), clRed);
  EXPECT_TRUE(c->InActivePicture.Empty());
  EXPECT_EQ(c->Mask.Width(), 6);
  ASSERT_EQ(c->ActivePictures.size(), 2u);
  EXPECT_EQ(c->ActivePictures[1].ColorAt(2, 2), clBlue);
  EXPECT_EQ(c->Lines.back(), "[SKINCONTROLS]");  // the last line needs no line break
  EXPECT_EQ(c->Lines.size(), 12u);

  // Without one of the five sections nothing is imported and nothing changes.
  std::ofstream(dir + "/skin.ini", std::ios::binary)
      << "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n";
  std::vector<std::uint8_t> before = stored.CompressedStream().Bytes();
  EXPECT_FALSE(stored.ImportSkinDefinitionFile(dir + "/skin.ini"));
  EXPECT_EQ(stored.CompressedStream().Bytes(), before);
  // A picture that is not there is an error of its own.
  std::ofstream(dir + "/skin.ini", std::ios::binary)
      << "[VERSION]\n[PICTURES]\npicture=gone.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n";
  EXPECT_THROW(stored.ImportSkinDefinitionFile(dir + "/skin.ini"), Exception);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kx
