#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/data/skin_data.h"
#include "tests/skin/skin_controls_fixture.h"

namespace kx {
namespace {

// Every self-drawn skinned control, placed without a skin.
class SkinLinkTest : public SkinControlsTest {
 protected:
  SkinLinkTest() {
    controls = {Place<TksSkinButton>({10, 10, 85, 35}, nullptr),
                Place<TksSkinCheckRadioBox>({10, 40, 160, 65}, nullptr),
                Place<TksSkinLabel>({10, 70, 85, 91}, nullptr),
                Place<TksSkinPanel>({200, 10, 350, 160}, nullptr),
                Place<TksSkinPasswordEdit>({10, 100, 131, 121}, nullptr)};
    pages = Place<TksSkinPageControl>({400, 10, 600, 130}, nullptr);
    empty = new TksSkinData(form);
  }
  std::vector<TksSkinControl*> controls;
  TksSkinPageControl* pages = nullptr;
  TksSkinData* empty = nullptr;
};

TEST_F(SkinLinkTest, AnEmptySkinLeavesEveryControlInItsOwnLook) {
  ASSERT_TRUE(empty->Empty());
  for (TksSkinControl* c : controls) {
    c->SetSkinData(empty);
    EXPECT_EQ(c->SkinData(), empty);
    EXPECT_EQ(c->SkinIndex(), -1);
    c->SetSkinData(data);
    EXPECT_GE(c->SkinIndex(), 0) << c->SkinDataName();
    c->SetSkinData(empty);
    EXPECT_EQ(c->SkinIndex(), -1) << c->SkinDataName();
  }
  pages->SetSkinData(data);
  EXPECT_GE(pages->SkinIndex(), 0);
  pages->SetSkinData(empty);
  EXPECT_EQ(pages->SkinIndex(), -1);
}

TEST_F(SkinLinkTest, AnEmptySkinGivesAnUnskinnedControlItsDefaultSizeAtOnce) {
  auto* button = dynamic_cast<TksSkinButton*>(controls[0]);
  button->SetDefaultWidth(100);
  button->SetDefaultHeight(40);
  button->SetSkinDataName("resizetoolbutton");
  button->SetSkinData(data);
  button->SetBounds(10, 10, 60, 30);
  EXPECT_EQ(button->Width(), 60);
  button->SetSkinData(empty);
  EXPECT_EQ(button->BoundsRect(), (TRect{10, 10, 110, 50}));
}

TEST_F(SkinLinkTest, ADestroyedSkinIsLetGoByEveryControl) {
  auto* second = new TksSkinData(form);
  second->SetCompressedStoredSkin(stored);
  ASSERT_FALSE(second->Empty());
  for (TksSkinControl* c : controls) c->SetSkinData(second);
  pages->SetSkinData(second);
  auto* label = new TksSkinStdLabel(form);
  label->SetParent(form);
  label->SetSkinData(second);
  auto* shadow = new TksSkinShadowLabel(form);
  shadow->SetParent(form);
  shadow->SetSkinData(second);
  for (TksSkinControl* c : controls) ASSERT_GE(c->SkinIndex(), 0);
  delete second;
  for (TksSkinControl* c : controls) {
    EXPECT_EQ(c->SkinData(), nullptr);
    EXPECT_EQ(c->SkinIndex(), -1);
  }
  EXPECT_EQ(pages->SkinData(), nullptr);
  EXPECT_EQ(pages->SkinIndex(), -1);
  EXPECT_EQ(label->SkinData(), nullptr);
  EXPECT_EQ(shadow->SkinData(), nullptr);
  Settle();  // and everything paints without it
}

TEST_F(SkinLinkTest, ARecordOfAnotherKindCountsAsNone) {
  pages->SetSkinDataName("button");
  pages->SetSkinData(data);
  EXPECT_EQ(pages->SkinIndex(), -1);
  pages->SetSkinDataName("tab");
  EXPECT_GE(pages->SkinIndex(), 0);
  // A self-drawn control takes any record, but a record that is not framed gives it no picture.
  auto* button = dynamic_cast<TksSkinButton*>(controls[0]);
  button->SetSkinDataName("tab");
  button->SetSkinData(data);
  EXPECT_GE(button->SkinIndex(), 0);
  EXPECT_EQ(button->PieceKind(), TksPieceKind::pkFixed);
}

TEST_F(SkinLinkTest, SkinnedControlsPaintTheSkinsColoursInPlaceOfTheSystemOnes) {
  // The scroller of overflowing tabs is drawn in plain colours: the skin's.
  data->SkinColors.cBtnFace = 0x123456;
  pages->SetBounds(400, 10, 200, 120);
  for (int i = 0; i < 5; ++i) {
    auto* sheet = new TksSkinTabSheet(form);
    sheet->SetPageControl(pages);
    sheet->SetCaption("A long caption " + std::to_string(i));
  }
  pages->SetSkinData(data);
  Settle();
  ASSERT_NE(pages->Scroller(), nullptr);
  EXPECT_EQ(session.driver.ClientPixel(pages->Scroller()->Handle(), {3, 3}), TColor{0x123456});
}

}  // namespace
}  // namespace kx
