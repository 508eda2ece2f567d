#include "skin/data/skin_data.h"

#include <gtest/gtest.h>

#include "platform/base/exception.h"
#include "platform/forms/forms.h"
#include "platform/gfx/canvas.h"
#include "platform/window/test_driver.h"
#include "skin/data/resource_str_data.h"
#include "skin/store/compressed_stored_skin.h"
#include "skin/store/skin_container.h"
#include "skin/store/zlib_streams.h"

namespace kx {
namespace {

struct SkinEvent {
  std::string window;
  UINT msg;
  WPARAM skin;
  LPARAM tag;
  bool changing;
  bool empty;
  friend bool operator==(const SkinEvent&, const SkinEvent&) = default;
};

std::vector<SkinEvent>* g_log = nullptr;

// A form that notes every skin message and the skin data's state on arrival.
class LoggingForm : public TForm {
 public:
  using TForm::TForm;
  TksSkinData* Watched = nullptr;

 protected:
  void WndProc(TMessage& m) override {
    bool skinMessage = (m.Msg >= SkinMsgBeforeChange && m.Msg <= SkinMsgAfterChange) ||
                       m.Msg == SkinMsgStringsChanged;
    if (g_log && skinMessage)
      g_log->push_back(
          {Name(), m.Msg, m.WParam, m.LParam, Watched->ChangingSkin(), Watched->Empty()});
    TForm::WndProc(m);
  }
};

TBitmap Filled(int w, int h, TColor color, TPixelFormat format = TPixelFormat::pf24bit) {
  TBitmap b(w, h, format);
  b.Canvas().Brush().Color = color;
  b.Canvas().FillRect({0, 0, w, h});
  return b;
}

SkinContainer Container(std::int32_t kind) {
  SkinContainer c;
  c.Kind = kind;
  c.Picture = Filled(20, 10, clRed);
  c.InActivePicture = Filled(20, 10, clGray);
  c.Mask = Filled(20, 10, clBlack, TPixelFormat::pf1bit);
  c.RollUpPicture = Filled(20, 4, clBlue);
  c.RollUpMask = Filled(20, 4, clBlack, TPixelFormat::pf1bit);
  c.ActivePictures = {Filled(6, 6, clLime), Filled(3, 3, clYellow)};
  c.Lines = {"[VERSION]", "skinname=Unit",     "[PICTURES]",     "mask=mask.bmp", "[SKINOBJECTS]",
             "count=1",   "0=caption:caption", "[SKINCONTROLS]", "count=1",       "0=tab:tab",
             "[tab]",     "pictureindex=1"};
  return c;
}

std::vector<std::uint8_t> Compressed(const std::vector<std::uint8_t>& container) {
  return DeflateAll(container, TCompressionLevel::clMax);
}

class SkinDataTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  std::vector<SkinEvent> log;
  LoggingForm* main = new LoggingForm(nullptr);
  LoggingForm* other = new LoggingForm(nullptr);
  TksCompressedStoredSkin* stored = new TksCompressedStoredSkin(main);
  TksSkinData* data = new TksSkinData(main);

