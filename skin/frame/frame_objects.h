#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/forms/controls.h"
#include "platform/gfx/canvas.h"
#include "skin/data/skin_object_records.h"

namespace kx {

class TksSkinData;
struct TksFrameGeometry;
class TksActiveSkinObject;

enum class TksWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TksObjectEvent { MouseDown, MouseUp, MouseMove, MouseEnter, MouseLeave };

// What an active object needs of its frame.
class TksFrameObjectHost {
 public:
  virtual ~TksFrameObjectHost() = default;
  virtual const TksSkinData& Skin() const = 0;
  virtual const TksFrameGeometry& Geometry() const = 0;
  // Whether the frame shows the window active: the state its last activation
  // message reported, which is what the frame and its objects are drawn for.
  virtual bool ShowsActive() const = 0;
  virtual TksWindowState WindowState() const = 0;
  virtual bool RolledUp() const = 0;
  virtual std::string CaptionText() const = 0;
  virtual bool ShowsWindowIcon() const = 0;
  // The window's icon; nullptr when it has none.
  virtual const TBitmap* WindowIcon() const = 0;
  // The unskinned caption font (DefCaptionFont); it gives the caption's character set.
  virtual const TFont& CaptionFont() const = 0;
  // Draws the object alone on the window (its Draw with the update flag on).
  virtual void RedrawObject(TksActiveSkinObject& object) = 0;
  // Starts the shared 25 ms animation timer; it stops when nothing animates.
  virtual void StartAnimation() = 0;
  virtual void RunCommand(TksStdCommand command) = 0;
  // Opens the system menu below a rectangle of the window, for the object that asks.
  virtual void OpenSystemMenu(const TRect& below, TksActiveSkinObject* opener) = 0;
  // Whether the mouse is over the object now.
  virtual bool MouseOver(const TksActiveSkinObject& object) const = 0;
  virtual void ObjectEvent(TksObjectEvent event, const std::string& idName) = 0;
  // A button of the group went down: every other object hears ReleaseInGroup.
  virtual void ReleaseGroup(int groupIndex, const TksActiveSkinObject& except) = 0;
};

// A caption or caption button of the skinned frame, made from one object record.
class TksActiveSkinObject {
 public:
  TksActiveSkinObject(TksFrameObjectHost& frame, const TksDataSkinObject& record);
  virtual ~TksActiveSkinObject() = default;
  TksActiveSkinObject(const TksActiveSkinObject&) = delete;
  TksActiveSkinObject& operator=(const TksActiveSkinObject&) = delete;

  // Draws the object's image for the present state on a canvas in window
  // coordinates; with update on, its whole image, else what the frame image lacks.
  virtual void Draw(TCanvas& canvas, bool update);
  virtual void DblClick() {}
  virtual void MouseDown(int x, int y, TMouseButton button);
  virtual void MouseUp(int x, int y, TMouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool IsMorphing() const { return false; }
  // Animation: whether the object wants ticks, and one 25 ms tick.
  virtual bool Animating() const { return false; }
  virtual void AnimationTick() {}
  virtual bool IsCaption() const { return false; }
  // The command a button runs; cmDefault for other objects.
  virtual TksStdCommand Command() const { return TksStdCommand::cmDefault; }
  virtual bool SetsDown() const { return false; }
  // The window's active state changed.
  virtual void ActivationChanged() {}
  // Lets a held button come up (its menu closed).
  virtual void MenuClosed() {}
  // Another button of the group went down: a button of that group comes up.
  virtual void ReleaseInGroup(int /*groupIndex*/) {}
  // The default command buttons take their places from the plain frame, not from the skin.
  virtual bool IsDefaultButton() const { return false; }

  // Shown on the normal frame ("rollup" objects belong to the rolled-up one).
  bool Shown() const { return !RollUpObject; }

  std::string IDName;
  std::string Hint;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  bool SkinRectInAPicture = false;
  bool RollUpObject = false;
  TRect ObjectRect;
  bool Enabled = true;
  bool Visible = true;
  bool Active = false;
  bool MouseIn = false;

 protected:
  // An object without a record or pictures (the default command buttons).
  TksActiveSkinObject(TksFrameObjectHost& frame, std::string idName);
  // Copies a rectangle of a picture onto ObjectRect (its top-left corner).
  void CopyImage(TCanvas& canvas, const TBitmap* picture, const TRect& source) const;
  TksFrameObjectHost& Frame() const { return m_frame; }
  const TBitmap* ActivePicture() const { return m_activePicture; }
  const TBitmap* Picture() const { return m_picture; }

 private:
  TksFrameObjectHost& m_frame;
  const TBitmap* m_activePicture = nullptr;
  const TBitmap* m_picture = nullptr;
};

// The window's caption text on a strip of the picture.
class TksSkinCaptionObject : public TksActiveSkinObject {
 public:
  TksSkinCaptionObject(TksFrameObjectHost& frame, const TksDataSkinCaption& record);
  void Draw(TCanvas& canvas, bool update) override;
  bool IsCaption() const override { return true; }
  // The caption's Active is the window's active state, which the mouse does not change.
  void MouseEnter() override;
  void MouseLeave() override;
  void ActivationChanged() override;
  bool DefaultCaption = false;

