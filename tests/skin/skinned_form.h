#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "assets/embedded_skin.h"
#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_frame.h"
#include "skin/store/compressed_stored_skin.h"

namespace kx {

// A form of 813 x 634 at (100, 50) in the Kestrix Red frame, set up as the
// client's main window sets up its frame: not sizeable, with the system-menu
// and minimize buttons only.
class SkinnedFormTest : public ::testing::Test {
 protected:
  SkinnedFormTest() {
    app.CreateForm(form);
    form->SetCaption("Kestrix");
    form->BorderStyle = TFormBorderStyle::bsSingle;
    form->SetBounds(100, 50, 813, 634);
    stored = new TksCompressedStoredSkin(form);
    stored->LoadCompressedSkinFile(KestrixRedSkinFile());
    data = new TksSkinData(form);
    frame = new TksSkinFrame(form);
    frame->Sizeable = false;
    frame->ShowIcon = true;
    frame->SetBorderIcons(biSystemMenu | biMinimize);
    data->SetCompressedStoredSkin(stored);
    frame->SetSkinData(data);
    session.driver.SetMessageHandler([this](TMsg& m) { app.DispatchOne(m); });
    form->Show();
    Settle();
  }
  void Settle() { session.driver.RunUntilIdle(); }
  HWND Window() { return form->Handle(); }
  TRect WindowRect() { return GetWindowRect(Window()); }
  // A point of the window (0, 0 is its top-left corner) on the screen.
  TPoint At(TPoint window) { return WindowRect().TopLeft() + window; }
  TksActiveSkinObject& Object(const char* name) {
    TksActiveSkinObject* o = frame->FindObject(name);
    // A missing object ends the test here instead of reading through null.
    if (!o) throw std::runtime_error(std::string("the frame has no object ") + name);
    return *o;
  }
  TPoint Middle(const TksActiveSkinObject& o) {
    return At({o.ObjectRect.Left + o.ObjectRect.Width() / 2,
               o.ObjectRect.Top + o.ObjectRect.Height() / 2});
  }
  TColor Pixel(TPoint window) { return session.driver.WindowPixel(Window(), window); }

  HeadlessSession session{{1400, 900}};
  TApplication app{session.system, "/usr/bin/kestrix"};
  TForm* form = nullptr;
  TksCompressedStoredSkin* stored = nullptr;
  TksSkinData* data = nullptr;
  TksSkinFrame* frame = nullptr;
};

}  // namespace kx
