#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kx {

class TObject {
 public:
  virtual ~TObject() = default;
};

enum class TOperation { opInsert, opRemove };

// A component with an owner. The owner destroys the components it owns, in the
// reverse order of their creation; a component being destroyed tells every
// component that asked for it (FreeNotification) and its owner's other components.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return m_owner; }
  const std::vector<TComponent*>& Components() const { return m_components; }
  int ComponentCount() const { return static_cast<int>(m_components.size()); }
  TComponent* FindComponent(const std::string& name) const;

  const std::string& Name() const { return m_name; }
  void SetName(const std::string& name) { m_name = name; }
  int Tag = 0;

  bool Loading() const { return m_loading; }
  // True from the start of the destruction of this component or of its owner.
  bool Destroying() const { return m_destroying; }
  // The loading state of a window definition: this component and every one it owns.
  void BeginLoading();
  // Leaves the loading state and runs Loaded on each component in creation order.
  void EndLoading();

  // Asks for an opRemove notification when target is destroyed.
  void FreeNotification(TComponent* target);
  void RemoveFreeNotification(TComponent* target);

 protected:
  // Called once after a window definition has created and set up all its
  // components and resolved their references; the base does nothing.
  virtual void Loaded() {}
  // Told when a component this one references is inserted or removed (opRemove:
  // it is being destroyed, so drop the reference). An override calls the base.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void MarkDestroying();
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* m_owner;
  std::string m_name;
  std::vector<TComponent*> m_components;    // owned, in creation order
  std::vector<TComponent*> m_freeNotifies;  // told when this goes
  bool m_loading = false;
  bool m_destroying = false;
};

// A window definition: creates components in definition order while the form
// is loading; at the end of the scope the references are resolved, then Loaded runs.
class TDefinition {
 public:
  explicit TDefinition(TComponent& form) : m_form(form) { m_form.BeginLoading(); }
  ~TDefinition();
  TDefinition(const TDefinition&) = delete;
  TDefinition& operator=(const TDefinition&) = delete;

  // A component owned by the form, named as in the definition.
  template <typename T, typename... Args>
  T* Add(const std::string& name, Args&&... args) {
    T* component = new T(&m_form, std::forward<Args>(args)...);  // owned by the form
    component->SetName(name);
    component->BeginLoading();
    return component;
  }
  // A reference to another component, set once every component exists.
  void Refer(std::function<void()> assign) { m_references.push_back(std::move(assign)); }

 private:
  TComponent& m_form;
  std::vector<std::function<void()>> m_references;
};

}  // namespace kx
