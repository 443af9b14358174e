#include "shell/Forms.h"

#include <QWidget>
#include <map>

namespace Forms {

namespace {

struct Entry {
  Factory factory;
  LoadableForm* form = nullptr;
  bool unloading = false;
};

std::map<FormId, Entry>& Registry() {
  static std::map<FormId, Entry> registry;
  return registry;
}

std::function<void()>& OnAllUnloaded() {
  static std::function<void()> callback;
  return callback;
}

}  // namespace

void Register(FormId id, Factory factory) { Registry()[id].factory = std::move(factory); }

bool IsRegistered(FormId id) {
  const auto it = Registry().find(id);
  return it != Registry().end() && it->second.factory;
}

bool IsLoaded(FormId id) {
  const auto it = Registry().find(id);
  return it != Registry().end() && it->second.form != nullptr;
}

LoadableForm* Load(FormId id) {
  auto it = Registry().find(id);
  if (it == Registry().end() || !it->second.factory) return nullptr;
  Entry& entry = it->second;
  if (entry.form == nullptr) {
    entry.form = entry.factory();
    entry.form->Form_Load();
  }
  return entry.form;
}

void Unload(FormId id) {
  auto it = Registry().find(id);
  if (it == Registry().end() || it->second.form == nullptr || it->second.unloading) return;
  Entry& entry = it->second;
  entry.unloading = true;
  entry.form->Form_Unload();
  QWidget* widget = entry.form->Widget();
  widget->hide();
  widget->deleteLater();  // the window may be unloading itself from one of its own handlers
  entry.form = nullptr;
  entry.unloading = false;
  for (const auto& [other, e] : Registry()) {
    if (e.form != nullptr) return;
  }
  if (OnAllUnloaded()) OnAllUnloaded()();
}

void SetOnAllUnloaded(std::function<void()> callback) { OnAllUnloaded() = std::move(callback); }

}  // namespace Forms
