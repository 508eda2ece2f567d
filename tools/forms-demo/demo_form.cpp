#include "tools/forms-demo/demo_form.h"

#include "platform/forms/dialogs.h"

namespace kx {

namespace {

// A small pitch: green stripes, white touch lines, a centre circle.
TBitmap PitchPicture() {
  TBitmap pitch(160, 100);
  TCanvas& c = pitch.Canvas();
  c.Brush().Style = TBrushStyle::bsSolid;
  for (int x = 0; x < 160; x += 20) {
    c.Brush().Color = (x / 20) % 2 ? TColor(0x2E8B2E) : TColor(0x3CA03C);
    c.FillRect({x, 0, x + 20, 100});
  }
  c.Pen().Color = clWhite;
  c.Brush().Style = TBrushStyle::bsClear;
  c.Rectangle({6, 6, 154, 94});
  c.MoveTo(80, 6);
  c.LineTo(80, 94);
  c.Ellipse({64, 34, 96, 66});
  return pitch;
}

// Two 16 × 16 tab icons: a ball and a flag, on a fuchsia key colour.
TBitmap TabIcons() {
  TBitmap icons(32, 16);
  TCanvas& c = icons.Canvas();
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clFuchsia;
  c.FillRect({0, 0, 32, 16});
  c.Pen().Color = clBlack;
  c.Brush().Color = clWhite;
  c.Ellipse({1, 1, 15, 15});
  c.Brush().Color = clRed;
  c.FillRect({20, 2, 30, 9});
  c.FillRect({19, 2, 20, 15});
  return icons;
}

}  // namespace

DemoForm::DemoForm(TComponent* owner) : TForm(owner) {
  Define();
  DoCreate();
}

void DemoForm::Define() {
  TDefinition def(*this);
  SetCaption("Forms demo");
  BorderStyle = TFormBorderStyle::bsSingle;
  BorderIcons = biSystemMenu | biMinimize;
  Position = TPosition::poScreenCenter;
  SetClientWidth(420);
  SetClientHeight(260);

  Icons = def.Add<TImageList>("Icons");
  Icons->AddMasked(TabIcons(), clFuchsia);

  Pages = def.Add<TPageControl>("Pages");
  Pages->SetParent(this);
  Pages->SetAlign(TAlign::alClient);

  FirstPage = def.Add<TTabSheet>("FirstPage");
  FirstPage->SetCaption("&Player");
  FirstPage->SetImageIndex(0);
  FirstPage->SetPageControl(Pages);
  SecondPage = def.Add<TTabSheet>("SecondPage");
  SecondPage->SetCaption("&Pitch");
  SecondPage->SetImageIndex(1);
  SecondPage->SetPageControl(Pages);

  Title = def.Add<TCustomLabel>("Title");
  Title->SetParent(FirstPage);
  Title->SetBounds(16, 12, 0, 0);
  TFont big = Title->Font();
  big.SetHeight(-16);
  big.SetStyle(TFontStyle::fsBold);
  Title->SetFont(big);
  Title->SetCaption("Standard controls");

  NameLabel = def.Add<TCustomLabel>("NameLabel");
  NameLabel->SetParent(FirstPage);
  NameLabel->SetBounds(16, 52, 0, 0);
  NameLabel->SetCaption("&Name:");

  NameEdit = def.Add<TEdit>("NameEdit");
  NameEdit->SetParent(FirstPage);
  NameEdit->SetBounds(70, 48, 200, 21);
  NameEdit->SetTabOrder(0);

  Greet = def.Add<TButton>("Greet");
  Greet->SetParent(FirstPage);
  Greet->SetBounds(280, 47, 90, 23);
  Greet->SetCaption("Say hello");

  Echo = def.Add<TCustomLabel>("Echo");
  Echo->SetParent(FirstPage);
  Echo->SetBounds(16, 90, 0, 0);
  Echo->SetCaption("Type a name above.");

  Picture = def.Add<TImage>("Picture");
  Picture->SetParent(SecondPage);
  Picture->SetBounds(20, 20, 320, 200);
  Picture->Picture().SetBitmap(PitchPicture());
  Picture->SetStretch(true);

  EditMenu = def.Add<TPopupMenu>("EditMenu");
  AddMenuItem("Cu&t", ShortCut('X', ssCtrl), WM_CUT);
  AddMenuItem("&Copy", ShortCut('C', ssCtrl), WM_COPY);
  AddMenuItem("&Paste", ShortCut('V', ssCtrl), WM_PASTE);
  AddMenuItem("-", scNone, 0);
  AddMenuItem("Select &All", ShortCut('A', ssCtrl), EM_SETSEL);

  def.Refer([this] {
    NameLabel->FocusControl = NameEdit;
    NameEdit->PopupMenu = EditMenu;
    Pages->SetImages(Icons);
    Pages->SetActivePage(FirstPage);
  });
  NameEdit->OnChange = [this](TObject*) { Echo->SetCaption("Hello, " + NameEdit->Text() + "!"); };
  Greet->OnClick = [this](TObject*) { ShowMessage("Hello, " + NameEdit->Text() + "!"); };
}

void DemoForm::AddMenuItem(const std::string& caption, TShortCut shortCut, UINT editMessage) {
  auto* item = new TMenuItem(this);  // owned by the form
  item->Caption = caption;
  item->ShortCut = shortCut;
  if (editMessage == EM_SETSEL) {
    item->OnClick = [this](TObject*) { NameEdit->SelectAll(); };
  } else if (editMessage) {
    item->OnClick = [this, editMessage](TObject*) { NameEdit->Perform(editMessage); };
  }
  EditMenu->Items().Add(item);
}

}  // namespace kx
