#include <gtest/gtest.h>

#include "platform/base/exception.h"
#include "skin/data/skin_data.h"

namespace kx {
namespace {

TEST(SkinValues, RectanglesDropEverythingButDigits) {
  EXPECT_EQ(ParseSkinRect("-1,2,3,4"), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(ParseSkinRect(" 10 , 20,30 ,  40 "), (TRect{10, 20, 30, 40}));
  EXPECT_EQ(ParseSkinRect("1,2,3,4,5"), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(ParseSkinPoint("90,33"), (TPoint{90, 33}));
}

TEST(SkinValues, AMissingOrEmptyPieceIsAConversionError) {
  for (const char* bad : {"1,2,3", "1,,3,4", "", "1,2,3,-", "5"}) {
    try {
      ParseSkinRect(bad);
      ADD_FAILURE() << bad;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'' is not a valid integer value") << bad;
    }
  }
  try {
    ParseSkinRect("1,2,3,99999999999");
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'99999999999' is not a valid integer value");
  }
  EXPECT_THROW(ParseSkinPoint("7"), EConvertError);
  EXPECT_EQ(ParseSkinRect("0,0,2147483647,1").Right, 2147483647);
}

TEST(SkinValues, WordsAreMatchedExactly) {
  TFontStyles boldItalic = ParseSkinFontStyle("fsbold,fsitalic");
  EXPECT_TRUE(boldItalic.Has(TFontStyle::fsBold));
  EXPECT_TRUE(boldItalic.Has(TFontStyle::fsItalic));
  EXPECT_FALSE(boldItalic.Has(TFontStyle::fsUnderline));
  EXPECT_EQ(ParseSkinFontStyle("fsBold,fsItalic").Bits(), 0);
  EXPECT_EQ(ParseSkinFontStyle("").Bits(), 0);
  EXPECT_EQ(ParseSkinFontStyle("[fsstrikeout fsunderline]").Bits(), 12);
  EXPECT_EQ(ParseSkinAlignment("taCenter"), TAlignment::taRightJustify);
  EXPECT_EQ(ParseSkinAlignment("taleftjustify"), TAlignment::taLeftJustify);
  EXPECT_EQ(ParseSkinInActiveEffect("iesplitblur"), TksInActiveEffect::ieSplitBlur);
  EXPECT_EQ(ParseSkinInActiveEffect("blur"), TksInActiveEffect::ieGrayscale);
  EXPECT_EQ(ParseSkinMorphKind("mkpush"), TksMorphKind::mkPush);
  EXPECT_EQ(ParseSkinMorphKind("mkPush"), TksMorphKind::mkDefault);
  EXPECT_EQ(ParseSkinCommand("cmrollup"), TksStdCommand::cmRollUp);
  EXPECT_EQ(ParseSkinCommand("cmhelp"), TksStdCommand::cmMinimizeToTray);
  EXPECT_EQ(static_cast<int>(ParseSkinCommand("cmminimizetotray")), 6);
}

// TksSkinData is a component and cannot be copied; the tests keep it on the heap.
std::unique_ptr<TksSkinData> Load(const std::string& text) {
  auto data = std::make_unique<TksSkinData>(nullptr);
  data->LoadDefinition(TMemIniFile(text));
  return data;
}

TEST(SkinDefinition, MissingKeysTakeTheirDefaultsAndMissingColoursAreBlack) {
  auto data = Load("[SKINCOLORS]\ncbtnface=15132390\n[SKINCONTROLS]\ncount=1\n0=edit:edit\n");
  EXPECT_EQ(data->SkinColors.cBtnFace, 15132390u);
  EXPECT_EQ(data->SkinColors.c3DLight, 0u);
  EXPECT_EQ(data->FormInfo.BGPictureIndex, -1);
  EXPECT_EQ(data->FormInfo.InActiveEffect, TksInActiveEffect::ieBrightness);
  ASSERT_EQ(data->SkinControls.size(), 1u);
  auto* edit = dynamic_cast<TksDataSkinEditControl*>(data->SkinControls[0].get());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->PictureIndex, -1);
  EXPECT_EQ(edit->Font.Name, "Arial");
  EXPECT_EQ(edit->Font.Height, 14);
  EXPECT_EQ(edit->SkinRect, TRect{});
}

TEST(SkinDefinition, RecordsReadTheirSectionWithCaseFreeKeys) {
  auto data = Load(
      "[SKINOBJECTS]\ncount=3\n0=mainmenubaritem:mainmenubaritem\n1=closeanimate:animate\n2=me:"
      "userobject\n"
      "[MAINMENUBARITEM]\nUnEnabledFontColor=255\nfontstyle=fsbold\nanimateinterval=x\n"
      "[closeanimate]\nmorphing=1\ncommand=cmclose\ncountframes=5\nbuttonstyle=1\nskinrect=1, 2, "
      "3, 4\n"
      "[me]\nhint=ignored\nskinrect=5,6,7,8\nrollup=1\n");
  ASSERT_EQ(data->SkinObjects.size(), 3u);
  auto* item = dynamic_cast<TksDataSkinMainMenuBarItem*>(data->SkinObjects[0].get());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->UnEnabledFontColor, 255u);
  EXPECT_TRUE(item->Font.Style.Has(TFontStyle::fsBold));
  EXPECT_EQ(item->AnimateInterval, 25);  // not a number: the default
  auto* animate = dynamic_cast<TksDataSkinAnimate*>(data->SkinObjects[1].get());
  ASSERT_NE(animate, nullptr);
  EXPECT_FALSE(animate->Morphing);
  EXPECT_EQ(animate->Command, TksStdCommand::cmClose);
  EXPECT_EQ(animate->CountFrames, 5);
  EXPECT_TRUE(animate->ButtonStyle);
  EXPECT_EQ(animate->TimerInterval, 50);
  EXPECT_EQ(animate->SkinRect, (TRect{1, 2, 3, 4}));
  auto* user = data->SkinObjects[2].get();
  EXPECT_EQ(user->Hint, "");  // a user object reads only its three keys
  EXPECT_TRUE(user->RollUp);
  EXPECT_EQ(user->SkinRect, (TRect{5, 6, 7, 8}));
}

TEST(SkinDefinition, BadEntriesAreSkippedAndLookupsFindTheFirstName) {
  auto data = Load(
      "[SKINCONTROLS]\ncount=6\n0=nocolon\n1=x:nosuchkind\n2=b:button\n3=b:panel\n4=t:tab\n5=u:"
      "updown\n"
      "[b]\nskinrect=1,1,2,2\n[u]\nlefttoppoint=3,3\nclientrect=1,1,9,9\nupbuttonrect=1,2,3,4\n"
      "[t]\nfontcolor=abc\nupdown=hupdown\n");
  ASSERT_EQ(data->SkinControls.size(), 4u);
  EXPECT_EQ(data->GetControlIndex("b"), 0);
  EXPECT_NE(dynamic_cast<TksDataSkinButtonControl*>(data->SkinControls[0].get()), nullptr);
  EXPECT_EQ(data->GetControlIndex("t"), 2);
  EXPECT_EQ(data->GetControlIndex("T"), -1);
  EXPECT_EQ(data->GetControlIndex("x"), -1);
  EXPECT_EQ(data->GetObjectIndex("b"), -1);
  auto* tab = dynamic_cast<TksDataSkinTabControl*>(data->SkinControls[2].get());
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(tab->UpDown, "hupdown");
  EXPECT_EQ(tab->Font.Color, 0u);
  auto* updown = dynamic_cast<TksDataSkinUpDownControl*>(data->SkinControls[3].get());
  ASSERT_NE(updown, nullptr);
  EXPECT_EQ(updown->LeftTopPoint, TPoint{});
  EXPECT_EQ(updown->ClientRect, TRect{});
  EXPECT_EQ(updown->Buttons.UpButtonRect, (TRect{1, 2, 3, 4}));
}

TEST(SkinDefinition, AHugeListCountCostsNoMoreThanTheKeysItHas) {
  // Thirty bytes that once asked for ten million entries.
  auto data = Load("[SKINCONTROLS]\ncount=10000000\n0=b:button\n[b]\nskinrect=1,1,2,2\n");
  EXPECT_EQ(data->SkinControls.size(), 1u);
  TMemIniFile ini("[PICTURES]\nactivepicturescount=2000000000\n0=a.bmp\n1=b.bmp\n");
  std::vector<std::string> names;
  SkinKeys(ini, "PICTURES").List("activepictures", names);
  EXPECT_EQ(names, (std::vector<std::string>{"a.bmp", "b.bmp"}));
}

TEST(SkinDefinition, ASectionThatOccursTwiceIsReadFromItsLaterOccurrence) {
  auto data = Load(
      "[SKINCONTROLS]\ncount=1\n0=b:button\n[b]\nskinrect=1,1,2,2\ndownskinrect=5,5,6,6\n"
      "[b]\nskinrect=3,3,4,4\n");
  ASSERT_EQ(data->SkinControls.size(), 1u);
  auto* button = dynamic_cast<TksDataSkinButtonControl*>(data->SkinControls[0].get());
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->SkinRect, (TRect{3, 3, 4, 4}));
  EXPECT_EQ(button->DownSkinRect, TRect{});  // only in the earlier occurrence
}

TEST(SkinDefinition, AreasAreNamedRectangles) {
  auto data = Load("[SKINAREAS]\ncount=2\n0=logo:1,2,3,4\n1=strip:0,5,10,6\n");
  ASSERT_EQ(data->SkinAreas.size(), 2u);
  EXPECT_EQ(data->GetAreaIndex("strip"), 1);
  EXPECT_EQ(data->SkinAreas[0].AreaRect, (TRect{1, 2, 3, 4}));
}

TEST(SkinDefinition, ABadRectangleEndsTheLoadKeepingEarlierRecords) {
  TksSkinData data(nullptr);
  EXPECT_THROW(
      data.LoadDefinition(TMemIniFile("[SKINCONTROLS]\ncount=3\n0=a:label\n1=b:label\n2=c:label\n"
                                      "[b]\nskinrect=1,2,3\n")),
      EConvertError);
  EXPECT_EQ(data.SkinControls.size(), 2u);  // "b" was appended before it read its section
}

const char* kFormInfo =
    "[FORMINFO]\nlefttoppoint=90,33\nrighttoppoint=102,32\nleftbottompoint=11,"
    "106\nrightbottompoint=206,104\n"
    "clientrect=5,30,212,110\nmaskrectarea=4,14,214,111\nhittestlefttoppoint=0,"
    "7\nhittestrighttoppoint=200,12\n"
    "hittestleftbottompoint=5,109\nhittestrightbottompoint=3,0\n";

TEST(SkinDefinition, FormInfoCompletionNeedsAMaskName) {
  auto plain = Load(kFormInfo);
  EXPECT_EQ(plain->FormInfo.HitTestLTPoint, (TPoint{0, 7}));
  EXPECT_EQ(plain->FormInfo.MaskRectArea, (TRect{4, 14, 214, 111}));
  auto masked = Load(std::string("[PICTURES]\nmask=mask.bmp\n") + kFormInfo);
  EXPECT_EQ(masked->FormInfo.HitTestLTPoint, (TPoint{90, 33}));
  EXPECT_EQ(masked->FormInfo.HitTestRTPoint, (TPoint{200, 12}));
  EXPECT_EQ(masked->FormInfo.HitTestRBPoint, (TPoint{206, 104}));
  EXPECT_EQ(masked->FormInfo.MaskRectArea, (TRect{4, 14, 214, 111}));
  auto empty =
      Load("[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=5,30,212,110\nmaskrectarea=4,4,4,9\n");
  EXPECT_EQ(empty->FormInfo.MaskRectArea, (TRect{5, 30, 212, 110}));
  auto widened = Load(
      "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=5,30,212,110\nmaskrectarea=10,10,100,120\n");
  EXPECT_EQ(widened->FormInfo.MaskRectArea, (TRect{5, 10, 212, 120}));
}

TEST(SkinDefinition, CornerPointsAreMovedIntoTheClientRectangle) {
  auto data = Load(
      "[FORMINFO]\nlefttoppoint=2,3\nrighttoppoint=250,1\nleftbottompoint=1,200\nrightbottompoint="
      "300,300\n"
      "clientrect=5,30,212,110\n");
  EXPECT_EQ(data->FormInfo.LTPoint, (TPoint{5, 30}));
  EXPECT_EQ(data->FormInfo.RTPoint, (TPoint{212, 30}));
  EXPECT_EQ(data->FormInfo.LBPoint, (TPoint{5, 110}));
  EXPECT_EQ(data->FormInfo.RBPoint, (TPoint{212, 110}));
  auto same =
      Load("[FORMINFO]\nlefttoppoint=2,3\nrightbottompoint=2,300\nclientrect=5,30,212,110\n");
  EXPECT_EQ(same->FormInfo.LTPoint, (TPoint{2, 3}));
}

TEST(SkinDefinition, PicturesAndVersionAreStored) {
  auto data = Load(
      "[VERSION]\nskinname=Kestrix "
      "Red\nskinauthor=Kestrix\n[PICTURES]\npicture=main.bmp\nmask=mask.bmp\n"
      "activepicturescount=2\n0=active.BMP\n1=pw.bmp\n");
  EXPECT_EQ(data->SkinName, "Kestrix Red");
  EXPECT_EQ(data->PictureName, "main.bmp");
  EXPECT_EQ(data->ActivePictureNames, (std::vector<std::string>{"active.BMP", "pw.bmp"}));
}

TEST(SkinDefinition, SavedRecordsReadBackTheSame) {
  TksDataSkinCheckRadioControl check("checkbox");
  check.PictureIndex = 4;
  check.SkinRect = {1, 2, 3, 4};
  check.Font.Style = TFontStyle::fsBold + TFontStyle::fsItalic;
  check.MorphKind = TksMorphKind::mkLeftSlide;
  check.UnEnabledCheckImageRect = {9, 8, 7, 6};
  std::vector<std::string> lines;
  check.SaveToIni(lines);
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  TksDataSkinCheckRadioControl back("checkbox");
  back.LoadFromIni(TMemIniFile(text));
  EXPECT_EQ(back.PictureIndex, 4);
  EXPECT_EQ(back.SkinRect, check.SkinRect);
  EXPECT_EQ(back.Font.Style, check.Font.Style);
  EXPECT_EQ(back.MorphKind, TksMorphKind::mkLeftSlide);
  EXPECT_EQ(back.UnEnabledCheckImageRect, check.UnEnabledCheckImageRect);
}

}  // namespace
}  // namespace kx
