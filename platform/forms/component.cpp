#include "platform/forms/component.h"

#include <algorithm>

namespace kx {

TComponent::TComponent(TComponent* owner) : m_owner(owner) {
  if (m_owner) m_owner->InsertComponent(this);
}

void TComponent::MarkDestroying() {
  if (m_destroying) return;
  m_destroying = true;
  for (TComponent* c : m_components) c->MarkDestroying();
}

TComponent::~TComponent() {
  // Everything this component owns learns first that it is going too, so that
  // owned components tell nobody about each other's removal.
  MarkDestroying();
  std::vector<TComponent*> told = m_freeNotifies;
  for (TComponent* c : told) {
    c->RemoveFreeNotification(this);
    c->Notification(this, TOperation::opRemove);
  }
  while (!m_components.empty()) {
    TComponent* last = m_components.back();
    delete last;  // removes itself from m_components
  }
  if (m_owner) m_owner->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* component) {
  m_components.push_back(component);
  for (TComponent* c : std::vector<TComponent*>(m_components)) {
    if (c != component) c->Notification(component, TOperation::opInsert);
  }
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  std::erase(m_components, component);
  std::erase(m_freeNotifies, component);
  if (m_destroying) return;
  Notification(component, TOperation::opRemove);
  for (TComponent* c : std::vector<TComponent*>(m_components)) {
    c->Notification(component, TOperation::opRemove);
  }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) std::erase(m_freeNotifies, component);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : m_components) {
    if (!name.empty() && c->Name() == name) return c;
  }
  return nullptr;
}

void TComponent::BeginLoading() {
  m_loading = true;
  for (TComponent* c : m_components) c->BeginLoading();
}

void TComponent::EndLoading() {
  std::vector<TComponent*> all;
  std::function<void(TComponent*)> collect = [&](TComponent* c) {
    if (!c->m_loading) return;
    all.push_back(c);
    for (TComponent* child : c->m_components) collect(child);
  };
  collect(this);
  for (TComponent* c : all) c->m_loading = false;
  for (TComponent* c : all) c->Loaded();
}

void TComponent::FreeNotification(TComponent* target) {
  if (!target || target == this) return;
  if (std::find(target->m_freeNotifies.begin(), target->m_freeNotifies.end(), this) ==
      target->m_freeNotifies.end()) {
    target->m_freeNotifies.push_back(this);
  }
  if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), target) == m_freeNotifies.end()) {
    m_freeNotifies.push_back(target);
  }
}

void TComponent::RemoveFreeNotification(TComponent* target) {
  if (!target) return;
  std::erase(target->m_freeNotifies, this);
  std::erase(m_freeNotifies, target);
}

TDefinition::~TDefinition() {
  for (auto& assign : m_references) assign();
  m_form.EndLoading();
}

}  // namespace kx