  void SetUp() override {
    main->SetName("main");
    other->SetName("other");
    main->Watched = other->Watched = data;
    main->HandleNeeded();
    other->HandleNeeded();
    g_log = &log;
  }
  ~SkinDataTest() override {
    g_log = nullptr;
    delete other;
    delete main;
  }
  void Store(const SkinContainer& c) {
    stored->SetCompressedData(Compressed(WriteSkinContainer(c)));
  }
  WPARAM Self() const { return static_cast<WPARAM>(reinterpret_cast<std::uintptr_t>(data)); }
};

TEST_F(SkinDataTest, LoadingSendsThreeMessagesToTheOwnerFirst) {
  Store(Container(3));
  EXPECT_TRUE(data->Empty());
  data->SetCompressedStoredSkin(stored);
  EXPECT_FALSE(data->Empty());
  EXPECT_FALSE(data->ChangingSkin());
  std::vector<SkinEvent> expected = {
      {"main", SkinMsgBeforeChange, Self(), 1000, true, true},
      {"other", SkinMsgBeforeChange, Self(), 1000, true, true},
      {"main", SkinMsgChange, Self(), 1000, true, false},
      {"other", SkinMsgChange, Self(), 1000, true, false},
      {"main", SkinMsgAfterChange, Self(), 1000, false, false},
      {"other", SkinMsgAfterChange, Self(), 1000, false, false},
  };
  EXPECT_EQ(log, expected);
  EXPECT_EQ(data->Picture.Width(), 20);
  EXPECT_TRUE(data->InActivePicture.Empty() == false);
  EXPECT_TRUE(data->RollUpPicture.Empty());
  ASSERT_EQ(data->ActivePictures.size(), 2u);
  EXPECT_EQ(data->ActivePicture(1)->ColorAt(0, 0), clYellow);
  EXPECT_EQ(data->ActivePicture(2), nullptr);
  EXPECT_EQ(data->ActivePicture(-1), nullptr);
  EXPECT_EQ(data->SkinName, "Unit");
  EXPECT_EQ(data->GetObjectIndex("caption"), 0);
  EXPECT_EQ(data->SkinControls.at(0)->PictureIndex, 1);
}

TEST_F(SkinDataTest, EachKindReadsItsPictures) {
  for (std::int32_t kind = 0; kind <= 3; ++kind) {
    Store(Container(kind));
    data->LoadCompressedStoredSkin(*stored);
    EXPECT_FALSE(data->Empty()) << kind;
    EXPECT_EQ(data->InActivePicture.Empty(), kind < 2) << kind;
    EXPECT_EQ(data->RollUpPicture.Empty(), kind == 0 || kind == 3) << kind;
    EXPECT_EQ(data->RollUpMask.Height(), kind == 1 || kind == 2 ? 4 : 0) << kind;
    EXPECT_EQ(data->Mask.Width(), 20) << kind;
    EXPECT_EQ(data->ActivePictures.size(), 2u) << kind;
  }
}

TEST_F(SkinDataTest, AReloadReplacesEverythingAndANullReferenceKeepsTheSkin) {
  Store(Container(3));
  data->SetCompressedStoredSkin(stored);
  SkinContainer small = Container(0);
  small.ActivePictures.clear();
  small.Lines = {"[SKINCOLORS]", "cbtnface=1"};  // no line break after the last line
  Store(small);
  data->LoadCompressedStoredSkin(*stored);
  EXPECT_TRUE(data->ActivePictures.empty());
  EXPECT_TRUE(data->SkinObjects.empty());
  EXPECT_EQ(data->SkinColors.cBtnFace, 1u);
  EXPECT_EQ(data->SkinColors.cWindow, 0u);
  EXPECT_EQ(data->SkinName, "");
  log.clear();
  data->SetCompressedStoredSkin(nullptr);
  EXPECT_FALSE(data->Empty());
  EXPECT_EQ(data->SkinColors.cBtnFace, 1u);
  EXPECT_TRUE(log.empty());
}

TEST_F(SkinDataTest, AnEmptyStoredSkinSendsNothing) {
  data->SetCompressedStoredSkin(stored);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(data->Empty());
  EXPECT_FALSE(data->ChangingSkin());
}

TEST_F(SkinDataTest, KindFourStopsAfterTheFirstMessage) {
  Store(Container(3));
  data->SetCompressedStoredSkin(stored);
  std::vector<std::uint8_t> bytes = WriteSkinContainer(Container(3));
  bytes[0] = 4;
  stored->SetCompressedData(Compressed(bytes));
  log.clear();
  data->LoadCompressedStoredSkin(*stored);
  EXPECT_TRUE(data->Empty());
  EXPECT_TRUE(data->SkinControls.empty());
  EXPECT_TRUE(data->Picture.Empty());
  EXPECT_EQ(data->SkinColors.cBtnFace, clBtnFace);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].msg, SkinMsgBeforeChange);
}

TEST_F(SkinDataTest, DamagedDataEndsTheLoadInTheChangingState) {
  std::vector<std::uint8_t> zlib = Compressed(WriteSkinContainer(Container(3)));
  zlib[zlib.size() / 2] ^= 0x55;
  zlib[zlib.size() / 2 + 1] ^= 0xAA;
  stored->SetCompressedData(zlib);
  try {
    data->LoadCompressedStoredSkin(*stored);
    ADD_FAILURE() << "no error";
  } catch (const EDecompressionError& e) {
    EXPECT_EQ(e.Message(), "compression error");
  }
  EXPECT_TRUE(data->Empty());
  EXPECT_TRUE(data->ChangingSkin());
  EXPECT_EQ(log.size(), 2u);

  std::vector<std::uint8_t> bytes = WriteSkinContainer(Container(3));
  bytes.resize(40);  // inside the main picture's pixels
  stored->SetCompressedData(Compressed(bytes));
  log.clear();
  EXPECT_THROW(data->LoadCompressedStoredSkin(*stored), EInvalidGraphic);
  EXPECT_TRUE(data->Empty());
  EXPECT_TRUE(data->ChangingSkin());
  EXPECT_TRUE(data->SkinControls.empty());
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(SkinDataTest, AssigningResourceStringsTellsEveryWindow) {
  auto* strings = new TksResourceStrData(main);
  strings->ResStrings["CLOSEBUTTON_HINT"] = "Schliessen";
  data->SetResourceStrData(strings);
  EXPECT_EQ(data->ResourceStrData(), strings);
  std::vector<SkinEvent> expected = {{"main", SkinMsgStringsChanged, Self(), 1000, false, true},
                                     {"other", SkinMsgStringsChanged, Self(), 1000, false, true}};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(strings->GetResStr("CLOSEBUTTON_HINT", "Close"), "Schliessen");
  EXPECT_EQ(strings->GetResStr("MAXBUTTON_HINT", "Maximize"), "Maximize");
  delete strings;
  EXPECT_EQ(data->ResourceStrData(), nullptr);
}

TEST_F(SkinDataTest, TheReferenceIsClearedWhenTheStoredSkinGoes) {
  Store(Container(3));
  data->SetCompressedStoredSkin(stored);
  delete stored;
  stored = nullptr;
  EXPECT_EQ(data->CompressedStoredSkin(), nullptr);
  EXPECT_FALSE(data->Empty());
}

}  // namespace
}  // namespace kx
