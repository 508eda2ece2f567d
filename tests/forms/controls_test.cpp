#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "platform/forms/forms.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

class ColorBox : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  // Paints its left half only: the parent shows through the right half.
  void Paint() override {
    Canvas().Brush().Color = clRed;
    Canvas().FillRect({0, 0, Width() / 2, Height()});
  }
};

// Records the accelerator characters offered to it and takes its own.
class AccelControl : public TWinControl {
 public:
  AccelControl(TComponent* owner, char accel, std::string& log)
      : TWinControl(owner), m_accel(accel), m_log(log) {}

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_DIALOGCHAR) {
      m_log += Name() + ":" + static_cast<char>(m.WParam) + " ";
      m.Result = std::tolower(static_cast<int>(m.WParam)) == m_accel ? 1 : 0;
      return;
    }
    TWinControl::WndProc(m);
  }

 private:
  char m_accel;
  std::string& m_log;
};

class FormsTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  ~FormsTest() override { delete form; }

  TWinControl* Panel(TWinControl* parent, TAlign align, int size) {
    auto* p = new TWinControl(form);
    p->SetBounds(0, 0, size, size);
    p->SetAlign(align);
    p->SetParent(parent);
    return p;
  }
};

TEST_F(FormsTest, AlignedControlsTakeTheirSidesInCreationOrder) {
  form->BorderStyle = TFormBorderStyle::bsNone;
  form->SetBounds(0, 0, 400, 300);
  TWinControl* top = Panel(form, TAlign::alTop, 30);
  TWinControl* hidden = Panel(form, TAlign::alTop, 40);
  hidden->SetVisible(false);
  TWinControl* bottom = Panel(form, TAlign::alBottom, 20);
  TWinControl* left = Panel(form, TAlign::alLeft, 50);
  TWinControl* client = Panel(form, TAlign::alClient, 10);
  TWinControl* inner = Panel(client, TAlign::alTop, 15);
  form->Show();
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 30));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 280, 400, 300));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 30, 50, 280));
  EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 400, 280));
  EXPECT_EQ(inner->BoundsRect(), Rect(0, 0, 350, 15));
  hidden->SetVisible(true);  // now it takes its place below the first
  EXPECT_EQ(hidden->BoundsRect(), Rect(0, 30, 400, 70));
  EXPECT_EQ(client->BoundsRect(), Rect(50, 70, 400, 280));
  form->SetBounds(0, 0, 500, 300);
  EXPECT_EQ(client->BoundsRect(), Rect(50, 70, 500, 280));
  EXPECT_EQ(inner->Width(), 450);
  EXPECT_EQ(session.system.GetWindowRect(inner->Handle()).Width(), 450);
}

TEST_F(FormsTest, GraphicControlsArePaintedByTheirParentAndSeenThrough) {
  form->BorderStyle = TFormBorderStyle::bsNone;
  form->SetBounds(0, 0, 200, 200);
  form->SetColor(clWhite);
  auto* box = new ColorBox(form);
  box->SetBounds(10, 10, 40, 20);
  box->SetParent(form);
  int clicks = 0;
  box->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, box);
    ++clicks;
  };
  form->Show();
  session.driver.RunUntilIdle();
  EXPECT_EQ(session.driver.ClientPixel(form->Handle(), {15, 15}), clRed);
  EXPECT_EQ(session.driver.ClientPixel(form->Handle(), {45, 15}), clWhite);
  session.driver.Click({20, 20});
  EXPECT_EQ(clicks, 1);
  box->SetVisible(false);
  session.driver.RunUntilIdle();
  EXPECT_EQ(session.driver.ClientPixel(form->Handle(), {15, 15}), clWhite);
}

TEST_F(FormsTest, MouseEnterAndLeaveReachControls) {
  form->BorderStyle = TFormBorderStyle::bsNone;
  form->SetBounds(0, 0, 200, 200);
  auto* panel = new TWinControl(form);
  panel->SetBounds(0, 0, 50, 50);
  panel->SetParent(form);
  auto* box = new ColorBox(form);
  box->SetBounds(100, 100, 40, 40);
  box->SetParent(form);
  std::vector<std::string> events;
  panel->OnMouseEnter = [&](TObject*) { events.push_back("panel enter"); };
  panel->OnMouseLeave = [&](TObject*) { events.push_back("panel leave"); };
  box->OnMouseEnter = [&](TObject*) { events.push_back("box enter"); };
  box->OnMouseLeave = [&](TObject*) { events.push_back("box leave"); };
  form->Show();
  session.driver.MoveTo({10, 10});
  session.driver.MoveTo({20, 20});
  session.driver.MoveTo({110, 110});
  session.driver.MoveTo({180, 10});
  // The panel's leave is posted by the window system, the box's enter comes
  // from the form's move at once: both arrive, the enter first.
  EXPECT_EQ(events,
            (std::vector<std::string>{"panel enter", "box enter", "panel leave", "box leave"}));
}

TEST_F(FormsTest, KeyEventsComeBeforeTheControlsOwnHandling) {
  form->SetBounds(0, 0, 200, 200);
  auto* edit = new TWinControl(form);
  edit->SetBounds(0, 0, 50, 20);
  edit->TabStop = true;
  edit->SetParent(form);
  std::string pressed;
  edit->OnKeyPress = [&](TObject*, char32_t& key) {
    pressed += key;
    if (key == 'x') key = 0;
  };
  form->Show();
  edit->SetFocus();
  EXPECT_EQ(form->ActiveControl(), edit);
  session.driver.TypeText("axb");
  EXPECT_EQ(pressed, "axb");
}

TEST_F(FormsTest, AltWithALetterIsOfferedToTheShownControlsUntilOneTakesIt) {
  form->SetBounds(0, 0, 200, 200);
  std::string log;
  auto add = [&](TWinControl* parent, const char* name, char accel) {
    auto* c = new AccelControl(form, accel, log);
    c->SetName(name);
    c->SetBounds(0, 0, 20, 20);
    c->SetParent(parent);
    return c;
  };
  AccelControl* edit = add(form, "edit", 0);
  edit->TabStop = true;
  AccelControl* hidden = add(form, "hidden", 'k');
  hidden->SetVisible(false);
  AccelControl* off = add(form, "off", 'k');
  off->SetEnabled(false);
  AccelControl* panel = add(form, "panel", 0);
  add(panel, "inner", 'k');
  add(form, "after", 'k');
  form->Show();
  edit->SetFocus();
  session.driver.PressKey('K', TestDriver::Alt);
  EXPECT_EQ(log, "edit:k panel:k inner:k ");
  log.clear();
  session.driver.PressKey('K');  // typed, no accelerator
  EXPECT_EQ(log, "");
}

}  // namespace
}  // namespace kx
