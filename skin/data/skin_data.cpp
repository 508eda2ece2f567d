#include "skin/data/skin_data.h"

#include <algorithm>

#include "platform/forms/controls.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"
#include "skin/data/resource_str_data.h"
#include "skin/store/compressed_stored_skin.h"
#include "skin/store/skin_container.h"
#include "skin/store/zlib_streams.h"

namespace kx {

TksSkinData::TksSkinData(TComponent* owner) : TComponent(owner) {}

TksSkinData::~TksSkinData() {
  m_empty = true;
  if (m_storedSkin) m_storedSkin->RemoveFreeNotification(this);
  if (m_resourceStrData) m_resourceStrData->RemoveFreeNotification(this);
}

void TksSkinData::SetResourceStrData(TksResourceStrData* strings) {
  if (m_resourceStrData) m_resourceStrData->RemoveFreeNotification(this);
  m_resourceStrData = strings;
  if (m_resourceStrData) m_resourceStrData->FreeNotification(this);
  SendSkinMessage(SkinMsgStringsChanged);
}

void TksSkinData::SetCompressedStoredSkin(TksCompressedStoredSkin* storedSkin) {
  if (m_storedSkin) m_storedSkin->RemoveFreeNotification(this);
  m_storedSkin = storedSkin;
  if (!m_storedSkin) return;
  m_storedSkin->FreeNotification(this);
  LoadCompressedStoredSkin(*m_storedSkin);
}

void TksSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == m_storedSkin) m_storedSkin = nullptr;
  if (component == m_resourceStrData) m_resourceStrData = nullptr;
}

void TksSkinData::ClearSkin() {
  SkinObjects.clear();
  SkinAreas.clear();
  SkinControls.clear();
  ActivePictures.clear();
  ActivePictureNames.clear();
  PopupWindow.WindowPictureIndex = PopupWindow.MaskPictureIndex = -1;
  HintWindow.WindowPictureIndex = HintWindow.MaskPictureIndex = -1;
  SkinColors.SetColorsToDefault();
  for (TBitmap* picture : {&Picture, &InActivePicture, &Mask, &RollUpPicture, &RollUpMask})
    *picture = TBitmap();
  for (std::string* name :
       {&PictureName, &InActivePictureName, &MaskName, &RollUpPictureName, &RollUpMaskName})
    name->clear();
  m_empty = true;
}

void TksSkinData::LoadCompressedStoredSkin(TksCompressedStoredSkin& storedSkin) {
  if (storedSkin.Empty()) return;
  m_empty = true;
  m_changingSkin = true;
  SendSkinMessage(SkinMsgBeforeChange);
  ClearSkin();
  TMemoryStream& compressed = storedSkin.CompressedStream();
  compressed.SetPosition(0);
  std::optional<SkinContainer> container;
  {
    std::vector<std::uint8_t> inflated = InflateAll(compressed);
    container = ReadSkinContainer(inflated);
  }
  if (!container) return;
  TakePictures(*container);
  std::string text;
  for (const std::string& line : container->Lines) text.append(line).append("\n");
  container.reset();
  LoadDefinition(TMemIniFile(text));
  m_empty = false;
  SendSkinMessage(SkinMsgChange);
  m_changingSkin = false;
  SendSkinMessage(SkinMsgAfterChange);
}

void TksSkinData::TakePictures(SkinContainer& container) {
  Picture = std::move(container.Picture);
  InActivePicture = std::move(container.InActivePicture);
  Mask = std::move(container.Mask);
  RollUpPicture = std::move(container.RollUpPicture);
  RollUpMask = std::move(container.RollUpMask);
  for (TBitmap& picture : container.ActivePictures)
    ActivePictures.push_back(std::make_unique<TBitmap>(std::move(picture)));
}

