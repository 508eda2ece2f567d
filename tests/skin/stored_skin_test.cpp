// The program's own skin as the build makes it: its container layout, the
// values the frame and the controls rely on, and the frame it yields.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "assets/embedded_skin.h"
#include "platform/base/mem_ini_file.h"
#include "platform/sys/files.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_drawing.h"
#include "skin/store/compressed_stored_skin.h"
#include "skin/store/zlib_streams.h"

namespace kx {
namespace {

class StoredSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    stored = new TksCompressedStoredSkin(nullptr);
    ASSERT_TRUE(stored->ImportCompressedSkinFile(KESTRIX_RED_SKN));
    data = new TksSkinData(nullptr);
    data->LoadCompressedStoredSkin(*stored);
  }
  static void TearDownTestSuite() {
    delete data;
    delete stored;
  }
  template <typename T>
  static const T& Control(const char* name) {
    // A missing or mistyped record ends the test (GoogleTest reports the exception).
    int i = data->GetControlIndex(name);
    if (i < 0) throw std::runtime_error(std::string("no control record ") + name);
    auto* r = dynamic_cast<const T*>(data->SkinControls.at(static_cast<std::size_t>(i)).get());
    if (!r) throw std::runtime_error(std::string("control record of another kind: ") + name);
    return *r;
  }
  static TksCompressedStoredSkin* stored;
  static TksSkinData* data;
};

TksCompressedStoredSkin* StoredSkinTest::stored = nullptr;
TksSkinData* StoredSkinTest::data = nullptr;

TEST_F(StoredSkinTest, TheProgramCarriesTheBuiltSkin) {
  std::string file = ReadWholeFile(KESTRIX_RED_SKN);
  std::span<const std::uint8_t> embedded = KestrixRedSkinFile();
  ASSERT_EQ(embedded.size(), file.size());
  EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(),
                         reinterpret_cast<const std::uint8_t*>(file.data())));
  TksCompressedStoredSkin carried(nullptr);
  ASSERT_TRUE(carried.LoadCompressedSkinFile(embedded));
  EXPECT_EQ(carried.CompressedStream().Bytes(), stored->CompressedStream().Bytes());
}

