#include "platform/forms/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kx {
namespace {

std::vector<std::string> g_events;

class Logged : public TComponent {
 public:
  explicit Logged(TComponent* owner) : TComponent(owner) {}
  ~Logged() override { g_events.push_back("free " + Name()); }
  Logged* Partner = nullptr;
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
  Logged* a = nullptr;
  Logged* b = nullptr;
  {
    TDefinition def(form);
    a = def.Add<Logged>("a");
    b = def.Add<Logged>("b");
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
    auto* a = new Logged(&form);
    a->SetName("a");
    auto* b = new Logged(&form);
    b->SetName("b");
    auto* c = new Logged(&form);
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
  auto* watcher = new Logged(&formA);
  watcher->SetName("watcher");
  {
    TComponent formB(nullptr);
    auto* target = new Logged(&formB);
    target->SetName("target");
    watcher->Partner = target;
    watcher->FreeNotification(target);
  }
  EXPECT_EQ(watcher->Partner, nullptr);
}

}  // namespace
}  // namespace kx