void TksSkinData::LoadDefinition(const TMemIniFile& ini) {
  SkinObjects.clear();
  SkinControls.clear();
  SkinAreas.clear();
  SkinName = ini.ReadString("VERSION", "skinname", "");
  SkinAuthor = ini.ReadString("VERSION", "skinauthor", "");
  AuthorEmail = ini.ReadString("VERSION", "authoremail", "");
  AuthorURL = ini.ReadString("VERSION", "authorurl", "");
  SkinComments = ini.ReadString("VERSION", "skincomments", "");
  PictureName = ini.ReadString("PICTURES", "picture", "");
  InActivePictureName = ini.ReadString("PICTURES", "inactivepicture", "");
  MaskName = ini.ReadString("PICTURES", "mask", "");
  RollUpPictureName = ini.ReadString("PICTURES", "rolluppicture", "");
  RollUpMaskName = ini.ReadString("PICTURES", "rollupmask", "");
  SkinKeys pictures(ini, "PICTURES");
  pictures.List("activepictures", ActivePictureNames);

  SkinKeys formInfo(ini, "FORMINFO");
  FormInfo.Keys(formInfo, !MaskName.empty());
  SkinKeys popup(ini, "POPUPWINDOW");
  PopupWindow.Keys(popup);
  SkinKeys hint(ini, "HINTWINDOW");
  HintWindow.Keys(hint);
  SkinKeys colors(ini, "SKINCOLORS");
  SkinColors.Keys(colors);
  ReadRecordLists(ini);
}

namespace {

struct ListEntry {
  std::string name;
  std::string kind;
};

// The entries of a record list section: "count" and the keys "0" … "n-1",
// each value cut at its first ":" (no ":" gives an empty name and kind).
std::vector<ListEntry> ListEntries(const TMemIniFile& ini, std::string_view section) {
  std::vector<ListEntry> entries;
  // A section cannot name more entries than it has keys: a larger count is hostile.
  int count = BoundedCount(ini.ReadInteger(section, "count", 0), ini.KeyCount(section));
  for (int i = 0; i < count; ++i) {
    std::string value = ini.ReadString(section, std::to_string(i), "");
    std::size_t colon = value.find(':');
    if (colon == std::string::npos)
      entries.push_back({});
    else
      entries.push_back({value.substr(0, colon), value.substr(colon + 1)});
  }
  return entries;
}

}  // namespace

void TksSkinData::ReadRecordLists(const TMemIniFile& ini) {
  for (ListEntry& entry : ListEntries(ini, "SKINAREAS")) {
    if (entry.name.empty() && entry.kind.empty()) continue;
    SkinAreas.push_back({entry.name, ParseSkinRect(entry.kind)});
  }
  for (ListEntry& entry : ListEntries(ini, "SKINOBJECTS")) {
    auto record = CreateSkinObjectRecord(entry.kind, entry.name);
    if (!record) continue;
    SkinObjects.push_back(std::move(record));
    SkinObjects.back()->LoadFromIni(ini);
  }
  for (ListEntry& entry : ListEntries(ini, "SKINCONTROLS")) {
    auto record = CreateSkinControlRecord(entry.kind, entry.name);
    if (!record) continue;
    SkinControls.push_back(std::move(record));
    SkinControls.back()->LoadFromIni(ini);
  }
}

namespace {

template <typename List>
int IndexOfName(const List& list, std::string_view name, auto nameOf) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (nameOf(list[i]) == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

int TksSkinData::GetControlIndex(std::string_view name) const {
  return IndexOfName(SkinControls, name,
                     [](const auto& r) -> const std::string& { return r->IDName; });
}

int TksSkinData::GetObjectIndex(std::string_view name) const {
  return IndexOfName(SkinObjects, name,
                     [](const auto& r) -> const std::string& { return r->IDName; });
}

int TksSkinData::GetAreaIndex(std::string_view name) const {
  return IndexOfName(SkinAreas, name, [](const auto& a) -> const std::string& { return a.IDName; });
}

const TBitmap* TksSkinData::ActivePicture(int index) const {
  if (index < 0 || index >= static_cast<int>(ActivePictures.size())) return nullptr;
  return ActivePictures[static_cast<std::size_t>(index)].get();
}

void TksSkinData::SendSkinMessage(UINT msg) {
  auto self = static_cast<WPARAM>(reinterpret_cast<std::uintptr_t>(this));
  HWND ownerWindow = nullptr;
  if (auto* owner = dynamic_cast<TWinControl*>(Owner())) {
    ownerWindow = owner->Handle();
    SendMessage(ownerWindow, msg, self, kSkinMessageTag);
  }
  // A receiver may close forms: walk a copy and skip the ones gone meanwhile.
  std::vector<TCustomForm*> forms = Screen().Forms();
  for (TCustomForm* form : forms) {
    const auto& current = Screen().Forms();
    if (std::find(current.begin(), current.end(), form) == current.end()) continue;
    if (!form->HandleAllocated() || form->Handle() == ownerWindow) continue;
    SendMessage(form->Handle(), msg, self, kSkinMessageTag);
  }
}

}  // namespace kx
