#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/menu/skin_popup_menu.h"
#include "tests/skin/skinned_form.h"

namespace kx {
namespace {

using SkinFrameTest = SkinnedFormTest;

TEST_F(SkinFrameTest, TheClientAreaLiesInsideTheSkinsBorders) {
  ASSERT_TRUE(frame->SkinUsable());
  EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 803, 599}));
  EXPECT_EQ(form->ClientToScreen({0, 0}), At({5, 30}));
  EXPECT_EQ(frame->Geometry().Client(), (TRect{5, 30, 808, 629}));
}

TEST_F(SkinFrameTest, TheStoredSkinGivesSixObjectsPlacedWithTheWindow) {
  std::vector<std::string> names;
  for (const auto& o : frame->Objects()) names.push_back(o->IDName);
  EXPECT_EQ(names, (std::vector<std::string>{"caption", "closeanimate", "maxanimate", "minanimate",
                                             "rollupanimate", "sysmenuanimate"}));
  // The caption grows with the width, the right-hand buttons move with it.
  int dW = 813 - data->Picture.Width();
  EXPECT_EQ(Object("caption").ObjectRect, (TRect{58, 2, 131 + dW, 28}));
  EXPECT_EQ(Object("closeanimate").ObjectRect, Object("closeanimate").SkinRect.Offset(dW, 0));
  EXPECT_EQ(Object("sysmenuanimate").ObjectRect, Object("sysmenuanimate").SkinRect);
}

TEST_F(SkinFrameTest, TheSizeLimitsComeFromThePicture) {
  MINMAXINFO info{};
  SendMessage(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize, (TPoint{217, 35}));
  EXPECT_EQ(frame->MinimumSize(), (TSize{217, 35}));
}

TEST_F(SkinFrameTest, TheTopCornersAreRoundedByTheMaskAtEverySize) {
  TColor desktop = session.driver.ScreenPixel({5, 5});
  for (TSize size : {TSize{813, 634}, TSize{400, 300}, TSize{1000, 700}}) {
    form->SetBounds(100, 50, size.cx, size.cy);
    Settle();
    EXPECT_EQ(session.driver.ScreenPixel(At({0, 0})), desktop) << size.cx;
    EXPECT_EQ(session.driver.ScreenPixel(At({size.cx - 1, 0})), desktop) << size.cx;
    EXPECT_NE(session.driver.ScreenPixel(At({size.cx / 2, 1})), desktop) << size.cx;
    EXPECT_NE(session.driver.ScreenPixel(At({size.cx / 2, size.cy - 2})), desktop) << size.cx;
  }
}

TEST_F(SkinFrameTest, DisabledButtonsKeepTheirFirstImageAndIgnoreTheMouse) {
  for (const char* name : {"maxanimate", "rollupanimate"}) {
    TksActiveSkinObject& o = Object(name);
    EXPECT_FALSE(o.Enabled) << name;
    EXPECT_TRUE(o.Visible) << name;
    TPoint inside{o.ObjectRect.Left + 5, o.ObjectRect.Top + 5};
    TColor before = Pixel(inside);
    session.driver.MoveTo(Middle(o));
    session.driver.Advance(300);
    session.driver.Click(Middle(o));
    session.driver.Advance(300);
    Settle();
    EXPECT_EQ(Pixel(inside), before) << name;
    EXPECT_EQ(WindowRect(), (TRect{100, 50, 913, 684})) << name;
  }
}

TEST_F(SkinFrameTest, HoveringTheCloseButtonPlaysItsFramesAndLeavingPlaysThemBack) {
  auto& close = dynamic_cast<TksSkinAnimateObject&>(Object("closeanimate"));
  // The frames seen every 25 ms, and when each new one appeared.
  auto watch = [&](int ms) {
    std::vector<std::pair<int, int>> changes;
    int last = close.CurrentFrame();
    for (int t = 25; t <= ms; t += 25) {
      session.driver.Advance(25);
      if (close.CurrentFrame() != last) changes.emplace_back(last = close.CurrentFrame(), t);
    }
    return changes;
  };
  session.driver.MoveTo(Middle(close));
  auto forwards = watch(400);
  ASSERT_EQ(forwards.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(forwards[i].first, static_cast<int>(i) + 2);
    if (i > 0) {
      EXPECT_EQ(forwards[i].second - forwards[i - 1].second, 50);
    }
  }
  session.driver.MoveTo(At({400, 300}));
  auto backwards = watch(400);
  ASSERT_EQ(backwards.size(), 4u);
  EXPECT_EQ(backwards.front().first, 4);
  EXPECT_EQ(backwards.back().first, 1);
}

