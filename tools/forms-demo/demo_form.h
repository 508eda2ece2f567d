#pragma once

#include "platform/forms/button.h"
#include "platform/forms/edit.h"
#include "platform/forms/forms.h"
#include "platform/forms/image.h"
#include "platform/forms/image_list.h"
#include "platform/forms/label.h"
#include "platform/forms/menus.h"
#include "platform/forms/page_control.h"

namespace kx {

// The demo form of the standard controls: two pages, labels, an edit with a
// popup menu, an image and a button that shows a message dialog.
class DemoForm : public TForm {
 public:
  explicit DemoForm(TComponent* owner);

  TPageControl* Pages = nullptr;
  TTabSheet* FirstPage = nullptr;
  TTabSheet* SecondPage = nullptr;
  TCustomLabel* Title = nullptr;
  TCustomLabel* NameLabel = nullptr;
  TEdit* NameEdit = nullptr;
  TButton* Greet = nullptr;
  TImage* Picture = nullptr;
  TCustomLabel* Echo = nullptr;
  TPopupMenu* EditMenu = nullptr;
  TImageList* Icons = nullptr;

 private:
  void Define();
  void AddMenuItem(const std::string& caption, TShortCut shortCut, UINT editMessage);
};

}  // namespace kx
