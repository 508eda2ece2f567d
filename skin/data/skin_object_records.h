#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/base/mem_ini_file.h"
#include "skin/store/skin_values.h"

namespace kx {

// Base of the frame object records: the section [IDName] of [SKINOBJECTS].
class TksDataSkinObject {
 public:
  explicit TksDataSkinObject(std::string idName) : IDName(std::move(idName)) {}
  virtual ~TksDataSkinObject() = default;
  TksDataSkinObject(const TksDataSkinObject&) = delete;
  TksDataSkinObject& operator=(const TksDataSkinObject&) = delete;

  virtual void LoadFromIni(const TMemIniFile& ini);
  virtual void SaveToIni(std::vector<std::string>& lines);

  std::string IDName;
  std::string Kind;
  std::string Hint;
  bool RollUp = false;
  int ActivePictureIndex = -1;
  bool SkinRectInAPicture = false;
  int CursorIndex = -1;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  bool Morphing = false;
  TksMorphKind MorphKind = TksMorphKind::mkDefault;

 protected:
  virtual void Keys(SkinKeys& k);
};

class TksDataSkinButton : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  TRect DownRect, DisableSkinRect;
  int GroupIndex = -1;

 protected:
  void Keys(SkinKeys& k) override;
};

// The images a command button shows while the window is in the state it undoes.
struct TksSkinRestoreRects {
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  void Keys(SkinKeys& k);
};

class TksDataSkinStdButton : public TksDataSkinButton {
 public:
  using TksDataSkinButton::TksDataSkinButton;
  TksStdCommand Command = TksStdCommand::cmDefault;
  TksSkinRestoreRects Restore;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinMainMenuBarButton : public TksDataSkinStdButton {
  using TksDataSkinStdButton::TksDataSkinStdButton;
};

class TksDataSkinCaption : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  bool DefaultCaption = false;
  TRect TextRect;
  TksSkinFont Font;
  TColor ActiveFontColor = 0;
  TAlignment Alignment = TAlignment::taCenter;
  bool Shadow = false;
  TColor ShadowColor = 0;
  bool Light = false;
  TColor LightColor = 0, ActiveLightColor = 0, ActiveShadowColor = 0;
  TRect FrameRect, ActiveFrameRect, FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool InActiveAnimation = false, FullFrame = false;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinAnimate : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  int CountFrames = 1;
  bool Cycle = false, ButtonStyle = false;
  int TimerInterval = 50;
  TksStdCommand Command = TksStdCommand::cmDefault;
  TRect DownSkinRect;
  TksSkinRestoreRects Restore;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinMenuItem : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DividerRect;
  int DividerLeftOffset = 0, DividerRightOffset = 0;
  TRect TextRect, ImageRect;
  TksSkinFont Font;
  TColor ActiveFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false, InActiveStretchEffect = false, DividerStretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool InActiveAnimation = false, UseImageColor = false;
  TColor ImageColor = 0, ActiveImageColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinMainMenuItem : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DownRect, TextRect;
  TksSkinFont Font;
  TColor ActiveFontColor = 0, DownFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool InActiveAnimation = false;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinMainMenuBarItem : public TksDataSkinMainMenuItem {
  using TksDataSkinMainMenuItem::TksDataSkinMainMenuItem;
};

class TksDataSkinLabel : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  TksSkinFont Font;
  TColor ActiveFontColor = 0;
  TAlignment Alignment = TAlignment::taCenter;
  std::string TextValue;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinBitLabel : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  std::string TextValue;
  int SymbolWidth = 0, SymbolHeight = 0;
  std::vector<std::string> Symbols;
  bool Transparent = false;
  TColor TransparentColor = 0xFF00FF;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinGauge : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  int MinValue = 0, MaxValue = 0;
  TksGaugeKind GaugeKind = TksGaugeKind::gkHorizontal;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinTrackBar : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  TRect ButtonRect, ActiveButtonRect;
  TPoint BeginPoint, EndPoint;
  int MinValue = 0, MaxValue = 0;
  bool MouseDownChangeValue = false, ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinFrameGaugeObject : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;
  int MinValue = 0, MaxValue = 0, CountFrames = 0;
  TksFramesPlacement FramesPlacement = TksFramesPlacement::fpHorizontal;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinFrameRegulatorObject : public TksDataSkinFrameGaugeObject {
 public:
  using TksDataSkinFrameGaugeObject::TksDataSkinFrameGaugeObject;
  TksRegulatorKind RegulatorKind = TksRegulatorKind::rkRound;

 protected:
  void Keys(SkinKeys& k) override;
};

class TksDataSkinSwitch : public TksDataSkinObject {
  using TksDataSkinObject::TksDataSkinObject;
};

// Reads only "rollup", "skinrect" and "cursorindex", not the base keys.
class TksDataUserObject : public TksDataSkinObject {
 public:
  using TksDataSkinObject::TksDataSkinObject;

 protected:
  void Keys(SkinKeys& k) override;
};

// The object record for a kind word of [SKINOBJECTS]; null for an unknown kind.
std::unique_ptr<TksDataSkinObject> CreateSkinObjectRecord(std::string_view kind,
                                                          const std::string& idName);

}  // namespace kx
