#include "app/unit1.h"

#include "app/credentials.h"
#include "app/match_details.h"
#include "app/match_feed.h"
#include "app/service.h"
#include "grid/data_grid.h"
#include "platform/forms/dialogs.h"
#include "platform/sys/files.h"
#include "platform/sys/shell.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_password_edit.h"

namespace kx {

TForm1::TForm1(TComponent* owner)
    : TForm(owner),
      ShowMessage([](const std::string& text) { kx::ShowMessage(text); }),
      OpenUrl([](const std::string& url) { return ShellOpen(url); }),
      UrlAvailable([](const std::string& url) { return kx::UrlAvailable(url); }),
      CredentialsPath(kCredentialsFile) {
  DefineWindow();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(TObject*) {
  LoadCredentials();
  Page->SetActivePageIndex(0);
  ksSkinTabSheet2->SetTabVisible(false);
  ksSkinTabSheet1->SetTabVisible(true);
}

void TForm1::LoadCredentials() {
  if (!FileExists(CredentialsPath)) return;
  zap->SetChecked(true);
  Credentials remembered = ReadCredentials(CredentialsPath);
  loginedit->SetCaption(remembered.login);
  passedit->SetText(remembered.password);
}

void TForm1::SaveCredentials() {
  WriteCredentials(CredentialsPath, {CurrentLogin, CurrentPassword});
}

void TForm1::ShowFootballPage() {
  Page->SetActivePageIndex(1);
  ksSkinTabSheet1->SetTabVisible(false);
  ksSkinTabSheet2->SetTabVisible(true);
}

void TForm1::logbClick(TObject*) {
  const std::string host = ServiceHost();
  if (!UrlAvailable(VersionProbeUrl(host))) {
    ShowMessage(UpdateMessage());
    OpenUrl(UpdatePageUrl());
    Close();
    return;
  }
  CurrentLogin = loginedit->Caption();
  CurrentPassword = passedit->Text();
  std::string response;
  try {
    NetHTTP1.Get(LoginUrl(host, CurrentLogin, CurrentPassword), response);
  } catch (const Exception&) {
    // A failed request counts with what it delivered.
  }
  if (response.find("Fail") != std::string::npos) {
    ShowMessage(kAuthorizationFailed);
    return;
  }
  if (zap->Checked()) {
    SaveCredentials();
  } else {
    DeleteFile(CredentialsPath);
  }
  ShowFootballPage();
  LoadMatches();
}

void TForm1::LoadMatches() {
  NG->ClearRows();
  std::string document;
  try {
    NetHTTP1.Get(LoginUrl(ServiceHost(), CurrentLogin, CurrentPassword), document);
  } catch (const Exception&) {
    // The document is what arrived.
  }
  ShowMatchFeed(document, *NG, *fcount, ShowMessage);
}

void TForm1::NGCellClick(TObject*, int, int row) {
  kx::NGCellClick(MatchDetailPanel{*NG, *MG, *NS, *prpr}, row);
}

}  // namespace kx