TEST_F(StoredSkinTest, TheContainerHasKindThreeAndThePicturesInOrder) {
  const auto& zlib = stored->CompressedStream().Bytes();
  ASSERT_GE(zlib.size(), 2u);
  EXPECT_EQ(zlib[0], 0x78);
  EXPECT_EQ(zlib[1], 0xDA);
  stored->CompressedStream().SetPosition(0);
  std::vector<std::uint8_t> inflated = InflateAll(stored->CompressedStream());
  EXPECT_EQ(std::vector<std::uint8_t>(inflated.begin(), inflated.begin() + 5),
            (std::vector<std::uint8_t>{3, 0, 0, 0, 0}));
  std::size_t mainSize = inflated[7] | (inflated[8] << 8) | (inflated[9] << 16);
  EXPECT_EQ(inflated[5 + mainSize], 1);      // no inactive picture
  EXPECT_EQ(inflated[5 + mainSize + 1], 0);  // the mask follows at once

  ASSERT_FALSE(data->Empty());
  EXPECT_EQ(data->Picture.Width(), 217);
  EXPECT_EQ(data->Picture.Height(), 115);
  EXPECT_EQ(data->Picture.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_TRUE(data->InActivePicture.Empty());
  EXPECT_EQ(data->Mask.PixelFormat(), TPixelFormat::pf1bit);
  struct Expected {
    int w, h;
    TPixelFormat format;
    const char* name;
  };
  const Expected expected[] = {
      {214, 140, TPixelFormat::pf24bit, "active.BMP"},
      {51, 53, TPixelFormat::pf24bit, "pw.bmp"},
      {54, 128, TPixelFormat::pf24bit, "menuitems.bmp"},
      {53, 21, TPixelFormat::pf24bit, "hw.bmp"},
      {521, 369, TPixelFormat::pf24bit, "controls.bmp"},
      {138, 86, TPixelFormat::pf8bit, "mdibg.bmp"},
      {51, 53, TPixelFormat::pf8bit, "pwmask.bmp"},
      {53, 21, TPixelFormat::pf8bit, "hwmask.bmp"},
      {47, 25, TPixelFormat::pf1bit, "buttonmask.bmp"},
      {25, 25, TPixelFormat::pf1bit, "bactivemask.bmp"},
      {19, 19, TPixelFormat::pf1bit, "bactivemask1.bmp"},
  };
  ASSERT_EQ(data->ActivePictures.size(), 11u);
  for (std::size_t i = 0; i < 11; ++i) {
    EXPECT_EQ(data->ActivePictures[i]->Width(), expected[i].w) << i;
    EXPECT_EQ(data->ActivePictures[i]->Height(), expected[i].h) << i;
    EXPECT_EQ(data->ActivePictures[i]->PixelFormat(), expected[i].format) << i;
    EXPECT_EQ(data->ActivePictureNames.at(i), expected[i].name);
  }
  EXPECT_EQ(data->PictureName, "main.bmp");
  EXPECT_EQ(data->MaskName, "mask.bmp");
}

TEST_F(StoredSkinTest, RecordsSitWhereTheProgramLooksForThem) {
  EXPECT_EQ(data->SkinObjects.size(), 12u);
  EXPECT_EQ(data->SkinControls.size(), 63u);
  EXPECT_EQ(data->GetControlIndex("tab"), 12);
  EXPECT_EQ(data->GetControlIndex("resizetoolbutton"), 59);
  EXPECT_EQ(data->GetObjectIndex("caption"), 1);
  const char* objects[] = {
      "menuitem",           "caption",          "mainmenubaritem",  "menubarsysmenubutton",
      "menubarclosebutton", "menubarmaxbutton", "menubarminbutton", "closeanimate",
      "maxanimate",         "minanimate",       "rollupanimate",    "sysmenuanimate"};
  for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(data->SkinObjects[i]->IDName, objects[i]);
  for (const char* name :
       {"edit", "checkbox", "radiobox", "panel", "label", "stdlabel", "resizebutton", "hupdown"})
    EXPECT_GE(data->GetControlIndex(name), 0) << name;
}

TEST_F(StoredSkinTest, TheTabScrollerCoversBothArrowsTheRightWayUp) {
  const auto& updown =
      *data->SkinControls[static_cast<std::size_t>(data->GetControlIndex("hupdown"))];
  const auto& record = dynamic_cast<const TksDataSkinCustomControl&>(updown);
  EXPECT_LT(record.SkinRect.Top, record.SkinRect.Bottom);
  EXPECT_LT(record.SkinRect.Left, record.SkinRect.Right);
  EXPECT_NE(PieceKindOf(record.SkinRect, GeometryOf(record)), TksPieceKind::pkNone);
}

TEST_F(StoredSkinTest, FrameValues) {
  const TksSkinFrameValues& f = data->FormInfo;
  EXPECT_EQ(f.LTPoint, (TPoint{90, 33}));
  EXPECT_EQ(f.RTPoint, (TPoint{102, 32}));
  EXPECT_EQ(f.LBPoint, (TPoint{11, 106}));
  EXPECT_EQ(f.RBPoint, (TPoint{206, 104}));
  EXPECT_EQ(f.ClRect, (TRect{5, 30, 212, 110}));
  EXPECT_EQ(f.MaskRectArea, (TRect{4, 14, 214, 111}));
  EXPECT_EQ(f.HitTestLTPoint, (TPoint{13, 11}));
  EXPECT_EQ(f.HitTestRBPoint, (TPoint{210, 109}));
  EXPECT_EQ(f.BorderWidth, 3);
  EXPECT_EQ(f.MDIBGPictureIndex, 5);
  EXPECT_EQ(f.BGPictureIndex, -1);
  EXPECT_EQ(f.InActiveEffect, TksInActiveEffect::ieBrightness);
  EXPECT_EQ(data->SkinColors.cBtnFace, 15132390u);
  EXPECT_EQ(data->SkinColors.cHighLight, 3024790u);
  EXPECT_EQ(data->SkinColors.cBtnShadow, 10592673u);
  EXPECT_EQ(data->SkinColors.c3DLight, 0u);
  EXPECT_EQ(data->PopupWindow.WindowPictureIndex, 1);
  EXPECT_EQ(data->PopupWindow.MaskPictureIndex, 6);
  EXPECT_EQ(data->PopupWindow.ItemsRect, (TRect{5, 8, 47, 46}));
  EXPECT_EQ(data->PopupWindow.Corners.RightBottomPoint, (TPoint{36, 45}));
  EXPECT_EQ(data->PopupWindow.ScrollMarkerColor, 8421504u);
  EXPECT_EQ(data->PopupWindow.CursorIndex, -1);
}

TEST_F(StoredSkinTest, ControlValues) {
  const auto& tab = Control<TksDataSkinTabControl>("tab");
  EXPECT_EQ(tab.PictureIndex, 4);
  EXPECT_EQ(tab.SkinRect, (TRect{67, 130, 126, 182}));
  EXPECT_EQ(tab.TabRect, (TRect{4, 106, 63, 124}));
  EXPECT_EQ(tab.ActiveTabRect, (TRect{4, 147, 63, 166}));
  EXPECT_EQ(tab.FocusTabRect, (TRect{4, 168, 63, 187}));
  EXPECT_EQ(tab.TabsBGRect, (TRect{70, 132, 124, 152}));
  EXPECT_EQ(tab.UpDown, "hupdown");
  EXPECT_EQ(tab.TabLeftOffset, 3);
  const auto& button = Control<TksDataSkinButtonControl>("resizetoolbutton");
  EXPECT_EQ(button.SkinRect, (TRect{90, 224, 130, 263}));
  EXPECT_EQ(button.DownSkinRect, (TRect{173, 224, 213, 263}));
  EXPECT_EQ(button.ClientRect, (TRect{4, 5, 35, 34}));
  EXPECT_TRUE(button.StretchEffect && button.LeftStretch && button.BottomStretch);
  EXPECT_EQ(button.DisabledFontColor, 8421504u);
  TksPieceGeometry r = ResizedGeometry(GeometryOf(button), 40, 39, 113, 25);
  EXPECT_EQ(r.C, (TRect{4, 5, 108, 20}));
  const auto& edit = Control<TksDataSkinEditControl>("edit");
  EXPECT_EQ(edit.SkinRect, (TRect{225, 98, 282, 117}));
  EXPECT_EQ(PieceKindOf(edit.SkinRect, GeometryOf(edit)), TksPieceKind::pkHorizontal);
  const auto& check = Control<TksDataSkinCheckRadioControl>("checkbox");
  EXPECT_EQ(check.CheckImageRect, (TRect{43, 60, 58, 75}));
  EXPECT_EQ(check.ActiveUnCheckImageRect, (TRect{15, 60, 30, 75}));
  const auto& panel = Control<TksDataSkinPanelControl>("panel");
  EXPECT_EQ(PieceKindOf(panel.SkinRect, GeometryOf(panel)), TksPieceKind::pkFramed);
  EXPECT_EQ(panel.Font.Height, 12);
  const auto& label = Control<TksDataSkinLabelControl>("label");
  EXPECT_EQ(label.SkinRect, (TRect{200, 287, 225, 302}));
  const auto& stdLabel = Control<TksDataSkinStdLabelControl>("stdlabel");
  EXPECT_EQ(stdLabel.PictureIndex, -1);
  EXPECT_EQ(stdLabel.ActiveFontColor, 4802996u);
}

TEST_F(StoredSkinTest, CaptionAndButtons) {
  auto* caption = dynamic_cast<const TksDataSkinCaption*>(data->SkinObjects[1].get());
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->SkinRect, (TRect{58, 2, 131, 28}));
  EXPECT_TRUE(caption->Font.Style.Has(TFontStyle::fsBold));
  EXPECT_EQ(caption->Font.Height, 16);
  EXPECT_EQ(caption->Font.Color, 12632256u);
  EXPECT_EQ(caption->ActiveFontColor, 16777215u);
  EXPECT_TRUE(caption->Shadow);
  for (const char* name :
       {"closeanimate", "maxanimate", "minanimate", "rollupanimate", "sysmenuanimate"}) {
    auto* b = dynamic_cast<const TksDataSkinAnimate*>(
        data->SkinObjects.at(data->GetObjectIndex(name)).get());
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->CountFrames, 5);
    EXPECT_EQ(b->TimerInterval, 50);
    EXPECT_TRUE(b->ButtonStyle);
    EXPECT_FALSE(b->Cycle);
    int size = std::string(name) == "closeanimate" ? 25 : 19;
    EXPECT_EQ(b->SkinRect.Width(), size) << name;
    EXPECT_EQ(b->DownSkinRect.Left, b->ActiveSkinRect.Left + 4 * size) << name;
  }
  const int w = 217, h = 115;
  TksPieceGeometry g{data->FormInfo.LTPoint, data->FormInfo.RTPoint, data->FormInfo.LBPoint,
                     data->FormInfo.RBPoint, data->FormInfo.ClRect};
  EXPECT_EQ(PlaceFrameObject(caption->SkinRect, g, w, h, 813, 634), (TRect{58, 2, 727, 28}));
  auto* close = data->SkinObjects.at(data->GetObjectIndex("closeanimate")).get();
  EXPECT_EQ(PlaceFrameObject(close->SkinRect, g, w, h, 813, 634), close->SkinRect.Offset(596, 0));
  auto* sysmenu = data->SkinObjects.at(data->GetObjectIndex("sysmenuanimate")).get();
  EXPECT_EQ(PlaceFrameObject(sysmenu->SkinRect, g, w, h, 813, 634), sysmenu->SkinRect);
}

