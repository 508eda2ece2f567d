// skin-gallery [--screenshot OUT.png]: every skinned control in its states
// (normal, hover, pressed, checked, focused, disabled), in the Kestrix Red
// skin beside the same controls without a skin, on a skinned frame. With
// --screenshot it runs headless, hovers one button, focuses one edit and
// writes the screen.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/embedded_skin.h"
#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "platform/window/backend_select.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_frame.h"
#include "skin/store/compressed_stored_skin.h"

namespace {

using namespace kx;

struct Gallery {
  TForm* form = nullptr;
  TksSkinButton* hovered = nullptr;       // under the pointer
  TksSkinButton* hoveredPlain = nullptr;  // the unskinned column's "Hover"
  TksSkinEdit* focused = nullptr;
};

// One column of controls on a panel, skinned with data or plain without.
void Column(TForm& form, TksSkinData* data, int left, const std::string& title) {
  auto* panel = new TksSkinPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(left, 8, 380, 470);
  panel->SetSkinData(data);
  auto place = [&](auto* control, int x, int y, int w, int h) {
    control->SetParent(panel);
    control->SetBounds(x, y, w, h);
    return control;
  };
  auto* heading = place(new TksSkinShadowLabel(&form), 12, 8, 200, 24);
  heading->SetCaption(title);

  const char* buttonCaptions[] = {"Normal", "Hover", "Pressed", "Disabled"};
  for (int i = 0; i < 4; ++i) {
    auto* b = place(new TksSkinXFormButton(&form), 12 + i * 90, 44, 84, 25);
    b->SetSkinDataName("resizetoolbutton");
    b->SetCaption(buttonCaptions[i]);
    if (i == 2) {
      b->SetGroupIndex(1);  // a grouped button stays down: the pressed look
      b->SetDown(true);
    }
    if (i == 3) b->SetEnabled(false);
  }
  const char* boxCaptions[] = {"Unchecked", "Checked", "Grayed", "Disabled"};
  for (int i = 0; i < 4; ++i) {
    auto* c =
        place(new TksSkinCheckRadioBox(&form), 12 + (i % 2) * 180, 84 + (i / 2) * 28, 170, 25);
    c->SetCaption(boxCaptions[i]);
    c->SetCanFocused(false);
    if (i == 1 || i == 3) c->SetChecked(true);
    if (i == 2) c->SetState(TCheckBoxState::cbGrayed);
    if (i == 3) c->SetEnabled(false);
  }
  auto* radio = place(new TksSkinCheckRadioBox(&form), 12, 140, 170, 25);
  radio->SetSkinDataName("radiobox");
  radio->SetRadio(true);
  radio->SetCaption("Radio, checked");
  radio->SetChecked(true);

  auto* std = place(new TksSkinStdLabel(&form), 12, 178, 160, 16);
  std->SetCaption("A standard label");
  auto* link = place(new TksSkinLinkLabel(&form), 190, 178, 160, 16);
  link->SetCaption("A link label");
  auto* framed = place(new TksSkinLabel(&form), 12, 202, 104, 19);
  framed->SetCaption("Count: 0");
  framed->SetAlignment(TAlignment::taCenter);
  auto* wide = place(new TksSkinLabel(&form), 130, 202, 120, 40);
  wide->SetUseSkinSize(false);
  wide->SetUseSkinFont(false);
  wide->SetDefaultFont(TFont("Arial", 20, {TFontStyle::fsBold}, clWindowText));
  wide->SetCaption("45%");
  wide->SetAlignment(TAlignment::taCenter);

  auto* edit = place(new TksSkinEdit(&form), 12, 252, 250, 19);
  edit->SetCaption("Text in an edit");
  auto* disabled = place(new TksSkinEdit(&form), 12, 280, 250, 19);
  disabled->SetCaption("A disabled edit");
  disabled->SetEnabled(false);
  auto* password = place(new TksSkinPasswordEdit(&form), 12, 308, 250, 19);
  password->SetText("secret");

  auto* pages = place(new TksSkinPageControl(&form), 12, 340, 350, 118);
  for (const char* caption : {"First", "Second", "Third"}) {
    auto* sheet = new TksSkinTabSheet(&form);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
  }
  pages->SetActivePageIndex(1);
  // The skin comes last, as a window definition's references do.
  for (TControl* c : panel->Controls()) {
    if (auto* skinned = dynamic_cast<TksSkinControl*>(c)) skinned->SetSkinData(data);
    if (auto* label = dynamic_cast<TksSkinStdLabel*>(c)) label->SetSkinData(data);
    if (auto* shadow = dynamic_cast<TksGraphicSkinControl*>(c)) shadow->SetSkinData(data);
    if (auto* edit = dynamic_cast<TksSkinEdit*>(c)) edit->SetSkinData(data);
    if (auto* pageControl = dynamic_cast<TksSkinPageControl*>(c)) pageControl->SetSkinData(data);
  }
}

Gallery MakeGallery(TApplication& app) {
  Gallery g;
  app.CreateForm(g.form);
  TForm& form = *g.form;
  form.SetCaption("Kestrix Red - skin gallery");
  form.BorderStyle = TFormBorderStyle::bsSingle;
  form.SetBounds(20, 20, 800, 530);
  auto* stored = new TksCompressedStoredSkin(&form);
  stored->LoadCompressedSkinFile(KestrixRedSkinFile());
  auto* data = new TksSkinData(&form);
  data->SetCompressedStoredSkin(stored);
  auto* frame = new TksSkinFrame(&form);
  frame->Sizeable = false;
  frame->SetBorderIcons(biSystemMenu | biMinimize);
  frame->SetSkinData(data);
  Column(form, data, 8, "Kestrix Red");
  Column(form, nullptr, 400, "Without a skin");
  auto* first = dynamic_cast<TWinControl*>(form.Controls().front());
  for (TControl* c : first->Controls()) {
    if (auto* b = dynamic_cast<TksSkinButton*>(c); b && b->Caption() == "Hover") g.hovered = b;
    if (auto* e = dynamic_cast<TksSkinEdit*>(c); e && e->Enabled() && !g.focused) g.focused = e;
  }
  auto* second = dynamic_cast<TWinControl*>(form.Controls().at(1));
  for (TControl* c : second->Controls()) {
    if (auto* b = dynamic_cast<TksSkinButton*>(c); b && b->Caption() == "Hover") g.hoveredPlain = b;
  }
  return g;
}

int RunScreenshot(const char* argv0, const std::string& path) {
  HeadlessSession session({840, 580});
  TApplication app(session.system, argv0);
  Gallery g = MakeGallery(app);
  g.form->Show();
  session.driver.SetMessageHandler([&](TMsg& m) { app.DispatchOne(m); });
  session.driver.RunUntilIdle();
  if (g.focused) g.focused->SetFocus();
  // One pointer hovers one button: the other "Hover" is told that it is entered,
  // as the pointer would tell it.
  if (g.hoveredPlain) g.hoveredPlain->Perform(CM_MOUSEENTER);
  if (g.hovered) {
    TPoint at = g.hovered->ClientToScreen({40, 12});
    session.driver.MoveTo(at - TPoint{0, 30});
    session.driver.MoveTo(at);
  }
  session.driver.RunUntilIdle();
  session.driver.SaveScreenPng(path);
  std::printf("gallery written to %s\n", path.c_str());
  return 0;
}

int RunInteractive(const char* argv0) {
  auto backend = CreateBackendFromEnvironment();
  RealClock clock;
  TWindowSystem system(*backend, clock);
  TApplication app(system, argv0);
  Gallery g = MakeGallery(app);
  g.form->Show();
  try {
    app.Run();
  } catch (const ELoopStalled&) {
    std::fprintf(stderr, "skin-gallery: no display; use --screenshot OUT.png\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string screenshot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else {
      std::fprintf(stderr, "usage: skin-gallery [--screenshot OUT.png]\n");
      return 2;
    }
  }
  return screenshot.empty() ? RunInteractive(argv[0]) : RunScreenshot(argv[0], screenshot);
}