TEST_F(SkinFrameTest, NothingAnimatesWhileTheWindowIsInactive) {
  TForm* other = new TForm(nullptr);
  other->SetBounds(1000, 700, 200, 100);
  other->Show();
  Settle();
  ASSERT_FALSE(frame->WindowActive());
  auto& close = dynamic_cast<TksSkinAnimateObject&>(Object("closeanimate"));
  session.driver.MoveTo(Middle(close));
  session.driver.Advance(300);
  EXPECT_EQ(close.CurrentFrame(), 1);
  EXPECT_EQ(frame->HoverIndex(), -1);
  delete other;
}

TEST_F(SkinFrameTest, PressingCloseShowsTheLastFrameAndReleasingOutsideOnlyBringsItUp) {
  auto& close = dynamic_cast<TksSkinAnimateObject&>(Object("closeanimate"));
  session.driver.MoveTo(Middle(close));
  session.driver.Advance(100);
  session.driver.Press();
  Settle();
  EXPECT_TRUE(close.Down());
  EXPECT_EQ(close.CurrentFrame(), 5);
  session.driver.MoveTo(At({400, 300}));
  session.driver.Release();
  session.driver.Advance(400);
  Settle();
  EXPECT_FALSE(close.Down());
  EXPECT_TRUE(IsWindow(Window()));
  // Released over it, it closes the window.
  session.driver.MoveTo(Middle(close));
  session.driver.Advance(100);
  session.driver.Press();
  session.driver.Release();
  Settle();
  EXPECT_TRUE(app.Terminated());  // the main window's close ends the program
}

TEST_F(SkinFrameTest, TheCaptionMovesTheWindowAndTheRestOfTheFrameDoesNot) {
  session.driver.Drag(At({300, 12}), At({340, 42}));
  Settle();
  EXPECT_EQ(WindowRect().TopLeft(), (TPoint{140, 80}));
  session.driver.Advance(1000);
  session.driver.Drag(At({2, 300}), At({60, 330}));  // the left border: not sizeable
  Settle();
  EXPECT_EQ(WindowRect(), (TRect{140, 80, 953, 714}));
  EXPECT_EQ(SendMessage(Window(), WM_NCHITTEST, 0, LParamFromPoint(At({300, 12}))), HTCAPTION);
  EXPECT_EQ(SendMessage(Window(), WM_NCHITTEST, 0, LParamFromPoint(At({300, 300}))), HTCLIENT);
}

TEST_F(SkinFrameTest, DoubleClickingTheCaptionChangesNothing) {
  session.driver.DoubleClick(At({300, 12}));
  Settle();
  EXPECT_EQ(WindowRect(), (TRect{100, 50, 913, 684}));
  EXPECT_EQ(frame->WindowState(), TksWindowState::wsNormal);
  EXPECT_FALSE(frame->RolledUp());
}

TEST_F(SkinFrameTest, TheSystemMenuOpensBelowItsButtonAndWithAltSpace) {
  auto items = [this] {
    std::vector<std::string> captions;
    for (const auto& popup : frame->SkinMenu().Popups())
      for (const auto& item : popup->Items()) captions.push_back(item->Item().Caption);
    return captions;
  };
  const std::vector<std::string> expected{"Mi&nimize", "-", "&Close"};
  TksActiveSkinObject& button = Object("sysmenuanimate");
  session.driver.MoveTo(Middle(button));
  session.driver.Advance(100);
  session.driver.Press();
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_EQ(items(), expected);
  HWND popup = frame->SkinMenu().Popups().front()->Handle();
  EXPECT_EQ(GetWindowRect(popup).TopLeft(), At({button.ObjectRect.Left, button.ObjectRect.Bottom}));
  session.driver.Release();
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_FALSE(frame->InMenuMode());
  session.driver.PressKey(VK_SPACE, TestDriver::Alt);
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_EQ(items(), expected);
  // Choosing "Close" by its accelerator closes the window after the menu.
  session.driver.PressKey('C');
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_TRUE(app.Terminated());
}

