#pragma once

#include <functional>
#include <string>

#include "net/http.h"
#include "platform/forms/forms.h"

namespace kx {

class TksSkinFrame;
class TksSkinData;
class TksCompressedStoredSkin;
class TksSkinPageControl;
class TksSkinTabSheet;
class TksSkinStdLabel;
class TksSkinShadowLabel;
class TksSkinLinkLabel;
class TksSkinEdit;
class TksSkinPasswordEdit;
class TksSkinCheckRadioBox;
class TksSkinXFormButton;
class TksSkinPanel;
class TksSkinLabel;
class TDataGrid;
class TImage;
class TImageList;

// The client's one window: the About page with the login, the Football page
// with the match table and the detail panel, in the Kestrix Red skin.
class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);
  ~TForm1() override;

  // The window definition's components (unit1_definition.cpp), owned by the form.
  TksCompressedStoredSkin* ksCompressedStoredSkin1 = nullptr;
  TksSkinData* ksSkinData1 = nullptr;
  TksSkinFrame* ksSkinFrame1 = nullptr;
  TImageList* ImageList1 = nullptr;
  TImageList* ImageList2 = nullptr;
  TksSkinPageControl* Page = nullptr;
  TksSkinTabSheet* ksSkinTabSheet1 = nullptr;
  TImage* Image1 = nullptr;
  TksSkinStdLabel* ksSkinStdLabel4 = nullptr;
  TksSkinStdLabel* ksSkinStdLabel5 = nullptr;
  TksSkinShadowLabel* ksSkinShadowLabel1 = nullptr;
  TksSkinLinkLabel* ksSkinLinkLabel2 = nullptr;
  TksSkinEdit* loginedit = nullptr;
  TksSkinPasswordEdit* passedit = nullptr;
  TksSkinCheckRadioBox* zap = nullptr;
  TksSkinXFormButton* logb = nullptr;
  TksSkinTabSheet* ksSkinTabSheet2 = nullptr;
  TksSkinPanel* ksSkinPanel1 = nullptr;
  TksSkinLabel* fcount = nullptr;
  TDataGrid* NG = nullptr;
  TksSkinPanel* ksSkinPanel2 = nullptr;
  TDataGrid* MG = nullptr;
  TksSkinLabel* prpr = nullptr;
  TDataGrid* NS = nullptr;
  TNetHTTP NetHTTP1;

  std::string CurrentLogin;
  std::string CurrentPassword;

  void FormCreate(TObject* sender);
  void logbClick(TObject* sender);
  void NGCellClick(TObject* sender, int col, int row);
  void LoadCredentials();
  void SaveCredentials();
  void LoadMatches();

  // The services the flow reaches the outside through; tests replace them.
  std::function<void(const std::string& text)> ShowMessage;
  std::function<bool(const std::string& url)> OpenUrl;
  std::function<bool(const std::string& url)> UrlAvailable;
  // The credentials file; "qev.log" in the current directory.
  std::string CredentialsPath;

 private:
  void DefineWindow();
  void ShowFootballPage();
};

}  // namespace kx
