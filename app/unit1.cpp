#include "app/unit1.h"

#include <algorithm>
#include <exception>
#include <new>
#include <vector>

#include "app/credentials.h"
#include "app/match_copy.h"
#include "app/match_details.h"
#include "app/match_feed.h"
#include "app/match_table.h"
#include "app/service.h"
#include "grid/data_grid.h"
#include "platform/base/number_conv.h"
#include "platform/forms/dialogs.h"
#include "platform/sys/files.h"
#include "platform/sys/shell.h"
#include "platform/window/api.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_password_edit.h"

namespace kx {

namespace {
constexpr WPARAM kReloadKey = VK_F1 + 4;  // F5
}  // namespace

TForm1::TForm1(TComponent* owner)
    : TForm(owner),
      ShowMessage([](const std::string& text) { kx::ShowMessage(text); }),
      OpenUrl([](const std::string& url) { return ShellOpen(url); }),
      UrlAvailable([](const std::string& url) { return kx::UrlAvailable(url); }),
      CredentialsPath(kCredentialsFile) {
  DefineWindow();
  ConnectUserKeys();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(TObject*) {
  // A file that cannot be read is reported once, after the window has been set
  // up as without a file.
  std::exception_ptr unreadable;
  try {
    LoadCredentials();
  } catch (const EFOpenError&) {
    unreadable = std::current_exception();
  }
  Page->SetActivePageIndex(0);
  ksSkinTabSheet2->SetTabVisible(false);
  ksSkinTabSheet1->SetTabVisible(true);
  if (unreadable) std::rethrow_exception(unreadable);
}

void TForm1::LoadCredentials() {
  if (!FileExists(CredentialsPath)) return;
  // Read before anything is set, so that a failed read leaves the fields as they were.
  Credentials remembered = ReadCredentials(CredentialsPath);
  zap->SetChecked(true);
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
  // The keys go to the match table, not to a field on the page that went away.
  if (NG->CanFocus()) NG->SetFocus();
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
  // A failed request counts with what it delivered.
  const std::string response = RequestFeed().text;
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

TForm1::FeedResponse TForm1::RequestFeed() {
  FeedResponse response;
  try {
    NetHTTP1.Get(LoginUrl(ServiceHost(), CurrentLogin, CurrentPassword), response.text);
  } catch (const Exception& e) {
    response.failure = e.Message();
  } catch (const std::bad_alloc&) {
    // Not a network failure: the error box reports it and the window goes on.
    throw EOutOfResources("Out of memory");
  } catch (const std::exception& e) {
    throw Exception(e.what());
  }
  return response;
}

void TForm1::LoadMatches() {
  NG->ClearRows();
  // The document is what arrived, also when the request failed.
  ShowMatchFeed(RequestFeed().text, *NG, *fcount, ShowMessage);
}

void TForm1::ReloadMatches() {
  const int selectedRow = NG->SelectedRow();
  const std::u16string selectedId = selectedRow >= 0 ? NG->Cells(ng::kId, selectedRow) : u"";
  const int selectedColumn = NG->SelectedColumn();
  const int topRow = NG->TopRow();
  FeedResponse response = RequestFeed();
  if (response.failure) {
    ShowMessage(*response.failure);
    return;
  }
  if (IsRefusedFeed(response.text)) {
    ShowMessage(AuthorisationFailedMessage());
    return;
  }
  NG->ClearRows();
  ShowMatchFeed(response.text, *NG, *fcount, ShowMessage);
  // A day without matches shows its count too.
  fcount->SetCaption("Count: " + IntToStr(NG->RowCount()));
  SelectMatchById(selectedId, selectedColumn, topRow);
}

void TForm1::SelectMatchById(const std::u16string& id, int col, int topRow) {
  if (!id.empty()) {
    for (int row = 0; row < NG->RowCount(); ++row) {
      if (NG->Cells(ng::kId, row) != id) continue;
      NG->SetTopRow(std::min(topRow, row));
      NG->SelectCell(col, row);
      NG->ScrollToRow(row);
      NGCellClick(NG, col, row);
      return;
    }
  }
  ClearMatchDetails();
}

void TForm1::ClearMatchDetails() {
  MG->ClearRows();
  NS->ClearRows();
  prpr->SetCaption("0%");
}

void TForm1::CopyMatches(CopyScope scope) {
  std::vector<int> rows;
  if (scope == CopyScope::WholeTable) {
    for (int row = 0; row < NG->RowCount(); ++row) rows.push_back(row);
  } else if (NG->SelectedRow() >= 0) {
    rows.push_back(NG->SelectedRow());
  } else {
    return;  // nothing selected: the clipboard keeps what it held
  }
  WindowSystem().SetClipboardText(MatchRowsText(*NG, rows));
}

void TForm1::ConnectUserKeys() {
  for (TWinControl* field :
       {static_cast<TWinControl*>(loginedit), static_cast<TWinControl*>(passedit)}) {
    field->OnKeyPress = [this](TObject*, char32_t& key) { LoginFieldKeyPress(key); };
  }
  // The skinned frame answers Alt+Space through the same event: it keeps its turn.
  TShortCutEvent frameShortCut = OnShortCut;
  OnShortCut = [this, frameShortCut](TMsg& msg, bool& handled) {
    FormShortCut(msg, handled);
    if (!handled && frameShortCut) frameShortCut(msg, handled);
  };
  // The details follow a selection that the keyboard moves, as a click would show them.
  TWndMethod gridProc = NG->WindowProc;
  NG->WindowProc = [this, grid = NG, gridProc](TMessage& m) {
    if (m.Msg != WM_KEYDOWN) {
      gridProc(m);  // also while the form is being taken apart: nothing here may touch it
      return;
    }
    const int before = grid->SelectedRow();
    gridProc(m);
    const int after = grid->SelectedRow();
    if (after != before && after >= 0) NGCellClick(grid, grid->SelectedColumn(), after);
  };
}

void TForm1::LoginFieldKeyPress(char32_t& key) {
  if (key != '\r' || Page->ActivePage() != ksSkinTabSheet1) return;
  // Enter logs in as the LOGIN button does; the field still tells the form of
  // the key, as it does of Esc.
  logbClick(logb);
}

void TForm1::FormShortCut(TMsg& msg, bool& handled) {
  if (msg.message != WM_KEYDOWN || Page->ActivePage() != ksSkinTabSheet2) return;
  const TShiftState shift = KeyboardShiftState() & (ssShift | ssCtrl | ssAlt);
  if (msg.wParam == kReloadKey && shift == 0) {
    handled = true;
    ReloadMatches();
  } else if (msg.wParam == 'C' && (shift == ssCtrl || shift == (ssCtrl | ssShift))) {
    handled = true;
    CopyMatches(shift == ssCtrl ? CopyScope::SelectedMatch : CopyScope::WholeTable);
  }
}

void TForm1::NGCellClick(TObject*, int, int row) {
  kx::NGCellClick(MatchDetailPanel{*NG, *MG, *NS, *prpr}, row);
}

}  // namespace kx