TEST_F(SkinFrameTest, ARightClickOnTheCaptionOpensTheSystemMenuAtTheCursor) {
  session.driver.Click(At({300, 12}), 1);
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_EQ(GetWindowRect(frame->SkinMenu().Popups().front()->Handle()).TopLeft(), At({300, 12}));
}

TEST_F(SkinFrameTest, ANarrowCaptionEndsInAnEllipsis) {
  form->SetCaption("A caption far too long to fit the caption bar of this small window");
  form->SetBounds(100, 50, 300, 200);
  Settle();
  TksActiveSkinObject& caption = Object("caption");
  // The text ends before the caption's right end: the ellipsis kept it inside.
  int right = caption.ObjectRect.Right - 1;
  TColor bar = Pixel({right - 6, caption.ObjectRect.Top + 6});
  int textPixels = 0;
  for (int x = caption.ObjectRect.Left; x < right; ++x) {
    TColor c = Pixel({x, caption.ObjectRect.Top + caption.ObjectRect.Height() / 2});
    if (c == 0xFFFFFF) ++textPixels;
  }
  EXPECT_GT(textPixels, 10);
  EXPECT_NE(bar, 0xFFFFFFu);
}

TEST_F(SkinFrameTest, TheSystemMenuButtonStaysHighlightedAfterItsMenuCloses) {
  auto& button = dynamic_cast<TksSkinAnimateObject&>(Object("sysmenuanimate"));
  session.driver.MoveTo(Middle(button));
  session.driver.Advance(400);
  ASSERT_EQ(button.CurrentFrame(), 5);
  session.driver.Press();
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  session.driver.Release();
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  ASSERT_FALSE(frame->SkinMenu().Visible());
  std::vector<int> frames;
  for (int t = 0; t < 16; ++t) {
    session.driver.Advance(25);
    frames.push_back(button.CurrentFrame());
  }
  EXPECT_EQ(frames, std::vector<int>(16, 5));
  // Leaving it plays the highlight back.
  session.driver.MoveTo(At({400, 300}));
  session.driver.Advance(400);
  EXPECT_EQ(button.CurrentFrame(), 1);
}

TEST_F(SkinFrameTest, SettingBorderIconsKeepsTheSkinsObjectsAndAppliesTheButtonRulesAgain) {
  const TBitmap before = session.driver.WindowImage(Window());
  frame->SetBorderIcons(biSystemMenu | biMinimize);
  Settle();
  // The same icons again: not a pixel of the frame changes.
  const TBitmap same = session.driver.WindowImage(Window());
  const int barBottom = Object("caption").ObjectRect.Bottom;
  int differ = 0;
  for (int y = 0; y < barBottom; ++y)
    for (int x = 0; x < before.Width(); ++x) differ += before.ColorAt(x, y) != same.ColorAt(x, y);
  EXPECT_EQ(differ, 0);
  EXPECT_EQ(frame->Objects().size(), 6u);
  EXPECT_EQ(frame->FindObject("closebutton"), nullptr);
  frame->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
  Settle();
  EXPECT_TRUE(Object("maxanimate").Enabled);
  EXPECT_FALSE(Object("rollupanimate").Enabled);
  // The maximize button now reacts to the mouse.
  auto& max = dynamic_cast<TksSkinAnimateObject&>(Object("maxanimate"));
  session.driver.MoveTo(Middle(max));
  session.driver.Advance(400);
  EXPECT_EQ(max.CurrentFrame(), 5);
  frame->SetBorderIcons(biMinimize);
  Settle();
  EXPECT_FALSE(Object("sysmenuanimate").Enabled);
  EXPECT_FALSE(Object("maxanimate").Enabled);
  EXPECT_EQ(frame->HoverIndex(), -1);
}

