#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/component.h"

namespace kx {
namespace {

std::vector<std::string> g_events;

class TLogged : public TComponent {
 public:
  explicit TLogged(TComponent* owner) : TComponent(owner) {}
  ~TLogged() override { g_events.push_back("free " + Name()); }
  TLogged* Partner = nullptr;
  bool LoadingAtCreation() const { return Loading(); }

 protected:
  void Loaded() override {
    g_events.push_back("loaded " + Name() + (Partner ? " partner " + Partner->Name() : ""));
  }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == TOperation::opRemove && c == Partner) {
      Partner = nullptr;
      g_events.push_back(Name() + " forgets " + c->Name());
    }
  }
};

TEST(Component, DefinitionCreatesResolvesReferencesThenRunsLoadedInOrder) {
  g_events.clear();
  TComponent form(nullptr);
  TLogged* a = nullptr;
  TLogged* b = nullptr;
  {
    TDefinition def(form);
    a = def.Add<TLogged>("a");
    b = def.Add<TLogged>("b");
    EXPECT_TRUE(form.Loading());
    EXPECT_TRUE(a->LoadingAtCreation());
    def.Refer([&] { a->Partner = b; });
    EXPECT_EQ(a->Partner, nullptr);
  }
  EXPECT_FALSE(form.Loading());
  EXPECT_FALSE(a->Loading());
  EXPECT_EQ(g_events, (std::vector<std::string>{"loaded a partner b", "loaded b"}));
  EXPECT_EQ(form.FindComponent("b"), b);
  EXPECT_EQ(form.ComponentCount(), 2);
}

TEST(Component, OwnerFreesInReverseOrderAndSiblingsHearOfRemovals) {
  g_events.clear();
  {
    TComponent form(nullptr);
    auto* a = new TLogged(&form);
    a->SetName("a");
    auto* b = new TLogged(&form);
    b->SetName("b");
    auto* c = new TLogged(&form);
    c->SetName("c");
    a->Partner = b;
    delete b;
    EXPECT_EQ(a->Partner, nullptr);
    EXPECT_EQ(form.ComponentCount(), 2);
  }
  EXPECT_EQ(g_events, (std::vector<std::string>{"free b", "a forgets b", "free c", "free a"}));
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
  g_events.clear();
  TComponent formA(nullptr);
  auto* watcher = new TLogged(&formA);
  watcher->SetName("watcher");
  {
    TComponent formB(nullptr);
    auto* target = new TLogged(&formB);
    target->SetName("target");
    watcher->Partner = target;
    watcher->FreeNotification(target);
  }
  EXPECT_EQ(watcher->Partner, nullptr);
}

}  // namespace
}  // namespace kx
