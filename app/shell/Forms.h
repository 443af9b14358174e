#pragma once
#include <functional>

class QWidget;

// The program's windows are loaded once and live until they are unloaded, shown or not. Loading
// creates the window and runs its load handler; unloading runs its unload handler and destroys
// it. The program ends when the last loaded window is gone. Windows of the editors register
// their factories at start-up, so the shell reaches them by id without knowing their classes.
enum class FormId {
  Main, ComSel, KAV, Msg, PosEdit, ComEdit, ZELLogo, Monitor, SetupDlg,
};

// Implemented by every window the registry manages.
class LoadableForm {
 public:
  virtual ~LoadableForm() = default;
  virtual QWidget* Widget() = 0;
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
};

namespace Forms {

using Factory = std::function<LoadableForm*()>;

void Register(FormId id, Factory factory);
bool IsRegistered(FormId id);
bool IsLoaded(FormId id);

// Loads the window when it is not loaded yet; nullptr when no factory is registered for it.
LoadableForm* Load(FormId id);

// Unloads a loaded window; a window that is not loaded, or is being unloaded, is skipped.
void Unload(FormId id);

// Typed access to a window, loading it first (as referring to a window does).
template <typename T>
T& Get(FormId id) {
  return *dynamic_cast<T*>(Load(id));
}

// Called when the last window is gone; the program installs the event loop's quit.
void SetOnAllUnloaded(std::function<void()> callback);

}  // namespace Forms