// A skin without command buttons: the default buttons join its objects.
TEST_F(SkinFrameTest, ASkinWithoutButtonsGetsTheDefaultButtonsBesideItsCaption) {
  auto& records = data->SkinObjects;
  records.erase(std::remove_if(records.begin(), records.end(),
                               [](const auto& r) { return r->IDName != "caption"; }),
                records.end());
  frame->SetSkinData(data);
  Settle();
  ASSERT_EQ(frame->Objects().size(), 1u);
  frame->SetBorderIcons(biSystemMenu | biMaximize);
  Settle();
  std::vector<std::string> names;
  std::vector<bool> enabled;
  for (const auto& o : frame->Objects()) {
    names.push_back(o->IDName);
    enabled.push_back(o->Enabled);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"caption", "closebutton", "maxbutton", "minbutton",
                                             "rollupbutton", "traybutton", "sysmenubutton"}));
  EXPECT_EQ(enabled, (std::vector<bool>{true, true, true, false, false, false, true}));
  // The close button stands at the right end of the plain frame's caption line.
  TksActiveSkinObject& close = Object("closebutton");
  EXPECT_EQ(close.ObjectRect, (TRect{813 - 3 - 19, 3, 813 - 3, 22}));
  // Setting the icons again changes their rules only.
  frame->SetBorderIcons(biSystemMenu);
  Settle();
  EXPECT_EQ(frame->Objects().size(), 7u);
  EXPECT_FALSE(Object("maxbutton").Enabled);
  session.driver.MoveTo(Middle(close));
  session.driver.Advance(100);
  session.driver.Press();
  session.driver.Release();
  Settle();
  EXPECT_TRUE(app.Terminated());
}

TEST_F(SkinFrameTest, AButtonWorksAtTheFirstClickAfterTheCaptionWasClickedOrDragged) {
  session.driver.Click(At({300, 12}));
  Settle();
  TksActiveSkinObject& sys = Object("sysmenuanimate");
  session.driver.MoveTo(Middle(sys));
  session.driver.Advance(100);
  session.driver.Click(Middle(sys));
  Settle();
  EXPECT_TRUE(frame->SkinMenu().Visible()) << "the first click after a caption click";
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  session.driver.Drag(At({300, 12}), At({340, 42}));
  Settle();
  ASSERT_EQ(WindowRect().TopLeft(), (TPoint{140, 80}));
  TksActiveSkinObject& close = Object("closeanimate");
  session.driver.MoveTo(Middle(close));
  session.driver.Advance(100);
  session.driver.Click(Middle(close));
  Settle();
  EXPECT_TRUE(app.Terminated()) << "the first click after a caption drag";
}

// Where the platform's move loop runs inside the press, the press that started it
// presses nothing once the loop is over; the next press is a press again.
TEST_F(SkinFrameTest, APressWhoseMoveLoopEndedInsideItPressesNoObject) {
  TForm* other = nullptr;
  app.CreateForm(other);
  other->BorderStyle = TFormBorderStyle::bsSingle;
  other->SetBounds(300, 200, 600, 400);
  const TWndMethod own = other->WindowProc;
  other->WindowProc = [own, other](TMessage& m) {
    if (m.Msg == WM_NCLBUTTONDOWN && m.WParam == HTCAPTION) {
      SendMessage(other->Handle(), WM_ENTERSIZEMOVE);
      SendMessage(other->Handle(), WM_EXITSIZEMOVE);
      return;
    }
    own(m);
  };
  auto* otherFrame = new TksSkinFrame(other);
  otherFrame->SetBorderIcons(biSystemMenu | biMinimize);
  otherFrame->SetSkinData(data);
  other->Show();
  Settle();
  std::vector<std::string> downs;
  otherFrame->OnMouseDownEvent = [&](TObject*, const std::string& name) { downs.push_back(name); };
  const TPoint origin = GetWindowRect(other->Handle()).TopLeft();
  session.driver.Click(origin + TPoint{300, 12});
  Settle();
  EXPECT_TRUE(downs.empty());
  const TRect sys = otherFrame->FindObject("sysmenuanimate")->ObjectRect;
  const TPoint middle = origin + TPoint{sys.Left + sys.Width() / 2, sys.Top + sys.Height() / 2};
  session.driver.MoveTo(middle);
  session.driver.Advance(100);
  session.driver.Click(middle);
  Settle();
  EXPECT_EQ(downs, (std::vector<std::string>{"sysmenuanimate"}));
  EXPECT_TRUE(otherFrame->SkinMenu().Visible());
}