 private:
  // The record's image (normal or active) fitted to ObjectRect.
  TBitmap FittedImage(const TBitmap& picture, const TRect& source) const;
  // The text in the state's colour onto a canvas whose origin is ObjectRect's top-left.
  void DrawText(TCanvas& canvas, bool active) const;
  const TksDataSkinCaption& m_record;
};

class TksSkinButtonObject : public TksActiveSkinObject {
 public:
  TksSkinButtonObject(TksFrameObjectHost& frame, const TksDataSkinButton& record);
  void Draw(TCanvas& canvas, bool update) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ReleaseInGroup(int groupIndex) override;
  bool Down = false;
  TRect DownRect, DisableSkinRect;
  int GroupIndex = -1;

 protected:
  bool DrawButtonState(TCanvas& canvas);
};

class TksSkinStdButtonObject : public TksSkinButtonObject {
 public:
  TksSkinStdButtonObject(TksFrameObjectHost& frame, const TksDataSkinStdButton& record);
  void Draw(TCanvas& canvas, bool update) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void DblClick() override;
  TksStdCommand Command() const override { return m_command; }
  void MenuClosed() override;

 private:
  // The restore image for the window's state, or an empty rectangle.
  TRect RestoreImage() const;
  bool ShowsIcon() const;
  TksStdCommand m_command;
  TksSkinRestoreRects m_restore;
};

// A button that plays a strip of frames when the mouse comes and goes.
class TksSkinAnimateObject : public TksActiveSkinObject {
 public:
  TksSkinAnimateObject(TksFrameObjectHost& frame, const TksDataSkinAnimate& record);
  void Draw(TCanvas& canvas, bool update) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DblClick() override;
  bool Animating() const override { return m_animating; }
  void AnimationTick() override;
  TksStdCommand Command() const override { return m_record.Command; }
  void MenuClosed() override;
  int CurrentFrame() const { return m_frameIndex; }
  bool Down() const { return m_down; }

 private:
  void StartAnimation();
  // Frame n (from 1) of a strip that starts at the rectangle.
  TRect FrameRect(const TRect& strip, int n) const;
  bool IsRestoreState() const;
  const TksDataSkinAnimate& m_record;
  int m_frameIndex = 1;
  bool m_forwards = true;
  int m_waited = 25;
  bool m_down = false;
  bool m_menuOpen = false;
  bool m_animating = false;
};

// The active object for a record of the frame; none for records the frame does not show.
std::unique_ptr<TksActiveSkinObject> CreateActiveObject(TksFrameObjectHost& frame,
                                                        const TksDataSkinObject& record);

}  // namespace kx
