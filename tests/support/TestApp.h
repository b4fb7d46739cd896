#pragma once
#include "app/AppContext.h"
#include "platform/MemorySettingsStore.h"
#include "support/ScriptedUserInterface.h"

namespace tarvix::testing {

// A fresh application context over an in-memory store and a scripted user interface, current
// for the lifetime of the object, so no test sees another's settings or messages.
class TestApp {
 public:
  TestApp() : context(store, ui), scope_(context) {}

  MemorySettingsStore store;
  ScriptedUserInterface ui;
  AppContext context;

  AppSettings& settings() { return context.settings; }

 private:
  ScopedAppContext scope_;
};

}  // namespace tarvix::testing