TEST_F(SkinFrameTest, AButtonHeldDownUnderTheMouseStaysHoveredAndItsUpEventFires) {
  std::vector<std::string> events;
  frame->OnMouseDownEvent = [&](TObject*, const std::string& n) { events.push_back("down:" + n); };
  frame->OnMouseUpEvent = [&](TObject*, const std::string& n) { events.push_back("up:" + n); };
  frame->OnMouseLeaveEvent = [&](TObject*, const std::string& n) {
    events.push_back("leave:" + n);
  };
  TksActiveSkinObject& min = Object("minanimate");
  session.driver.MoveTo(Middle(min));
  session.driver.Advance(100);
  session.driver.Press();
  session.driver.Advance(200);
  Settle();
  EXPECT_TRUE(min.MouseIn);
  EXPECT_EQ(frame->HoverIndex(), frame->PressedIndex());
  session.driver.Release();
  Settle();
  // (The minimize that follows takes the mouse off it.)
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 2),
            (std::vector<std::string>{"down:minanimate", "up:minanimate"}));
}

TEST_F(SkinFrameTest, APlainButtonHeldDownUnderTheMouseKeepsItsDownImage) {
  const TksDataSkinAnimate* max = nullptr;
  for (const auto& r : data->SkinObjects)
    if (r->IDName == "maxanimate") max = dynamic_cast<const TksDataSkinAnimate*>(r.get());
  ASSERT_NE(max, nullptr);
  auto record = std::make_unique<TksDataSkinButton>("plainbutton");
  record->SkinRect = max->SkinRect;
  record->ActivePictureIndex = max->ActivePictureIndex;
  record->DownRect = max->DownSkinRect;
  data->SkinObjects.insert(data->SkinObjects.begin(), std::move(record));
  frame->SetSkinData(data);
  Settle();
  TksActiveSkinObject& button = Object("plainbutton");
  const TBitmap* picture = data->ActivePicture(max->ActivePictureIndex);
  ASSERT_NE(picture, nullptr);
  // A point where the down image differs from the normal one.
  TPoint probe{-1, -1};
  for (int y = 0; y < button.SkinRect.Height() && probe.X < 0; ++y)
    for (int x = 0; x < button.SkinRect.Width() && probe.X < 0; ++x)
      if (picture->ColorAt(max->DownSkinRect.Left + x, max->DownSkinRect.Top + y) !=
          data->Picture.ColorAt(button.SkinRect.Left + x, button.SkinRect.Top + y))
        probe = {x, y};
  ASSERT_GE(probe.X, 0);
  const TColor down =
      picture->ColorAt(max->DownSkinRect.Left + probe.X, max->DownSkinRect.Top + probe.Y);
  const TPoint at{button.ObjectRect.Left + probe.X, button.ObjectRect.Top + probe.Y};
  session.driver.MoveTo(Middle(button));
  session.driver.Advance(100);
  session.driver.Press();
  Settle();
  EXPECT_EQ(Pixel(at), down);
  session.driver.Advance(200);
  Settle();
  EXPECT_EQ(Pixel(at), down) << "held for 200 ms";
  session.driver.Release();
  Settle();
}

TEST_F(SkinFrameTest, AClickOnTheSystemMenuButtonWhileItsMenuIsOpenClosesIt) {
  auto& sys = dynamic_cast<TksSkinAnimateObject&>(Object("sysmenuanimate"));
  session.driver.MoveTo(Middle(sys));
  session.driver.Advance(100);
  session.driver.Click(Middle(sys));
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  session.driver.Advance(1000);  // not a double click
  session.driver.Click(Middle(sys));
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_FALSE(frame->InMenuMode());
  EXPECT_FALSE(sys.Down());
  session.driver.Advance(1000);
  session.driver.Click(Middle(sys));
  Settle();
  EXPECT_TRUE(frame->SkinMenu().Visible()) << "the third click opens it again";
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  // Another menu open: the button closes it and opens the system menu.
  auto* menu = new TksSkinPopupMenu(form);
  auto* item = new TMenuItem(menu);
  item->Caption = "&One";
  menu->Items().Add(item);
  menu->Popup(400, 300);
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  session.driver.Advance(1000);
  session.driver.Click(Middle(sys));
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_EQ(frame->SkinMenu().Popups().front()->Items().back()->Item().Caption, "&Close");
}

