#include "document/CTarvixDoc.h"

#include <algorithm>
#include <climits>
#include <filesystem>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "app/AppContext.h"
#include "app/TextHelpers.h"
#include "document/CFileWarnDlg.h"
#include "document/CProjMngr.h"
#include "document/DocumentHost.h"
#include "document/DocumentWindows.h"
#include "document/MapDocumentView.h"
#include "document/MapFrame.h"
#include "document/ProfileDocumentView.h"
#include "model/FileCopy.h"
#include "model/TextLines.h"
#include "platform/SettingsStore.h"
#include "profileview/GlobalMarkers.h"
#include "profileview/MarkerListModel.h"
#include "profileview/ProfileAlignment.h"

namespace tarvix {

namespace {

constexpr const char* kProjectFilter = "Tarvix project files (*.tvx)|*.tvx|All files (*.*)|*.*||";
constexpr const char* kTemplateFilter = "Tarvix project Files (*.tvx)|*.tvx||";

MessageAnswer Ask(const std::string& text, const std::string& caption, MessageIcon icon, MessageButtons buttons) {
  return App().ui.ShowMessage({text, caption, icon, buttons});
}

void Tell(const std::string& text, const std::string& caption, MessageIcon icon) {
  Ask(text, caption, icon, MessageButtons::Ok);
}

// The project file a chosen name stands for: the project writer always adds ".tvx" to the base
// path, so that is the file on disk whatever case the name's extension had.
std::string ProjectFileFor(const std::string& chosen) { return WithoutExtension(chosen) + ".tvx"; }

bool CanWriteExistingFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
#ifdef _WIN32
  return _access(path.c_str(), 2) == 0;
#else
  return access(path.c_str(), W_OK) == 0;
#endif
}

}  // namespace

CTarvixDoc::CTarvixDoc(DocumentHost& host) : host_(host) {}

CTarvixDoc::~CTarvixDoc() { host_.MarkerList().MarkersChanged(0, nullptr); }

void CTarvixDoc::SetPathName(const std::string& path, bool addToRecentFiles) {
  pathName_ = path;
  if (addToRecentFiles) host_.AddToRecentFiles(path);
}

void CTarvixDoc::ApplyProfileOrder() {
  const bool descending = App().settings.ProfOrder != 0;
  for (auto& set : project.sets) {
    set->SetDescending(descending);
    set->SortProfiles();
  }
}

bool CTarvixDoc::OnNewDocument() {
  auto& settings = App().settings;
  std::error_code error;
  if (!settings.CurDir.empty()) {
    std::filesystem::current_path(settings.CurDir, error);
  } else {
    std::string directory = std::filesystem::current_path(error).string();
    if (directory.empty() || directory.back() != std::filesystem::path::preferred_separator)
      directory += std::filesystem::path::preferred_separator;
    settings.CurDir = directory;
  }
  const int number = NextProjectNumber(settings.CurDir, "Project", ".tvx");
  project.basePath = settings.CurDir + "Project" + std::to_string(number);

  CProjMngr manager(*this, project.basePath, CProjMngr::kNewProject);
  if (!App().ui.RunModal(manager)) return false;
  ApplyProfileOrder();
  if (!ComputeAlignment(0)) return false;
  loaded = 1;
  SetModifiedFlag();
  settings.CurDir = manager.projectFolder;
  return true;
}

int CTarvixDoc::NextProjectNumber(const std::string& directory, const std::string& prefix,
                                  const std::string& extension) {
  const std::string pattern = directory + prefix;
  const std::string folder = DirectoryOfPath(pattern);
  const std::string namePrefix = FileNameOfPath(pattern);
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
  if (error) return 0;
  bool matched = false;
  long long largest = 0;
  for (const auto& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (name.size() < namePrefix.size() + extension.size() || !name.starts_with(namePrefix) ||
        !name.ends_with(extension))
      continue;
    std::string rest = name.substr(namePrefix.size());
    rest = rest.substr(0, rest.find('.'));
    const long long number = ExtractInt(rest).value_or(0);
    largest = matched ? std::max(largest, number) : number;
    matched = true;
  }
  return matched ? static_cast<int>(std::min<long long>(largest + 1, INT_MAX)) : 0;
}

