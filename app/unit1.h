#pragma once

#include <functional>
#include <optional>
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

  // Beyond the window definition: what a user of the match table reaches for.
  // Fetches the day's matches again on the same client (its cookie), refills
  // the table and the count, and selects the match that was selected (by its
  // id) with its details. A refused or failed request shows its message and
  // keeps the table as it was.
  void ReloadMatches();
  enum class CopyScope { SelectedMatch, WholeTable };
  // Puts the selected match, or the whole table, on the clipboard as
  // tab-separated lines under the visible columns' headers.
  void CopyMatches(CopyScope scope);

  // The services the flow reaches the outside through; tests replace them.
  std::function<void(const std::string& text)> ShowMessage;
  std::function<bool(const std::string& url)> OpenUrl;
  std::function<bool(const std::string& url)> UrlAvailable;
  // The credentials file; "qev.log" in the current directory.
  std::string CredentialsPath;

 private:
  // The text of one request of the login and feed URL; failure holds the
  // message of a network error, after which text is what arrived.
  struct FeedResponse {
    std::string text;
    std::optional<std::string> failure;
  };
  FeedResponse RequestFeed();
  void DefineWindow();
  void ShowFootballPage();
  void ConnectUserKeys();
  void FormShortCut(TMsg& msg, bool& handled);
  void LoginFieldKeyPress(char32_t& key);
  void SelectMatchById(const std::u16string& id, int col, int topRow);
  void ClearMatchDetails();
};

}  // namespace kx
