#pragma once

namespace kx {
class TObject;
class TComponent;
class TControl;
class TGraphicControl;
class TWinControl;
class TCustomControl;
class TCustomForm;
class TForm;
class TScreen;
class TApplication;
class TCustomLabel;
class TCustomEdit;
class TCustomMaskEdit;
class TEdit;
class TImage;
class TPicture;
class TCustomImageList;
class TImageList;
class TMenuItem;
class TMenu;
class TPopupMenu;
class TPageControl;
class TTabSheet;
class TButton;
class THintWindow;
}  // namespace kx