bool CTarvixDoc::OnOpenDocument(const std::string& path) {
  if (!project.Read(path)) {
    Tell("Cannot open project file.", "Error", MessageIcon::Error);
    return false;
  }
  ApplyProfileOrder();
  if (!ComputeAlignment(0)) return false;
  loaded = 1;
  return true;
}

void CTarvixDoc::ShowSaveError(const std::string& file) const {
  Tell("Cannot save project:\n" + file, "Error", MessageIcon::Error);
}

bool CTarvixDoc::OnSaveDocument(const std::string& path) {
  project.basePath = WithoutExtension(path);
  if (!project.Write()) {
    ShowSaveError(project.basePath + ".tvx");
    return false;
  }
  SetModifiedFlag(false);
  return true;
}

bool CTarvixDoc::DoFileSave() {
  if (CanWriteExistingFile(pathName_)) return OnSaveDocument(pathName_);
  FileDialogRequest request;
  request.filter = kTemplateFilter;
  request.defaultExtension = "tvx";
  request.initialName = pathName_.empty() ? project.GetBasePath() : pathName_;
  request.overwritePrompt = true;
  const auto chosen = App().ui.AskSaveFile(request);
  if (!chosen || !OnSaveDocument(*chosen)) return false;
  SetPathName(ProjectFileFor(*chosen), true);
  host_.Windows().RefreshTitle();
  return true;
}

void CTarvixDoc::OnFileSaveAs() {
  FileDialogRequest request;
  request.defaultExtension = "tvx";
  request.initialName = project.GetBasePath();
  request.overwritePrompt = true;
  const auto chosen = App().ui.AskSaveFile(request);
  if (!chosen) return;
  const std::string written = ProjectFileFor(*chosen);
  // The project keeps its own base path until the next Save, which takes the document's path.
  if (!project.WriteTo(WithoutExtension(written))) {
    ShowSaveError(written);
    return;
  }
  SetPathName(written, true);
  host_.Windows().RefreshTitle();
  SetModifiedFlag(false);
}