TEST_F(StoredSkinTest, TheFrameFor813By634) {
  const TksSkinFrameValues& f = data->FormInfo;
  TksPieceGeometry g{f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.ClRect};
  TksPieceGeometry r = ResizedGeometry(g, 217, 115, 813, 634);
  EXPECT_EQ(r.C.Width(), 803);
  EXPECT_EQ(r.C.Height(), 599);
  EXPECT_EQ(r.C.Left, 5);
  EXPECT_EQ(r.C.Top, 30);
  TksBorderStrips s = BuildBorderStrips(data->Picture, {0, 0, 217, 115}, g, r, 813, 634, {});
  EXPECT_EQ(s.Top.Width(), 813);
  EXPECT_EQ(s.Top.Height(), 30);
  EXPECT_EQ(s.Bottom.Height(), 5);
  EXPECT_EQ(s.Left.Height(), 599);
  EXPECT_EQ(s.Right.Width(), 5);
  // The mask rounds the top corners and keeps the rest of the window.
  TksPieceGeometry m{f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.MaskRectArea};
  auto region = BuildFramedRegion(data->Mask, m, ResizedGeometry(m, 217, 115, 813, 634), 813, 634);
  ASSERT_TRUE(region);
  EXPECT_FALSE(region->Contains(0, 0));
  EXPECT_FALSE(region->Contains(812, 0));
  EXPECT_TRUE(region->Contains(7, 0));
  EXPECT_TRUE(region->Contains(400, 0));
  EXPECT_TRUE(region->Contains(0, 300));
  EXPECT_TRUE(region->Contains(812, 320));
  EXPECT_TRUE(region->Contains(400, 633));
  EXPECT_EQ(region->BoundingBox(), (TRect{0, 0, 813, 634}));
}

}  // namespace
}  // namespace kx
