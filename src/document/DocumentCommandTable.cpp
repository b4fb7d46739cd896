#include "document/DocumentCommandTable.h"

#include "document/CTarvixDoc.h"

namespace tarvix {

namespace {
CommandState Enabled(bool enabled = true) { return {enabled, false}; }
}  // namespace

DocumentCommandTable::DocumentCommandTable(CTarvixDoc& doc) {
  using namespace command;
  CTarvixDoc* d = &doc;
  // Only one project is open at a time: the recent files wait until it is closed.
  for (int entry = 0; entry < kRecentFileCount; ++entry) Add(kRecentFile + entry, [] { return Enabled(false); }, nullptr);
  Add(kSave, [] { return Enabled(); }, [d] { d->DoFileSave(); });
  Add(kSaveAs, [] { return Enabled(); }, [d] { d->OnFileSaveAs(); });
  Add(kAddProject, [] { return Enabled(); }, [d] { d->OnAddProject(); });
  Add(kSiteMap, [d] { return CommandState{true, d->mapShown == 1}; }, [d] { d->OnSiteMap(); });
  Add(kProjectManager, [] { return Enabled(); }, [d] { d->OnProjectManager(); });
  Add(kEditFilterList, [d] { return Enabled(d->CurrentSetHasProfiles()); }, [d] { d->OnEditFilterList(); });
  Add(kToggleFilters, [] { return Enabled(); }, [d] { d->OnToggleFilters(); });
  Add(kMigration, [d] { return CommandState{true, d->state.migrationOn}; }, [d] { d->OnMigration(); });
  Add(kArrangeIcons, [] { return Enabled(); }, [d] { d->OnArrangeIcons(); });
  AddPluggable(kExportDxf, [] { return true; });
  AddPluggable(kExportAscii, [] { return true; });
  AddPluggable(kExportTrelwin, [] { return true; });
  AddPluggable(kConvertToGps, [d] { return d->project.version == 1; });
}

void DocumentCommandTable::Add(int id, std::function<CommandState()> state, std::function<void()> run) {
  entries_[id] = {std::move(state), std::move(run)};
}

void DocumentCommandTable::AddPluggable(int id, std::function<bool()> allowed) {
  Add(
      id, [this, id, allowed] { return Enabled(handlers_.count(id) != 0 && allowed()); },
      [this, id] { handlers_.at(id)(); });
}

std::optional<CommandState> DocumentCommandTable::State(int id) const {
  const auto entry = entries_.find(id);
  if (entry == entries_.end()) return std::nullopt;
  return entry->second.state();
}

bool DocumentCommandTable::Run(int id) {
  const auto entry = entries_.find(id);
  if (entry == entries_.end() || !entry->second.run || !entry->second.state().enabled) return false;
  entry->second.run();
  return true;
}

void DocumentCommandTable::SetHandler(int id, std::function<void()> handler) {
  handlers_[id] = std::move(handler);
}

}  // namespace tarvix
