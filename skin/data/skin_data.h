#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/mem_ini_file.h"
#include "platform/forms/component.h"
#include "platform/gfx/bitmap.h"
#include "platform/window/messages.h"
#include "skin/data/skin_control_records.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/skin_window_records.h"
#include "skin/forward.h"

namespace kx {

inline constexpr UINT SkinMsgBeforeChange = WM_USER + 201;
inline constexpr UINT SkinMsgChange = WM_USER + 202;
inline constexpr UINT SkinMsgAfterChange = WM_USER + 203;
inline constexpr UINT SkinMsgStringsChanged = WM_USER + 250;
// The second parameter of every skin message.
inline constexpr LPARAM kSkinMessageTag = 1000;

// A skin in memory: the frame pictures, the numbered pictures and the records
// of the definition text, unpacked from a stored skin.
class TksSkinData : public TComponent {
 public:
  explicit TksSkinData(TComponent* owner);
  ~TksSkinData() override;

  TBitmap Picture, InActivePicture, Mask, RollUpPicture, RollUpMask;
  std::vector<std::unique_ptr<TBitmap>> ActivePictures;
  std::string PictureName, InActivePictureName, MaskName, RollUpPictureName, RollUpMaskName;
  std::vector<std::string> ActivePictureNames;
  std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;

  TksSkinFrameValues FormInfo;
  TksDataSkinPopupWindow PopupWindow;
  TksDataSkinHintWindow HintWindow;
  TksSkinColors SkinColors;
  std::vector<std::unique_ptr<TksDataSkinObject>> SkinObjects;
  std::vector<std::unique_ptr<TksDataSkinControl>> SkinControls;
  std::vector<TksDataSkinArea> SkinAreas;

  bool EnableSkinEffects = true;
  bool Empty() const { return m_empty; }
  bool ChangingSkin() const { return m_changingSkin; }

  TksCompressedStoredSkin* CompressedStoredSkin() const { return m_storedSkin; }
  // Stores the reference and, when it is not null, loads the skin at once.
  void SetCompressedStoredSkin(TksCompressedStoredSkin* storedSkin);
  void LoadCompressedStoredSkin(TksCompressedStoredSkin& storedSkin);

  TksResourceStrData* ResourceStrData() const { return m_resourceStrData; }
  // Stores the reference and tells every window with SkinMsgStringsChanged.
  void SetResourceStrData(TksResourceStrData* strings);
  void ClearSkin();

  // Reads [VERSION], [PICTURES] and the records from a parsed definition text,
  // replacing the records of an earlier reading.
  void LoadDefinition(const TMemIniFile& ini);

  // The position of the first record whose IDName equals name exactly; -1 when none.
  int GetControlIndex(std::string_view name) const;
  int GetObjectIndex(std::string_view name) const;
  int GetAreaIndex(std::string_view name) const;

  // The numbered picture at index, or null when there is none there.
  const TBitmap* ActivePicture(int index) const;

  // To the owner window first, then to every other form of the application.
  void SendSkinMessage(UINT msg);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void TakePictures(SkinContainer& container);
  void ReadRecordLists(const TMemIniFile& ini);

  bool m_empty = true;
  bool m_changingSkin = false;
  TksCompressedStoredSkin* m_storedSkin = nullptr;
  TksResourceStrData* m_resourceStrData = nullptr;
};

}  // namespace kx