bool CTarvixDoc::SaveModified() {
  if (!IsModified()) return true;
  switch (Ask("Save changes to the current project?", "Question", MessageIcon::Question,
              MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
      return DoFileSave();
    case MessageAnswer::No:
      SetModifiedFlag(false);
      return true;
    default:
      return false;
  }
}

void CTarvixDoc::OnCloseDocument() {
  host_.MarkerList().MarkersChanged(0, this);
  SaveModified();
  App().ResetDataWidth();
}

void CTarvixDoc::OnAddProject() {
  CFileWarnDlg warning;
  if (!App().ui.RunModal(warning)) return;

  FileDialogRequest request;
  request.filter = kProjectFilter;
  request.defaultExtension = "tvx";
  request.initialName = project.GetBasePath();
  request.overwritePrompt = true;
  const int setsBefore = static_cast<int>(project.sets.size());
  const auto chosen = App().ui.AskOpenFile(request);
  if (!chosen) return;
  if (WithoutExtension(*chosen) == project.basePath) {
    Tell("It is not possible to add a project to itself.", "Warning", MessageIcon::Warning);
    return;
  }
  KTarvixProject added;
  added.Read(*chosen);
  if (added.version != project.version) {
    Tell("It is not possible to combine projects of different types (version numbers).", "Warning",
         MessageIcon::Warning);
    return;
  }
  project.Merge(added);
  SetModifiedFlag();
  ComputeAlignment(setsBefore);
  UpdateAllViews(0);
}

void CTarvixDoc::OnProjectManager() {
  CProjMngr manager(*this, project.GetBasePath(), CProjMngr::kEditProject);
  if (App().ui.RunModal(manager)) {
    App().settings.CurDir = manager.projectFolder;
    host_.Windows().RefreshTitle();
    ComputeAlignment(0);
  }
  RefreshProfileViews();
  RepaintMapViews(false);
}

void CTarvixDoc::OnSiteMap() {
  if (mapFrame) {
    if (mapShown == 1) {
      mapShown = 0;
      mapFrame->Show(false);
      return;
    }
    mapShown = 1;
    mapFrame->Show(true);
  } else {
    mapFrame = host_.Windows().CreateMapFrame(*this);
    if (!mapFrame) return;
    mapShown = 1;
  }
  host_.Windows().TileWindows();
}

bool CTarvixDoc::CurrentSetHasProfiles() const {
  const auto* set = state.CurrentSet(project);
  return set && !set->profiles.empty();
}

void CTarvixDoc::OnEditFilterList() {
  const auto* set = state.CurrentSet(project);
  if (!set || state.selectedProfile < 0 || state.selectedProfile >= static_cast<int>(set->profiles.size())) return;
  if (!set->profiles[static_cast<std::size_t>(state.selectedProfile)]->EditFilters()) return;
  SetModifiedFlag();
  RefreshProfileViews();
}

void CTarvixDoc::OnToggleFilters() {
  for (auto* view : views_)
    if (auto* profileView = dynamic_cast<ProfileDocumentView*>(view)) {
      profileView->ToggleFilters();
      profileView->RepaintNow();
    }
  RefreshProfileViews();
}

void CTarvixDoc::OnMigration() {
  state.migrationOn = !state.migrationOn;
  for (auto* view : views_)
    if (auto* profileView = dynamic_cast<ProfileDocumentView*>(view)) {
      profileView->ReloadTraceWindow();
      profileView->RepaintNow();
      return;
    }
}

void CTarvixDoc::OnArrangeIcons() { host_.Windows().TileWindows(); }

bool CTarvixDoc::ShowMapAtOpen() {
  mapVisibleAtOpen = App().store.ReadInt("MapVisible").value_or(1);
  if (mapVisibleAtOpen != 0) {
    mapFrame = host_.Windows().CreateMapFrame(*this);
    if (mapFrame) mapShown = 1;
  }
  return true;
}

void CTarvixDoc::MapFrameDestroyed() {
  mapFrame = nullptr;
  mapShown = 0;
}

bool CTarvixDoc::ComputeAlignment(int fromSet) {
  if (!tarvix::ComputeAlignment(state, project, fromSet)) return false;
  host_.MarkerList().MarkersChanged(0, this);
  return true;
}

void CTarvixDoc::DeleteSelectedMarkers() {
  if (state.selectedMarker == -1) return;
  const auto& list = host_.MarkerList();
  int selected = 0;
  ForEachMarker(project, [&](const KRadarProfile&, const KMarker&, int global) {
    if (list.IsMarkerSelected(global)) ++selected;
  });
  if (selected == 0) {
    state.ClearMarkerSelection();
    return;
  }
  const char* question =
      selected == 1 ? "Do you want to delete the marker?" : "Do you want to delete the selected markers?";
  if (Ask(question, "Warning", MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) return;

  // Global indices are those of the list, counted before anything is removed.
  int global = 0;
  for (auto& set : project.sets)
    for (auto& profile : set->profiles) {
      auto& items = profile->markers.items;
      std::vector<KMarker> kept;
      for (auto& marker : items)
        if (!list.IsMarkerSelected(global++)) kept.push_back(std::move(marker));
      items = std::move(kept);
    }
  host_.MarkerList().MarkersChanged(0, this);
  UpdateAllViews(0);
  SetModifiedFlag();
  // The reference would point into a list that has changed.
  state.ClearMarkerSelection();
}

void CTarvixDoc::RefreshProfileViews() {
  for (auto* view : views_)
    if (auto* profileView = dynamic_cast<ProfileDocumentView*>(view)) {
      profileView->ReloadTraceWindow();
      profileView->SetupScrollBars();
      profileView->RepaintNow();
    }
}

void CTarvixDoc::RepaintMapViews(bool refit) {
  for (auto* view : views_)
    if (auto* mapView = dynamic_cast<MapDocumentView*>(view)) {
      if (refit) mapView->OnInitialUpdate();
      mapView->RepaintNow();
    }
}

void CTarvixDoc::UpdateAllViews(int hint) {
  for (auto* view : views_) view->OnUpdate(hint);
}

void CTarvixDoc::InitialUpdateAllViews() {
  for (auto* view : views_) view->OnInitialUpdate();
}

void CTarvixDoc::AttachView(DocumentView& view) {
  if (std::find(views_.begin(), views_.end(), &view) == views_.end()) views_.push_back(&view);
}

void CTarvixDoc::DetachView(DocumentView& view) { std::erase(views_, &view); }

}  // namespace tarvix
