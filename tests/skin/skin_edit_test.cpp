#include "skin/controls/skin_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/color.h"
#include "skin/data/skin_data.h"
#include "skin/menu/skin_menu.h"
#include "skin/menu/skin_popup_menu.h"
#include "tests/skin/skin_controls_fixture.h"

namespace kx {
namespace {

// The login field as the window places it: 273 wide on the "edit" skin.
class SkinEditTest : public SkinControlsTest {
 protected:
  TksDataSkinEditControl& EditRecord() {
    auto index = static_cast<std::size_t>(data->GetControlIndex("edit"));
    return dynamic_cast<TksDataSkinEditControl&>(*data->SkinControls[index]);
  }
  TksSkinEdit& Edit(TksSkinData* skin, const std::string& text = "demo") {
    auto* edit = Place<TksSkinEdit>({40, 40, 313, 58}, skin);
    edit->SetCaption(text);
    Settle();
    return *edit;
  }
  // The enabled flags of the context menu's items, in their order.
  std::vector<bool> MenuEnabled(TksSkinEdit& edit) {
    session.driver.Advance(1000);
    session.driver.Click(OnScreen(edit, {100, 8}), 1);
    Settle();
    std::vector<bool> enabled;
    TksSkinPopupMenu* menu = edit.ContextMenu();
    if (!menu) return enabled;
    for (int i = 0; i < menu->Items().Count(); ++i) {
      const TMenuItem* item = menu->Items().Items(i);
      if (!item->IsLine()) enabled.push_back(item->Enabled);
    }
    session.driver.PressKey(VK_ESCAPE);
    Settle();
    return enabled;
  }
};

TEST_F(SkinEditTest, TheSkinTakesTheFieldToItsHeightAndFrame) {
  TksSkinEdit& edit = Edit(data);
  EXPECT_EQ(edit.Height(), 19);
  EXPECT_EQ(edit.ClientRect().Width(), 273 - 4);
  // The frame is the "edit" strip: its left part at the left edge.
  EXPECT_EQ(PixelOf(edit, {0, 9}), SkinPixel({225, 98 + 9}));
  EXPECT_EQ(PixelOf(edit, {272, 9}), SkinPixel({281, 98 + 9}));
}

TEST_F(SkinEditTest, TheTextStartsTwoPixelsInsideTheFrame) {
  TksSkinEdit& edit = Edit(data);
  EXPECT_EQ(edit.LeftMargin(), 2);
  EXPECT_EQ(edit.RightMargin(), 0);
  // Frame 2 + margin 2: no text in the first four columns.
  EXPECT_EQ(CountNear(edit, {0, 2, 4, 17}, clBlack), 0);
  EXPECT_GT(CountNear(edit, {4, 2, 40, 17}, clBlack), 5);
  edit.SetFont(TFont("Arial", 16, {}, clBlack));
  EXPECT_EQ(edit.LeftMargin(), 2);
  EXPECT_EQ(edit.RightMargin(), 0);
}

TEST_F(SkinEditTest, TheSelectionIsTheSkinsHighlight) {
  TksSkinEdit& edit = Edit(data, "some text");
  edit.SetFocus();
  edit.SelectAll();
  Settle();
  const TColor highlight = data->SkinColors.cHighLight;
  ASSERT_NE(highlight, ColorToRGB(clHighlight));
  EXPECT_GT(CountOf(edit, {2, 2, 271, 17}, highlight), 40);
  EXPECT_EQ(CountOf(edit, {2, 2, 271, 17}, ColorToRGB(clHighlight)), 0);
  // Unskinned it is the system's.
  TksSkinEdit& plain = Edit(nullptr, "some text");
  plain.SetBounds(40, 80, 273, 20);
  plain.SetFocus();
  plain.SelectAll();
  Settle();
  EXPECT_GT(CountOf(plain, {2, 2, 271, 18}, ColorToRGB(clHighlight)), 40);
}

TEST_F(SkinEditTest, TheTextColourFollowsMouseFocusAndEnabling) {
  EditRecord().Font.Color = 0x203040;
  EditRecord().ActiveFontColor = 0x2020C0;
  TksSkinEdit& edit = Edit(data);
  EXPECT_EQ(edit.Font().Color(), TColor{0x203040});
  session.driver.MoveTo(OnScreen(edit, {100, 8}));
  Settle();
  EXPECT_EQ(edit.Font().Color(), TColor{0x2020C0});
  EXPECT_GT(CountNear(edit, {2, 2, 200, 17}, TColor{0x2020C0}), 5);
  session.driver.MoveTo(OnScreen(edit, {100, 80}));
  Settle();
  EXPECT_EQ(edit.Font().Color(), TColor{0x203040});
  edit.SetFocus();
  Settle();
  EXPECT_EQ(edit.Font().Color(), TColor{0x2020C0});
  edit.SetEnabled(false);
  Settle();
  EXPECT_EQ(edit.Font().Color(), TColor{8421504});
}

TEST_F(SkinEditTest, ADisabledFieldDrawsItsOwnGreyText) {
  TksSkinEdit& edit = Edit(data, "disabled");
  const TColor grey{8421504};
  edit.SetEnabled(false);
  Settle();
  EXPECT_GT(CountNear(edit, {2, 2, 271, 17}, grey), 10);
  EXPECT_EQ(CountNear(edit, {2, 2, 271, 17}, clBlack), 0);
  // Unskinned it is the system's grey text.
  TksSkinEdit& plain = Edit(nullptr, "disabled");
  plain.SetBounds(40, 80, 273, 20);
  plain.SetEnabled(false);
  Settle();
  EXPECT_GT(CountNear(plain, {2, 2, 271, 18}, ColorToRGB(clGrayText)), 10);
}

TEST_F(SkinEditTest, ThePlainFieldHasAShadowFrameWithAFaceFrameInside) {
  TksSkinEdit& plain = Edit(nullptr);
  plain.SetBounds(40, 40, 200, 22);
  Settle();
  EXPECT_EQ(PixelOf(plain, {0, 10}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(plain, {1, 10}), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelOf(plain, {199, 21}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(plain, {3, 3}), ColorToRGB(clWindow));
}

TEST_F(SkinEditTest, TheContextMenuEnablesWhatTheFieldCanDo) {
  TksSkinEdit& edit = Edit(data, "some text");
  ASSERT_FALSE(session.system.HasClipboardText());
  // Undo, Cut, Copy, Paste, Delete, Select All.
  edit.SetFocus();
  edit.SetSel(0, 0);
  EXPECT_EQ(MenuEnabled(edit), (std::vector<bool>{false, false, false, false, false, true}));
  session.system.SetClipboardText(u"clip");
  edit.SelectAll();
  EXPECT_EQ(MenuEnabled(edit), (std::vector<bool>{false, true, true, true, true, false}));
  edit.SetReadOnly(true);
  edit.SelectAll();
  EXPECT_EQ(MenuEnabled(edit), (std::vector<bool>{false, false, true, false, false, false}));
  edit.SetReadOnly(false);
  session.driver.TypeText("x");
  EXPECT_EQ(MenuEnabled(edit)[0], true);  // something to undo
}

TEST_F(SkinEditTest, TheContextMenuRunsItsItems) {
  TksSkinEdit& edit = Edit(data, "some text");
  edit.SetFocus();
  edit.SelectAll();
  session.driver.Click(OnScreen(edit, {100, 8}), 1);
  Settle();
  TksSkinPopupMenu* menu = edit.ContextMenu();
  ASSERT_NE(menu, nullptr);
  TMenuItem* copy = menu->Items().Items(3);
  ASSERT_EQ(copy->Caption, "Copy");
  copy->OnClick(copy);
  EXPECT_EQ(session.system.GetClipboardText(), u"some text");
  session.driver.PressKey(VK_ESCAPE);
  Settle();
}

int TextHeight(const TFont& font) {
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = font;
  return scratch.Canvas().TextHeight("Wg");
}

TEST_F(SkinEditTest, AnUnskinnedFieldTakesItsDefaultsAtOnce) {
  TksSkinEdit& plain = Edit(nullptr);
  const TFont blue("Arial", 20, {}, 0xC00000);
  plain.SetDefaultFont(blue);
  EXPECT_TRUE(plain.Font().SameLook(blue));
  EXPECT_EQ(plain.Font().Color(), blue.Color());
  Settle();
  EXPECT_GT(CountNear(plain, {2, 2, 200, plain.Height() - 2}, blue.Color()), 10);
  plain.SetDefaultWidth(150);
  EXPECT_EQ(plain.Width(), 150);
  plain.SetDefaultHeight(26);
  EXPECT_EQ(plain.Height(), 26);
}

TEST_F(SkinEditTest, WithoutTheSkinsFontTheHeightFollowsTheFont) {
  TksSkinEdit& edit = Edit(data);
  ASSERT_EQ(edit.Height(), 19);
  const TFont font("Arial", 22, {}, clBlack);
  edit.SetDefaultFont(font);  // the skin's font is still drawn
  EXPECT_EQ(edit.Height(), 19);
  EXPECT_EQ(edit.Font().Height(), 14);
  // The frame adds 19 - 15 pixels to the text's height.
  edit.SetUseSkinFont(false);
  EXPECT_TRUE(edit.Font().SameLook(font));
  EXPECT_EQ(edit.Height(), TextHeight(font) + 4);
  const TFont bigger("Arial", 30, {}, clBlack);
  edit.SetFont(bigger);
  EXPECT_EQ(edit.Height(), TextHeight(bigger) + 4);
  edit.SetUseSkinFont(true);
  EXPECT_EQ(edit.Height(), 19);
  EXPECT_EQ(edit.Font().Height(), 14);
}

TEST_F(SkinEditTest, ANewFieldIsTwentyHighInBlackArialWithoutABorder) {
  auto* edit = new TksSkinEdit(form);  // owned by the form
  EXPECT_EQ(edit->Height(), 20);
  EXPECT_TRUE(edit->Font().SameLook(TFont("Arial", 14)));
  EXPECT_EQ(edit->Font().Color(), clBlack);
  EXPECT_EQ(edit->DefaultFont(), edit->Font());
  EXPECT_EQ(edit->BorderStyle(), TEditBorderStyle::bsNone);
}

TEST_F(SkinEditTest, APlainFieldRepaintsInItsNewDefaultColour) {
  TksSkinEdit& plain = Edit(nullptr, "");
  plain.SetDefaultColor(0xE0F0D0);
  Settle();
  EXPECT_EQ(PixelOf(plain, {150, 8}), TColor{0xE0F0D0});
}

}  // namespace
}  // namespace kx