TEST_F(SkinFrameTest, ASkinChangeWhileTheButtonsMenuIsOpenForgetsTheOldButton) {
  TksActiveSkinObject& sys = Object("sysmenuanimate");
  session.driver.MoveTo(Middle(sys));
  session.driver.Advance(100);
  session.driver.Click(Middle(sys));
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  frame->SetSkinData(data);  // new objects; the button that opened the menu is gone
  Settle();
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_FALSE(frame->InMenuMode());
}

TEST_F(SkinFrameTest, OnlyTheDefaultCaptionShowsTheWindowsCaption) {
  TksDataSkinCaption* first = nullptr;
  for (const auto& r : data->SkinObjects)
    if (auto* c = dynamic_cast<TksDataSkinCaption*>(r.get()); c && !first) first = c;
  ASSERT_NE(first, nullptr);
  auto second = std::make_unique<TksDataSkinCaption>("secondcaption");
  second->SkinRect = first->SkinRect;
  second->ActiveSkinRect = first->ActiveSkinRect;
  second->ActivePictureIndex = first->ActivePictureIndex;
  second->TextRect = first->TextRect;
  second->Font = first->Font;
  second->Font.Color = 0x00FF00;
  second->ActiveFontColor = 0x00FF00;
  data->SkinObjects.push_back(std::move(second));
  // The pixels of a colour in what a caption object draws (the second lies over the first).
  auto count = [this](const char* name, TColor color) {
    TksActiveSkinObject& caption = Object(name);
    TBitmap image(WindowRect().Width(), WindowRect().Height());
    caption.Draw(image.Canvas(), true);
    int n = 0;
    for (int y = caption.ObjectRect.Top; y < caption.ObjectRect.Bottom; ++y)
      for (int x = caption.ObjectRect.Left; x < caption.ObjectRect.Right; ++x)
        n += image.ColorAt(x, y) == color;
    return n;
  };
  for (bool flagged : {true, false}) {
    first->DefaultCaption = flagged;  // unflagged, the first caption takes the flag
    frame->SetSkinData(data);
    Settle();
    ASSERT_TRUE(Object("caption").Active);
    EXPECT_EQ(count("secondcaption", 0x00FF00), 0) << flagged;
    EXPECT_GT(count("caption", first->ActiveFontColor), 10) << flagged;
  }
}

TEST_F(SkinFrameTest, HideCaptionButtonsDisablesTheCommandButtonsOnly) {
  auto record = std::make_unique<TksDataSkinButton>("plainbutton");
  record->SkinRect = {150, 5, 160, 15};
  data->SkinObjects.insert(data->SkinObjects.begin(), std::move(record));
  frame->HideCaptionButtons = true;
  frame->SetSkinData(data);
  Settle();
  for (const auto& o : frame->Objects()) {
    if (o->IsCaption() || o->IDName == "plainbutton") continue;
    EXPECT_FALSE(o->Enabled) << o->IDName;
    EXPECT_TRUE(o->Visible) << o->IDName;
  }
  EXPECT_TRUE(Object("plainbutton").Enabled);
  session.driver.MoveTo(Middle(Object("closeanimate")));
  session.driver.Advance(200);
  EXPECT_EQ(frame->HoverIndex(), -1);
  session.driver.MoveTo(Middle(Object("plainbutton")));
  session.driver.Advance(200);
  EXPECT_TRUE(Object("plainbutton").MouseIn);
}

TEST_F(SkinFrameTest, WithoutASkinTheFrameIsPlain) {
  frame->SetSkinData(nullptr);
  Settle();
  EXPECT_FALSE(frame->SkinUsable());
  EXPECT_EQ(form->ClientToScreen({0, 0}), At({3, 3 + 19}));
  EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 813 - 6, 634 - 6 - 19}));
}

}  // namespace
}  // namespace kx
