// The window definition of TForm1: every component in definition order with
// its stored properties.
#include "app/match_details.h"
#include "app/match_table.h"
#include "app/pictures.h"
#include "app/service.h"
#include "app/unit1.h"
#include "assets/embedded_pictures.h"
#include "assets/embedded_skin.h"
#include "grid/data_grid.h"
#include "platform/forms/image.h"
#include "platform/forms/image_list.h"
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

namespace kx {

namespace {

TFont Arial(int height, TColor color, TFontStyles style = {}) {
  return TFont("Arial", height, style, color);
}

}  // namespace

void TForm1::DefineWindow() {
  TDefinition def(*this);
  SetCaption("Kestrix");
  Position = TPosition::poScreenCenter;
  BorderStyle = TFormBorderStyle::bsSingle;
  BorderIcons = 0;
  SetColor(clBtnFace);
  SetFont(TFont("MS Sans Serif", -11, {}, clWindowText));
  SetClientWidth(803);
  SetClientHeight(599);
  OnCreate = [this](TObject* sender) { FormCreate(sender); };

  ksCompressedStoredSkin1 = def.Add<TksCompressedStoredSkin>("ksCompressedStoredSkin1");
  ksCompressedStoredSkin1->SetFileName("Kestrix_Red.skn");
  ksCompressedStoredSkin1->LoadCompressedSkinFile(KestrixRedSkinFile());
  ksSkinData1 = def.Add<TksSkinData>("ksSkinData1");
  ksSkinData1->EnableSkinEffects = true;

  ksSkinFrame1 = def.Add<TksSkinFrame>("ksSkinFrame1");
  TksSkinFrame& frame = *ksSkinFrame1;
  frame.SetBorderIcons(biSystemMenu | biMinimize);
  frame.Sizeable = false;
  frame.DraggAble = false;
  frame.Magnetic = false;
  frame.MagneticSize = 10;
  frame.AlphaBlend = false;
  frame.AlphaBlendAnimation = false;
  frame.AlphaBlendValue = 200;
  frame.ShowIcon = true;
  frame.HideCaptionButtons = false;
  frame.SupportNCArea = true;
  frame.UseDefaultSysMenu = true;
  frame.PositionInMonitor = TksPositionInMonitor::kspDefault;
  frame.MaximizeOnFullScreen = false;
  frame.AlwaysMinimizeToTray = false;
  frame.ShowObjectHint = false;
  frame.UseDefaultObjectHint = true;
  frame.UseSkinCursors = false;
  frame.UseFormCursorInNCArea = false;
  frame.DefCaptionFont = Arial(14, clBtnText, {TFontStyle::fsBold});
  frame.DefInActiveCaptionFont = Arial(14, clBtnShadow, {TFontStyle::fsBold});
  frame.SkinMenu().DefMenuItemHeight = 20;
  frame.SkinMenu().DefMenuItemFont = Arial(14, clWindowText);
  frame.SkinMenu().UseSkinFontInMenu = true;

  ImageList1 = def.Add<TImageList>("ImageList1");
  LoadFlagImages(*ImageList1);
  ImageList2 = def.Add<TImageList>("ImageList2");
  LoadTabImages(*ImageList2);

  // The page control and its two pages.
  Page = def.Add<TksSkinPageControl>("Page");
  Page->SetParent(this);
  Page->SetBounds(0, 0, 803, 599);
  Page->SetAlign(TAlign::alClient);
  Page->SetFont(Arial(14, clBtnText));
  Page->SetDefaultFont(Arial(14, clBtnText));
  Page->SetUseSkinFont(true);
  Page->SetDefaultItemHeight(20);
  Page->SetTabsBGTransparent(false);
  Page->SetImages(ImageList2);

  ksSkinTabSheet1 = def.Add<TksSkinTabSheet>("ksSkinTabSheet1");
  ksSkinTabSheet1->SetPageControl(Page);
  ksSkinTabSheet1->SetCaption("About");
  ksSkinTabSheet1->SetImageIndex(0);

  Image1 = def.Add<TImage>("Image1");
  Image1->SetParent(ksSkinTabSheet1);
  Image1->SetBounds(0, 0, 801, 577);
  Image1->SetStretch(true);
  Image1->Picture().LoadJpeg(AboutPictureJpeg());

  auto stdLabel = [&](const char* name, const char* caption, int left, int top, int w) {
    auto* label = def.Add<TksSkinStdLabel>(name);
    label->SetParent(ksSkinTabSheet1);
    label->SetBounds(left, top, w, 13);
    label->SetCaption(caption);
    label->SetUseSkinFont(true);
    label->SetUseSkinColor(true);
    label->SetDefaultFont(TFont("MS Sans Serif", -11, {}, clWindowText));
    return label;
  };
  ksSkinStdLabel4 = stdLabel("ksSkinStdLabel4", "LOGIN", 424, 264, 33);
  ksSkinStdLabel5 = stdLabel("ksSkinStdLabel5", "PASSWORD", 424, 328, 63);

  ksSkinShadowLabel1 = def.Add<TksSkinShadowLabel>("ksSkinShadowLabel1");
  ksSkinShadowLabel1->SetParent(ksSkinTabSheet1);
  ksSkinShadowLabel1->SetBounds(707, 6, 83, 19);
  ksSkinShadowLabel1->SetCaption("Version 3.6.1");
  ksSkinShadowLabel1->SetUseSkinColor(true);
  ksSkinShadowLabel1->SetFont(Arial(16, clWindowText, {TFontStyle::fsBold}));

  ksSkinLinkLabel2 = def.Add<TksSkinLinkLabel>("ksSkinLinkLabel2");
  ksSkinLinkLabel2->SetParent(ksSkinTabSheet1);
  ksSkinLinkLabel2->SetBounds(702, 24, 83, 14);
  ksSkinLinkLabel2->SetCaption("kestrix.example");  // the maker's site, as it fits the place
  ksSkinLinkLabel2->URL = std::string("http://") + kMakerHost + "/";
  ksSkinLinkLabel2->SetUseUnderLine(true);
  ksSkinLinkLabel2->SetUseSkinFont(true);
  ksSkinLinkLabel2->SetDefaultActiveFontColor(clBlue);
  ksSkinLinkLabel2->SetFont(Arial(14, clWindowText, {TFontStyle::fsUnderline}));
  ksSkinLinkLabel2->SetDefaultFont(Arial(14, clWindowText, {TFontStyle::fsUnderline}));

  loginedit = def.Add<TksSkinEdit>("loginedit");
  loginedit->SetParent(ksSkinTabSheet1);
  loginedit->SetBounds(424, 280, 273, 18);
  loginedit->SetUseSkinFont(true);
  loginedit->SetFont(Arial(14, clBlack));
  loginedit->SetColor(clWindow);
  loginedit->SetTabOrder(1);

  passedit = def.Add<TksSkinPasswordEdit>("passedit");
  passedit->SetParent(ksSkinTabSheet1);
  passedit->SetBounds(424, 344, 273, 21);
  passedit->SetPasswordKind(TksPasswordKind::pkRoundRect);
  passedit->Cursor = crIBeam;
  passedit->SetUseSkinFont(true);
  passedit->SetDefaultFont(Arial(14, clWindowText));
  passedit->SetColor(clWindow);
  passedit->SetTabOrder(2);

  zap = def.Add<TksSkinCheckRadioBox>("zap");
  zap->SetParent(ksSkinTabSheet1);
  zap->SetBounds(424, 384, 89, 25);
  zap->SetCaption("Remember");
  zap->Flat = true;
  zap->SetCanFocused(false);
  zap->Cursor = crHandPoint;
  zap->SetUseSkinFont(true);
  zap->SetDefaultFont(Arial(14, clWindowText));
  zap->SetTabOrder(0);

  logb = def.Add<TksSkinXFormButton>("logb");
  logb->SetParent(ksSkinTabSheet1);
  logb->SetBounds(496, 416, 113, 25);
  logb->SetCaption("LOGIN");
  logb->SetSkinDataName("resizetoolbutton");
  logb->OnClick = [this](TObject* sender) { logbClick(sender); };
  logb->SetUseSkinSize(true);
  logb->SetUseSkinFont(true);
  logb->SetUseSkinFontColor(true);
  logb->SetCanFocused(false);
  logb->Cursor = crHandPoint;
  logb->SetDefaultFont(Arial(14, clWindowText));
  logb->DefActiveFontColor = clBlack;
  logb->DefDownFontColor = clBlack;
  logb->SetTabOrder(3);

  // The Football page.
  ksSkinTabSheet2 = def.Add<TksSkinTabSheet>("ksSkinTabSheet2");
  ksSkinTabSheet2->SetPageControl(Page);
  ksSkinTabSheet2->SetCaption("Football");
  ksSkinTabSheet2->SetImageIndex(1);

  auto panel = [&](const char* name, TWinControl* parent, TAlign align, int top, int height,
                   int tabOrder) {
    auto* p = def.Add<TksSkinPanel>(name);
    p->SetParent(parent);
    p->SetBounds(0, top, 801, height);
    p->SetAlign(align);
    p->SetBorderStyle(TksSkinBorderStyle::bvFrame);
    p->SetCaptionMode(false);
    p->RollUpMode = false;
    p->CheckedMode = false;
    p->SetDefaultCaptionHeight(22);
    p->DefaultAlignment = TAlignment::taLeftJustify;
    p->Spacing = 2;
    p->SetUseSkinFont(true);
    p->SetDefaultFont(Arial(14, clWindowText));
    p->SetTabOrder(tabOrder);
    return p;
  };
  ksSkinPanel1 = panel("ksSkinPanel1", ksSkinTabSheet2, TAlign::alTop, 0, 21, 0);

  fcount = def.Add<TksSkinLabel>("fcount");
  fcount->SetParent(ksSkinPanel1);
  fcount->SetBounds(671, 1, 104, 19);
  fcount->SetAlign(TAlign::alRight);
  fcount->SetCaption("Count: 0");
  fcount->SetAlignment(TAlignment::taCenter);
  fcount->SetBorderStyle(TksSkinBorderStyle::bvFrame);
  fcount->SetUseSkinSize(true);
  fcount->SetUseSkinFont(true);
  fcount->SetUseSkinFontColor(true);
  fcount->SetDefaultFont(Arial(14, clWindowText));

  NG = def.Add<TDataGrid>("NG");
  DefineMatchTable(*NG, this, ImageList1);
  NG->SetParent(ksSkinTabSheet2);
  NG->SetBounds(0, 21, 801, 435);
  NG->SetTabOrder(1);
  NG->OnCellClick = [this](TObject* sender, int col, int row) { NGCellClick(sender, col, row); };

  ksSkinPanel2 = panel("ksSkinPanel2", ksSkinTabSheet2, TAlign::alBottom, 456, 121, 2);
  ksSkinPanel2->SetCaption("ksSkinPanel2");

  MG = def.Add<TDataGrid>("MG");
  DefineDetailStrip(*MG, this, ImageList1);
  MG->SetParent(ksSkinPanel2);
  MG->SetBounds(1, 1, 799, 24);
  MG->SetAlign(TAlign::alTop);

  prpr = def.Add<TksSkinLabel>("prpr");
  prpr->SetParent(ksSkinPanel2);
  prpr->SetBounds(725, 25, 75, 95);
  prpr->SetAlign(TAlign::alRight);
  prpr->SetCaption("0%");
  prpr->SetAlignment(TAlignment::taCenter);
  prpr->SetBorderStyle(TksSkinBorderStyle::bvFrame);
  prpr->SetUseSkinSize(false);
  prpr->SetUseSkinFont(false);
  prpr->SetUseSkinFontColor(false);
  prpr->SetDefaultFont(Arial(25, clWindowText, {TFontStyle::fsBold}));

  NS = def.Add<TDataGrid>("NS");
  DefineDetailGrid(*NS, this);
  NS->SetParent(ksSkinPanel2);
  NS->SetBounds(1, 25, 724, 95);
  NS->SetAlign(TAlign::alClient);

  NG->SetAlign(TAlign::alClient);
  Page->SetActivePage(ksSkinTabSheet1);

  // References, resolved once every component exists: the skin loads first.
  def.Refer([this] { ksSkinData1->SetCompressedStoredSkin(ksCompressedStoredSkin1); });
  def.Refer([this] { ksSkinFrame1->SetSkinData(ksSkinData1); });
  def.Refer([this] {
    Page->SetSkinData(ksSkinData1);
    for (auto* label : {ksSkinStdLabel4, ksSkinStdLabel5}) label->SetSkinData(ksSkinData1);
    ksSkinShadowLabel1->SetSkinData(ksSkinData1);
    ksSkinLinkLabel2->SetSkinData(ksSkinData1);
    loginedit->SetSkinData(ksSkinData1);
    passedit->SetSkinData(ksSkinData1);
    zap->SetSkinData(ksSkinData1);
    logb->SetSkinData(ksSkinData1);
    ksSkinPanel1->SetSkinData(ksSkinData1);
    fcount->SetSkinData(ksSkinData1);
    ksSkinPanel2->SetSkinData(ksSkinData1);
    prpr->SetSkinData(ksSkinData1);
  });
}

}  // namespace kx
